#include "platform/gfx/picture.h"

#include <optional>

#include "platform/fs/file_content.h"
#include "platform/text/dbcs.h"

namespace iv {

namespace {

// The extension as written, without its dot; empty when the file name has none.
std::string ExtensionOf(const std::string &path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return path.substr(dot + 1);
}

}  // namespace

Bitmap LoadPicture(const std::string &path) {
  const std::string extension = ExtensionOf(path);
  Bitmap (*decode)(std::span<const std::uint8_t>) = nullptr;
  if (SameTextGbk(extension, "jpg") || SameTextGbk(extension, "jpeg"))
    decode = DecodeJpeg;
  else if (SameTextGbk(extension, "png"))
    decode = DecodePng;
  else if (SameTextGbk(extension, "bmp"))
    decode = DecodeBmp;
  else
    throw PictureError("Unknown picture file extension (." + extension + ")");
  const std::optional<std::string> data = ReadFileContent(path);
  if (!data) throw PictureError("Cannot open file \"" + path + "\"");
  return decode({reinterpret_cast<const std::uint8_t *>(data->data()), data->size()});
}

}  // namespace iv
