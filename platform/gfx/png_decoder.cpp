#include <png.h>

#include <cstring>
#include <vector>

#include "platform/gfx/picture.h"
#include "platform/gfx/picture_limits.h"

namespace iv {

Bitmap DecodePng(std::span<const std::uint8_t> data) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size()))
    throw PictureError(std::string("PNG error: ") + image.message);
  try {
    CheckPictureSize(image.width, image.height, "PNG");
  } catch (...) {
    png_image_free(&image);
    throw;
  }
  image.format = PNG_FORMAT_BGR;
  // Packed rows first: libpng counts a row stride in components, ours is padded bytes.
  std::vector<std::uint8_t> packed(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, packed.data(), 0, nullptr))
    throw PictureError(std::string("PNG error: ") + image.message);

  Bitmap bitmap(int(image.width), int(image.height));
  const std::size_t rowBytes = std::size_t(image.width) * 3;
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(bitmap.Row(y), packed.data() + rowBytes * std::size_t(y), rowBytes);
  return bitmap;
}

}  // namespace iv
