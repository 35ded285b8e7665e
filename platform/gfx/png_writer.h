#pragma once
#include <string>

#include "platform/gfx/bitmap.h"

namespace iv {

// Writes the bitmap as an 8-bit RGB PNG; raises std::runtime_error when the file cannot be
// written, with the path and the system's reason.
void WritePng(const Bitmap &bitmap, const std::string &path);

}  // namespace iv
