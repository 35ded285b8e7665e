#pragma once
#include <cstdint>
#include <string>

#include "platform/gfx/picture.h"

namespace iv {

// Dimensions a kiosk picture can have; checked before any pixel memory is taken.
inline bool AcceptablePictureSize(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

inline void CheckPictureSize(std::int64_t width, std::int64_t height, const char *format) {
  if (!AcceptablePictureSize(width, height))
    throw PictureError(std::string(format) + " picture has unusable dimensions " +
                          std::to_string(width) + "x" + std::to_string(height));
}

}  // namespace iv
