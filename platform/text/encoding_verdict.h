#pragma once
// The verdict on a text file that is not GBK, in the same words wherever it is given (a check, the
// XML reader, the transaction file reader): the encoding found, how the file is read, and how to
// save it as GBK on either system.
#include <string>
#include <string_view>

#include "platform/text/text_encoding.h"

namespace iv {

// How to save the file as GBK: on Windows with Notepad, on Linux with `linuxCommand`.
std::string SaveAsGbkAdvice(std::string_view linuxCommand);

// "saved as UTF-16 LE (...), but READER; save it as GBK: ..." where READER says how the file is
// read, for instance "the kiosk reads this file as GBK and finds none of its text".
std::string NotGbkMessage(const FoundEncoding &found, std::string_view reader);

}  // namespace iv
