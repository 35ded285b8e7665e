#include "aatext/SmoothMask.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <stdexcept>

#include "aatext/SmoothFont.h"
#include "aatext/SmoothReduce.h"
#include "platform/gfx/font_engine.h"
#include "platform/text/dbcs.h"

namespace iv {

namespace {

// Round to nearest with halves to even (the default floating-point rounding mode).
long double RoundHalfEven(long double value) { return std::nearbyint(value); }

// Font dimensions from templates can be anything; the product must not overflow.
std::int32_t ScaledDimension(std::int32_t value, int scale) {
  const std::int64_t product = std::int64_t(value) * scale;
  return std::int32_t(std::clamp<std::int64_t>(product, std::numeric_limits<std::int32_t>::min(),
                                               std::numeric_limits<std::int32_t>::max()));
}

int RoundUpTo4(int value) { return (value + 3) & ~3; }

}  // namespace

TSmoothMask::TSmoothMask(TSmoothFont *owner) : owner_(owner) {}

TSmoothMask::~TSmoothMask() = default;

void TSmoothMask::SetQuality(TTextQuality quality) {
  quality_ = quality;
  scale_ = ScaleOf(quality);
}

void TSmoothMask::Assign(const TSmoothMask &source) {
  if (this == &source) return;
  width_ = source.width_;
  height_ = source.height_;
  SetQuality(source.quality_);
  gray_stride_ = source.gray_stride_;
  mask_stride_ = source.mask_stride_;
  buffer_ = source.buffer_;
}

TLogFont TSmoothMask::ScaledFont(long double &angle) const {
  TLogFont font = owner_->GetCanvas()->Font().LogFont();
  font.lfHeight = ScaledDimension(font.lfHeight, scale_);
  font.lfWidth = ScaledDimension(font.lfWidth, scale_);
  angle = font.lfEscapement * std::numbers::pi_v<long double> / 1800;
  return font;
}

TSize TSmoothMask::Measure(std::string_view text) const {
  TPoint offset;
  TSize size;
  MeasureWithOffset(text, offset, size);
  return size;
}

void TSmoothMask::MeasureWithOffset(std::string_view text, TPoint &offset, TSize &size) const {
  size = {0, 0};
  if (owner_ == nullptr || owner_->GetCanvas() == nullptr) return;
  long double angle = 0;
  const TLogFont font = ScaledFont(angle);
  ExtentFromScaled(FontEngine::Instance().TextExtent(font, text), font, text.size(), angle, offset, size);
}

TSize TSmoothMask::MeasureGrowing(std::string_view text, MeasuredPart &known) const {
  TPoint offset;
  TSize size;
  if (owner_ == nullptr || owner_->GetCanvas() == nullptr) return size;
  long double angle = 0;
  const TLogFont font = ScaledFont(angle);
  if (!(known.font == font) || known.length > text.size()) known = {font, 0, 0};
  FontEngine &engine = FontEngine::Instance();
  // Advances add up character by character, so the settled part is kept and only the rest
  // measured; the unsettled end is measured afresh each time.
  const std::size_t settled = SettledGbkLength(text, known.length);
  known.advance += engine.TextExtent(font, text.substr(known.length, settled - known.length)).cx;
  known.length = settled;
  TSize scaled = engine.TextExtent(font, text.substr(settled));
  scaled.cx = std::int32_t(known.advance + scaled.cx);
  ExtentFromScaled(scaled, font, text.size(), angle, offset, size);
  return size;
}

void TSmoothMask::ExtentFromScaled(TSize scaled, const TLogFont &font, std::size_t length, long double angle,
                                   TPoint &offset, TSize &size) const {
  // Whole destination pixels, rounded up.
  TSize box{(scaled.cx + scale_ - 1) / scale_, (scaled.cy + scale_ - 1) / scale_};
  // Slanted glyphs reach beyond their advances: add 30 % of the average character width.
  if (font.lfItalic && length != 0)
    box.cx += std::int32_t(RoundHalfEven((long double)box.cx / length * 0.3L));
  if (angle != 0)
    RotatedExtent(box, angle, size, offset);
  else
    size = box;
}

void TSmoothMask::RotatedExtent(TSize box, long double angle, TSize &size, TPoint &offset) {
  const long double s = std::sin(-angle), c = std::cos(-angle);
  const long double hw = box.cx / 2.0L, hh = box.cy / 2.0L;
  auto corner = [](long double x, long double y) {
    return TPoint{std::int32_t(RoundHalfEven(x)), std::int32_t(RoundHalfEven(y))};
  };
  const TPoint corners[4] = {
      corner(-hw * c + hh * s, -hw * s - hh * c),  // the text's top left
      corner(hw * c + hh * s, hw * s - hh * c),
      corner(-hw * c - hh * s, -hw * s + hh * c),
      corner(hw * c - hh * s, hw * s + hh * c),
  };
  const auto [minX, maxX] = std::minmax({corners[0].X, corners[1].X, corners[2].X, corners[3].X});
  const auto [minY, maxY] = std::minmax({corners[0].Y, corners[1].Y, corners[2].Y, corners[3].Y});
  size = {maxX - minX, maxY - minY};
  offset = {size.cx / 2 + corners[0].X, size.cy / 2 + corners[0].Y};
}

void TSmoothMask::RenderMask(std::string_view text) {
  TPoint offset;
  TSize size;
  MeasureWithOffset(text, offset, size);
  RenderMaskAt(text, size, offset);
}

void TSmoothMask::RenderMaskAt(std::string_view text, TSize extent, TPoint origin) {
  if (owner_ == nullptr || owner_->GetCanvas() == nullptr) return;
  extent = {std::max(extent.cx, 0), std::max(extent.cy, 0)};
  ReduceFrom(DrawSamples(text, extent, origin), extent);
}

const Bitmap &TSmoothMask::DrawSamples(std::string_view text, TSize extent, TPoint origin) {
  // Resizing clears exactly the samples the mask covers; the storage stays from earlier texts.
  gray_.SetSize(extent.cx * scale_, extent.cy * scale_);
  if (owner_ == nullptr || owner_->GetCanvas() == nullptr) return gray_;
  long double angle = 0;
  const TLogFont font = ScaledFont(angle);
  FontEngine::Instance().DrawText(gray_, origin.X * scale_, origin.Y * scale_, font, text);
  return gray_;
}

void TSmoothMask::ReduceFrom(const Bitmap &gray, TSize extent) {
  if (gray.Format() != PixelFormat::Indexed8 || gray.Width() < extent.cx * scale_ ||
      gray.Height() < extent.cy * scale_ || extent.cx < 0 || extent.cy < 0)
    throw std::invalid_argument("gray image smaller than the mask it reduces to");
  width_ = extent.cx;
  height_ = extent.cy;
  gray_stride_ = RoundUpTo4(gray.Width());
  mask_stride_ = RoundUpTo4(width_);
  buffer_.resize(std::size_t(mask_stride_) * std::size_t(height_));

  const std::uint8_t *rows[4] = {};
  for (int j = 0; j < height_; ++j) {
    for (int k = 0; k < scale_; ++k) rows[k] = gray.Row(j * scale_ + k);
    ReduceRow(rows, scale_, width_, buffer_.data() + std::size_t(height_ - 1 - j) * std::size_t(mask_stride_));
  }
}

void TSmoothMask::BlurMask(std::uint8_t strength) {
  if (width_ <= 0 || height_ <= 0) return;
  const std::vector<std::uint8_t> copy = buffer_;
  const int amount = int(RoundHalfEven(std::min<int>(strength, 100) * 255 / 100.0L));
  const auto at = [&](int row, int column) {
    row = std::clamp(row, 0, height_ - 1);
    column = std::clamp(column, 0, width_ - 1);
    return int(copy[std::size_t(height_ - 1 - row) * std::size_t(mask_stride_) + std::size_t(column)]);
  };
  for (int r = 0; r < height_; ++r) {
    std::uint8_t *row = buffer_.data() + std::size_t(height_ - 1 - r) * std::size_t(mask_stride_);
    for (int c = 0; c < width_; ++c) {
      int sum = 0;
      for (int dr = -2; dr <= 2; ++dr)
        for (int dc = -2; dc <= 2; ++dc) sum += at(r + dr, c + dc);
      const int box = (sum + 12) / 25;  // nearest; a 25th is never exactly half
      const int pixel = row[c];
      row[c] = std::uint8_t(amount == 255 ? box : pixel + (((box - pixel) * amount) >> 8));
    }
  }
}

const std::uint8_t *TSmoothMask::MaskRow(int i) const {
  if (i < 0 || i > height_ - 1) throw EInvalidLine();
  return buffer_.data() + std::size_t(height_ - 1 - i) * std::size_t(mask_stride_);
}

}  // namespace iv
