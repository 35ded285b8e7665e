// Windows bitmap files: the core and the info headers (40 bytes and its later, longer forms),
// 1, 4 and 8 bits a pixel through the colour table, 16 and 32 bits with their channel masks,
// 24 bits as stored; rows bottom-up or, with a negative height, top-down. Run-length
// compressed files are refused. Every read is checked against the file's length.
#include <bit>
#include <cstring>
#include <vector>

#include "platform/gfx/picture.h"
#include "platform/gfx/picture_limits.h"

namespace iv {

namespace {

constexpr std::uint32_t kRgb = 0, kBitFields = 3;

class BmpReader {
 public:
  explicit BmpReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::uint32_t Unsigned(std::size_t at, int bytes) const {
    Need(at, std::size_t(bytes));
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | data_[at + std::size_t(i)];
    return value;
  }
  std::int32_t Signed32(std::size_t at) const { return std::int32_t(Unsigned(at, 4)); }
  const std::uint8_t *At(std::size_t at, std::size_t length) const {
    Need(at, length);
    return data_.data() + at;
  }

 private:
  void Need(std::size_t at, std::size_t length) const {
    if (at > data_.size() || length > data_.size() - at) throw PictureError("BMP error: file is cut off");
  }
  std::span<const std::uint8_t> data_;
};

// One channel of a masked pixel, scaled to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    bits = std::popcount(m >> shift);
  }
  std::uint8_t Of(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t value = (pixel & mask) >> shift;
    const std::uint32_t top = (1u << std::min(bits, 31)) - 1;
    return std::uint8_t(bits >= 8 ? value >> (bits - 8) : value * 255 / top);
  }
};

}  // namespace

Bitmap DecodeBmp(std::span<const std::uint8_t> data) {
  const BmpReader file(data);
  if (data.size() < 26 || data[0] != 'B' || data[1] != 'M') throw PictureError("BMP error: not a bitmap file");
  const std::uint32_t pixelsAt = file.Unsigned(10, 4);
  const std::uint32_t headerSize = file.Unsigned(14, 4);
  const bool core = headerSize == 12;
  if (!core && headerSize < 40) throw PictureError("BMP error: unknown header");
  const std::int64_t width = core ? std::int64_t{file.Unsigned(18, 2)} : std::int64_t{file.Signed32(18)};
  const std::int64_t storedHeight = core ? std::int64_t{file.Unsigned(20, 2)} : std::int64_t{file.Signed32(22)};
  const int bitCount = int(file.Unsigned(core ? 24 : 28, 2));
  const std::uint32_t compression = core ? kRgb : file.Unsigned(30, 4);
  const bool topDown = storedHeight < 0;
  const std::int64_t height = topDown ? -storedHeight : storedHeight;
  CheckPictureSize(width, height, "BMP");
  if (compression != kRgb && compression != kBitFields)
    throw PictureError("BMP error: compressed bitmaps are not supported");

  // Colour table of the indexed formats: 3 bytes an entry after a core header, else 4.
  std::vector<TColor> colors;
  if (bitCount == 1 || bitCount == 4 || bitCount == 8) {
    const std::uint32_t stated = core ? 0 : file.Unsigned(46, 4);
    const std::size_t count = stated != 0 && stated < (1u << bitCount) ? stated : std::size_t(1) << bitCount;
    const std::size_t entry = core ? 3 : 4;
    const std::uint8_t *table = file.At(14 + headerSize, count * entry);
    for (std::size_t i = 0; i < count; ++i)
      colors.push_back(RGB(table[i * entry + 2], table[i * entry + 1], table[i * entry]));
  } else if (bitCount != 16 && bitCount != 24 && bitCount != 32) {
    throw PictureError("BMP error: " + std::to_string(bitCount) + " bits a pixel are not supported");
  }

  // Masks: given after a 40-byte header (or inside a longer one) for bit fields, else the defaults.
  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (bitCount == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  if (compression == kBitFields)
    for (int i = 0; i < 3; ++i) masks[i] = file.Unsigned(14 + 40 + std::size_t(i) * 4, 4);
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);

  const std::size_t stride = (std::size_t(width) * std::size_t(bitCount) + 31) / 32 * 4;
  const std::uint8_t *rows = file.At(pixelsAt, stride * std::size_t(height));
  Bitmap bitmap{int(width), int(height)};
  for (int y = 0; y < bitmap.Height(); ++y) {
    const std::uint8_t *in = rows + stride * std::size_t(topDown ? y : bitmap.Height() - 1 - y);
    std::uint8_t *out = bitmap.Row(y);
    if (bitCount == 24) {
      std::memcpy(out, in, std::size_t(width) * 3);
      continue;
    }
    for (int x = 0; x < bitmap.Width(); ++x, out += 3) {
      TColor color;
      if (bitCount <= 8) {
        const int perByte = 8 / bitCount;
        const int index = in[x / perByte] >> ((perByte - 1 - x % perByte) * bitCount) & ((1 << bitCount) - 1);
        color = std::size_t(index) < colors.size() ? colors[std::size_t(index)] : clBlack;
      } else {
        const int bytes = bitCount / 8;
        std::uint32_t pixel = 0;
        for (int i = bytes - 1; i >= 0; --i) pixel = pixel << 8 | in[x * bytes + i];
        color = RGB(red.Of(pixel), green.Of(pixel), blue.Of(pixel));
      }
      out[0] = GetBValue(color), out[1] = GetGValue(color), out[2] = GetRValue(color);
    }
  }
  return bitmap;
}

}  // namespace iv
