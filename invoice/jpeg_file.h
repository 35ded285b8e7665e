#pragma once
#include <optional>
#include <string>

#include "platform/gfx/bitmap.h"

namespace iv {

// The file decoded as a JPEG image whatever its name; nothing when it cannot be read or is
// not a sound JPEG.
std::optional<Bitmap> ReadJpegFile(const std::string &path);

}  // namespace iv
