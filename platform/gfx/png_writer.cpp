#include "platform/gfx/png_writer.h"

#include <png.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "platform/fs/open_file.h"

namespace iv {

void WritePng(const Bitmap &bitmap, const std::string &path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(bitmap.Width());
  image.height = png_uint_32(bitmap.Height());
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> packed(std::size_t(bitmap.Width()) * std::size_t(bitmap.Height()) * 3);
  std::uint8_t *out = packed.data();
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) {
      const TColor color = bitmap.Pixel(x, y);
      *out++ = GetRValue(color);
      *out++ = GetGValue(color);
      *out++ = GetBValue(color);
    }
  const FilePtr file = OpenFile(path, "wb");
  if (!file) throw std::runtime_error("cannot write " + path + ": " + std::strerror(errno));
  if (!png_image_write_to_stdio(&image, file.get(), 0, packed.data(), 0, nullptr))
    throw std::runtime_error("cannot write " + path + ": " + image.message);
}

}  // namespace iv
