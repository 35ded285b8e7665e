#pragma once
// Reads the window dumps xwd writes: a big-endian header, the window name, a colour map, then
// a ZPixmap of 24 or 32 bits a pixel in the byte order and channel masks the header gives.
#include <bit>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"

namespace iv::test {

struct XwdImage {
  Bitmap pixels;
  int left = 0;  // the window's place in its parent
  int top = 0;
};

inline XwdImage ReadXwd(const std::string &path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  auto field = [&](std::size_t index) {
    const std::size_t at = index * 4;
    if (at + 4 > bytes.size()) throw std::runtime_error(path + ": cut-off header");
    return std::uint32_t(bytes[at]) << 24 | std::uint32_t(bytes[at + 1]) << 16 |
           std::uint32_t(bytes[at + 2]) << 8 | bytes[at + 3];
  };
  enum { kHeaderSize, kVersion, kFormat, kDepth, kWidth, kHeight, kXOffset, kByteOrder,
         kBitsPerPixel = 11, kBytesPerLine, kRedMask = 14, kGreenMask, kBlueMask,
         kColorCount = 19, kWindowX = 22, kWindowY };
  constexpr std::uint32_t kZPixmap = 2, kMsbFirst = 1, kColorEntrySize = 12;
  const std::uint32_t bitsPerPixel = field(kBitsPerPixel);
  if (field(kVersion) != 7 || field(kFormat) != kZPixmap || (bitsPerPixel != 24 && bitsPerPixel != 32))
    throw std::runtime_error(path + ": not a 24/32-bit ZPixmap dump");
  const int width = int(field(kWidth)), height = int(field(kHeight));
  const std::uint32_t bytesPerLine = field(kBytesPerLine), bytesPerPixel = bitsPerPixel / 8;
  const bool msbFirst = field(kByteOrder) == kMsbFirst;
  const std::size_t image = field(kHeaderSize) + std::size_t(field(kColorCount)) * kColorEntrySize;
  if (image + std::size_t(bytesPerLine) * height > bytes.size() || bytesPerLine < width * bytesPerPixel)
    throw std::runtime_error(path + ": cut-off image");

  // A channel's value scaled from its mask to 8 bits.
  auto channel = [](std::uint32_t pixel, std::uint32_t mask) {
    if (mask == 0) return std::uint8_t(0);
    const std::uint32_t value = (pixel & mask) >> std::countr_zero(mask);
    const std::uint32_t maximum = mask >> std::countr_zero(mask);
    return std::uint8_t((value * 255 + maximum / 2) / maximum);
  };
  const std::uint32_t red = field(kRedMask), green = field(kGreenMask), blue = field(kBlueMask);
  XwdImage result{Bitmap(width, height), int(field(kWindowX)), int(field(kWindowY))};
  for (int y = 0; y < height; ++y) {
    const std::uint8_t *row = bytes.data() + image + std::size_t(y) * bytesPerLine;
    for (int x = 0; x < width; ++x) {
      std::uint32_t pixel = 0;
      for (std::uint32_t i = 0; i < bytesPerPixel; ++i) {
        const std::uint8_t byte = row[x * bytesPerPixel + i];
        pixel = msbFirst ? pixel << 8 | byte : pixel | std::uint32_t(byte) << (8 * i);
      }
      result.pixels.SetPixel(x, y, RGB(channel(pixel, red), channel(pixel, green), channel(pixel, blue)));
    }
  }
  return result;
}

}  // namespace iv::test
