#include "invoice/jpeg_file.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/gfx/picture.h"

namespace iv {

std::optional<Bitmap> ReadJpegFile(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  try {
    return DecodeJpeg(bytes);
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

}  // namespace iv
