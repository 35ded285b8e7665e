#pragma once
// Off-screen images: 24-bit (bytes blue, green, red) or 8-bit paletted, rows stored top-down
// with a stride rounded up to 4 bytes.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/gfx/geometry.h"

namespace iv {

enum class PixelFormat : std::uint8_t { Indexed8, Bgr24 };

struct PaletteEntry {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  std::uint8_t flags = 0;
  friend bool operator==(const PaletteEntry &, const PaletteEntry &) = default;
};
using Palette = std::array<PaletteEntry, 256>;

// The process-wide gray ramp: entry i is (i, i, i), so pixel value i means gray level i.
const Palette &GrayPalette();

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, PixelFormat format = PixelFormat::Bgr24);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return stride_; }
  PixelFormat Format() const { return format_; }
  int BytesPerPixel() const { return BytesPerPixelOf(format_); }
  static int BytesPerPixelOf(PixelFormat format) { return format == PixelFormat::Bgr24 ? 3 : 1; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  std::uint8_t *Row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(stride_); }
  const std::uint8_t *Row(int y) const {
    return pixels_.data() + std::size_t(y) * std::size_t(stride_);
  }

  // New size; the pixels are zero afterwards. Storage is reused when it is large enough.
  // Raises std::length_error for a size that does not fit (below).
  void SetSize(int width, int height);
  // Whether the pixels of a width x height image fit the 2 GiB a bitmap may take; an empty
  // size always does.
  static bool SizeFits(std::int64_t width, std::int64_t height, PixelFormat format);
  // The largest N for which an N x N image fits.
  static int MaxSquareSide(PixelFormat format);
  // Grows to at least the given size and never shrinks.
  void Enlarge(int width, int height);

  // Colour table of an 8-bit image (gray ramp by default); unused by 24-bit images.
  Palette &Colors() { return palette_; }
  const Palette &Colors() const { return palette_; }

  // Colour of a pixel as 0x00BBGGRR (8-bit images through their palette).
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Fills the rectangle, clipped to the image; an 8-bit image takes the nearest palette entry.
  void Fill(const TRect &rect, TColor color);
  void Fill(TColor color);

  // Copies the source rectangle with its top left at (x, y), clipped to both images, so a
  // rectangle that reaches beyond either edge never reads or writes outside.
  void CopyBlock(int x, int y, const Bitmap &source, const TRect &sourceRect);
  // The same copy, leaving the pixels of `transparentColor` as they are: how a picture with
  // a see-through colour is drawn. The source must be another image.
  void CopyBlockTransparent(int x, int y, const Bitmap &source, const TRect &sourceRect,
                            TColor transparentColor);
  // The whole source at its own size.
  void Draw(int x, int y, const Bitmap &source);
  // The whole source scaled into the destination rectangle (nearest pixel), clipped.
  void StretchDraw(const TRect &dest, const Bitmap &source);

 private:
  std::uint8_t NearestIndex(TColor color) const;

  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  PixelFormat format_ = PixelFormat::Bgr24;
  std::vector<std::uint8_t> pixels_;
  Palette palette_ = GrayPalette();
};

}  // namespace iv
