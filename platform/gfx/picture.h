#pragma once
// Pictures from files: the format is chosen by the file's extension (.jpg/.jpeg, .png, .bmp,
// any letter case). Every decoded picture is a 24-bit bitmap.
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>

#include "platform/gfx/bitmap.h"

namespace iv {

// A picture that cannot be read: unknown extension, unreadable or corrupt file, absurd size.
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Pictures larger than this are refused before any pixel memory is taken.
constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = 40'000'000;

// Raises "Unknown picture file extension (.%s)" with the extension for other names.
Bitmap LoadPicture(const std::string &path);

Bitmap DecodeJpeg(std::span<const std::uint8_t> data);
Bitmap DecodePng(std::span<const std::uint8_t> data);
Bitmap DecodeBmp(std::span<const std::uint8_t> data);

}  // namespace iv
