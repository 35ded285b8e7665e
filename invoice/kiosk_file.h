#pragma once
// A file a template names (a picture), as the painter looks for it: in the kiosk folder, the
// current directory, with the name's separators made native and its letter case resolved.
#include <string>

namespace iv {

std::string KioskFile(const std::string &name);

}  // namespace iv
