#pragma once
// Blanks and control characters (bytes up to 0x20) around a text. GBK bytes are 0x40 and up,
// so a double-byte character is never cut.
#include <string>
#include <string_view>

namespace iv {

std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

}  // namespace iv
