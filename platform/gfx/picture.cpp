#include "platform/gfx/picture.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace iv {

namespace {

std::string LowerAscii(std::string text) {
  for (char &c : text)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return text;
}

// The extension as written, without its dot; empty when the file name has none.
std::string ExtensionOf(const std::string &path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return path.substr(dot + 1);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw EInvalidGraphic("Cannot open file \"" + path + "\"");
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

Bitmap LoadPicture(const std::string &path) {
  const std::string extension = ExtensionOf(path);
  const std::string kind = LowerAscii(extension);
  Bitmap (*decode)(std::span<const std::uint8_t>) = nullptr;
  if (kind == "jpg" || kind == "jpeg")
    decode = DecodeJpeg;
  else if (kind == "png")
    decode = DecodePng;
  else if (kind == "bmp")
    decode = DecodeBmp;
  else
    throw EInvalidGraphic("Unknown picture file extension (." + extension + ")");
  const std::vector<std::uint8_t> data = ReadWholeFile(path);
  return decode(data);
}

}  // namespace iv
