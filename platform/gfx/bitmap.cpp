#include "platform/gfx/bitmap.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace iv {

namespace {

Palette MakeGrayPalette() {
  Palette palette;
  for (int i = 0; i < 256; ++i) {
    const auto level = std::uint8_t(i);
    palette[i] = {level, level, level, 0};
  }
  return palette;
}

std::int64_t StrideFor(std::int64_t width, int bytesPerPixel) { return (width * bytesPerPixel + 3) & ~3; }


// The part of `rect` that lies inside a width x height image.
TRect ClipTo(const TRect &rect, int width, int height) {
  return {std::max(rect.Left, 0), std::max(rect.Top, 0), std::min(rect.Right, width),
          std::min(rect.Bottom, height)};
}

// A block copy clipped to both images: `to` in the target, `from` the same size in the source.
struct ClippedBlock {
  TRect to;
  TRect from;
};

ClippedBlock ClipBlock(const Bitmap &target, int x, int y, const Bitmap &source, const TRect &sourceRect) {
  // Clip the source to its image, then the shifted rectangle to the target; the shift is
  // taken in 64 bits so that positions near the 32-bit limits cannot wrap onto the image.
  const TRect from = ClipTo(sourceRect, source.Width(), source.Height());
  const std::int64_t dx = std::int64_t{x} - sourceRect.Left;
  const std::int64_t dy = std::int64_t{y} - sourceRect.Top;
  const TRect to = ClipTo({SaturatedEdge(from.Left + dx), SaturatedEdge(from.Top + dy),
                           SaturatedEdge(from.Right + dx), SaturatedEdge(from.Bottom + dy)},
                          target.Width(), target.Height());
  if (to.IsEmpty()) return {};
  return {to, {int(to.Left - dx), int(to.Top - dy), int(to.Right - dx), int(to.Bottom - dy)}};
}

}  // namespace

const Palette &GrayPalette() {
  static const Palette palette = MakeGrayPalette();
  return palette;
}

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) {
  SetSize(width, height);
}

bool Bitmap::SizeFits(std::int64_t width, std::int64_t height, PixelFormat format) {
  constexpr std::int64_t kMaxBytes = std::numeric_limits<int>::max();
  if (width <= 0 || height <= 0) return true;
  if (width > kMaxBytes || height > kMaxBytes) return false;
  return StrideFor(width, BytesPerPixelOf(format)) <= kMaxBytes / height;
}

int Bitmap::MaxSquareSide(PixelFormat format) {
  // The largest side whose square fits: below it every size fits, so a bisection finds it.
  int fits = 0;
  int tooLarge = std::numeric_limits<int>::max();
  while (tooLarge - fits > 1) {
    const int side = fits + (tooLarge - fits) / 2;
    (SizeFits(side, side, format) ? fits : tooLarge) = side;
  }
  return fits;
}

void Bitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (!SizeFits(width, height, format_)) throw std::length_error("bitmap too large");
  const int stride = int(StrideFor(width, BytesPerPixel()));
  pixels_.assign(std::size_t(stride) * std::size_t(height), 0);
  width_ = width;
  height_ = height;
  stride_ = stride;
}

void Bitmap::Enlarge(int width, int height) {
  if (width > width_ || height > height_) SetSize(std::max(width, width_), std::max(height, height_));
}

TColor Bitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clBlack;
  const std::uint8_t *p = Row(y) + x * BytesPerPixel();
  if (format_ == PixelFormat::Bgr24) return RGB(p[2], p[1], p[0]);
  const PaletteEntry &entry = palette_[*p];
  return RGB(entry.red, entry.green, entry.blue);
}

void Bitmap::SetPixel(int x, int y, TColor color) { Fill(Bounds(x, y, 1, 1), color); }

std::uint8_t Bitmap::NearestIndex(TColor color) const {
  int best = 0;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < 256; ++i) {
    const int dr = palette_[i].red - GetRValue(color);
    const int dg = palette_[i].green - GetGValue(color);
    const int db = palette_[i].blue - GetBValue(color);
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return std::uint8_t(best);
}

