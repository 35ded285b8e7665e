#pragma once
// Windows only: the system's own wording of an error code.
#include <string>

namespace iv {

// The text FormatMessage gives for `code` ("The specified module could not be found."), without
// the line end it comes with; empty when the system has none.
std::wstring SystemMessage(unsigned long code);

}  // namespace iv
