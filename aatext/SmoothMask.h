#pragma once
// Coverage mask of the last rendered text, one byte per destination pixel (0 no ink, 255 full
// ink), rows stored bottom-up as the drawing platform keeps 8-bit images.
#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "aatext/TextQuality.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

namespace iv {

class TSmoothFont;

class EInvalidLine : public std::runtime_error {
 public:
  EInvalidLine() : std::runtime_error("Invalid line!") {}
};

class TSmoothMask {
 public:
  explicit TSmoothMask(TSmoothFont *owner);
  ~TSmoothMask();
  TSmoothMask(const TSmoothMask &) = delete;
  TSmoothMask &operator=(const TSmoothMask &) = delete;

  void SetQuality(TTextQuality quality);
  TTextQuality Quality() const { return quality_; }
  int Scale() const { return scale_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  int MaskStride() const { return mask_stride_; }
  int GrayStride() const { return gray_stride_; }
  const std::vector<std::uint8_t> &Buffer() const { return buffer_; }
  TSmoothFont *Owner() const { return owner_; }

  // Copies size, quality, strides and coverage of another mask.
  void Assign(const TSmoothMask &source);

  TSize Measure(std::string_view text) const;
  void MeasureWithOffset(std::string_view text, TPoint &offset, TSize &size) const;

  // What MeasureGrowing knows of a text it measured before: the advance of its first `length`
  // bytes in the scaled font `font`.
  struct MeasuredPart {
    TLogFont font;
    std::size_t length = 0;
    std::int64_t advance = 0;
  };
  // Measure(text) for a text that has only grown at its end since `known` was taken from it
  // (a fresh MeasuredPart for a new text): only what was added is measured, so a line measured
  // after every piece appended costs its length once, not once per piece.
  TSize MeasureGrowing(std::string_view text, MeasuredPart &known) const;
  // Bounding box of a w x h box turned by angle (radians), and where the turned box's origin
  // (its first corner) lies inside it.
  static void RotatedExtent(TSize box, long double angle, TSize &size, TPoint &offset);

  void RenderMask(std::string_view text);
  // The part of the text that falls in an extent-sized mask, the text starting (the top left
  // of its unturned cell) at `origin` in the mask's pixels: drawn supersampled (DrawSamples),
  // then reduced.
  void RenderMaskAt(std::string_view text, TSize extent, TPoint origin);
  // The supersampled image RenderMaskAt reduces: s times the extent, kept until the next text.
  const Bitmap &DrawSamples(std::string_view text, TSize extent, TPoint origin);
  // Reduces an 8-bit gray image (s times the extent, top-down) to the mask at this quality.
  void ReduceFrom(const Bitmap &gray, TSize extent);
  void BlurMask(std::uint8_t strength);

  // The Width coverage bytes of row i counted from the top; EInvalidLine outside the mask.
  const std::uint8_t *MaskRow(int i) const;

 private:
  TLogFont ScaledFont(long double &angle) const;
  // The extent in destination pixels of a text of `length` bytes whose scaled extent is `scaled`.
  void ExtentFromScaled(TSize scaled, const TLogFont &font, std::size_t length, long double angle, TPoint &offset,
                        TSize &size) const;

  TSmoothFont *owner_;
  TTextQuality quality_ = tqNormal;
  int scale_ = ScaleOf(tqNormal);
  int width_ = 0;
  int height_ = 0;
  int mask_stride_ = 0;
  int gray_stride_ = 0;
  std::vector<std::uint8_t> buffer_;
  Bitmap gray_{0, 0, PixelFormat::Indexed8};  // the supersampled image; its storage is reused
};

}  // namespace iv
