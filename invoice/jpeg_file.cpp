#include "invoice/jpeg_file.h"

#include "platform/fs/file_content.h"
#include "platform/gfx/picture.h"

namespace iv {

std::optional<Bitmap> ReadJpegFile(const std::string &path) {
  const std::optional<std::string> bytes = ReadFileContent(path);
  if (!bytes) return std::nullopt;
  try {
    return DecodeJpeg({reinterpret_cast<const std::uint8_t *>(bytes->data()), bytes->size()});
  } catch (const std::exception &) {
    return std::nullopt;
  }
}

}  // namespace iv