void Bitmap::Fill(const TRect &rect, TColor color) {
  const TRect clip = ClipTo(rect, width_, height_);
  if (clip.IsEmpty()) return;
  if (format_ == PixelFormat::Indexed8) {
    const std::uint8_t index = NearestIndex(color);
    for (int y = clip.Top; y < clip.Bottom; ++y)
      std::memset(Row(y) + clip.Left, index, std::size_t(clip.Width()));
    return;
  }
  const std::uint8_t bgr[3] = {GetBValue(color), GetGValue(color), GetRValue(color)};
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    std::uint8_t *p = Row(y) + clip.Left * 3;
    for (int x = clip.Left; x < clip.Right; ++x, p += 3) std::memcpy(p, bgr, 3);
  }
}

void Bitmap::Fill(TColor color) { Fill(Bounds(0, 0, width_, height_), color); }

void Bitmap::CopyBlock(int x, int y, const Bitmap &source, const TRect &sourceRect) {
  const auto [to, from] = ClipBlock(*this, x, y, source, sourceRect);
  if (to.IsEmpty()) return;

  if (source.format_ == format_ && (format_ == PixelFormat::Bgr24 || source.palette_ == palette_)) {
    const int bpp = BytesPerPixel();
    // Within one image a downward copy runs bottom-up so no row is overwritten before it moves.
    const bool bottomUp = &source == this && to.Top > from.Top;
    for (int i = 0; i < to.Height(); ++i) {
      const int row = bottomUp ? to.Height() - 1 - i : i;
      std::memmove(Row(to.Top + row) + to.Left * bpp, source.Row(from.Top + row) + from.Left * bpp,
                   std::size_t(to.Width() * bpp));
    }
    return;
  }
  for (int row = 0; row < to.Height(); ++row)
    for (int col = 0; col < to.Width(); ++col)
      SetPixel(to.Left + col, to.Top + row, source.Pixel(from.Left + col, from.Top + row));
}

void Bitmap::CopyBlockTransparent(int x, int y, const Bitmap &source, const TRect &sourceRect,
                                  TColor transparentColor) {
  const auto [to, from] = ClipBlock(*this, x, y, source, sourceRect);
  if (format_ == PixelFormat::Bgr24 && source.format_ == PixelFormat::Bgr24) {
    // Full-screen skins go through here at every repaint: each run of shown pixels is
    // copied at once.
    const std::uint8_t key[3] = {GetBValue(transparentColor), GetGValue(transparentColor), GetRValue(transparentColor)};
    const int width = to.Width();
    for (int row = 0; row < to.Height(); ++row) {
      const std::uint8_t *in = source.Row(from.Top + row) + from.Left * 3;
      std::uint8_t *out = Row(to.Top + row) + to.Left * 3;
      auto shown = [in, &key](int col) {
        const std::uint8_t *p = in + col * 3;
        return p[0] != key[0] || p[1] != key[1] || p[2] != key[2];
      };
      for (int col = 0; col < width;) {
        while (col < width && !shown(col)) ++col;
        const int start = col;
        while (col < width && shown(col)) ++col;
        std::memcpy(out + start * 3, in + start * 3, std::size_t(col - start) * 3);
      }
    }
    return;
  }
  for (int row = 0; row < to.Height(); ++row)
    for (int col = 0; col < to.Width(); ++col) {
      const TColor color = source.Pixel(from.Left + col, from.Top + row);
      if (color != transparentColor) SetPixel(to.Left + col, to.Top + row, color);
    }
}

void Bitmap::Draw(int x, int y, const Bitmap &source) {
  CopyBlock(x, y, source, Bounds(0, 0, source.width_, source.height_));
}

void Bitmap::StretchDraw(const TRect &dest, const Bitmap &source) {
  if (dest.IsEmpty() || source.Empty()) return;
  if (dest.Width() == source.width_ && dest.Height() == source.height_) {
    Draw(dest.Left, dest.Top, source);
    return;
  }
  const TRect clip = ClipTo(dest, width_, height_);
  for (int y = clip.Top; y < clip.Bottom; ++y) {
    const int sy = int(std::int64_t(y - dest.Top) * source.height_ / dest.Height());
    for (int x = clip.Left; x < clip.Right; ++x) {
      const int sx = int(std::int64_t(x - dest.Left) * source.width_ / dest.Width());
      if (format_ == PixelFormat::Bgr24 && source.format_ == PixelFormat::Bgr24)
        std::memcpy(Row(y) + x * 3, source.Row(sy) + sx * 3, 3);
      else
        SetPixel(x, y, source.Pixel(sx, sy));
    }
  }
}

}  // namespace iv
