#include "aatext/SmoothFont.h"

#include <algorithm>

namespace iv {

TSmoothFont::TSmoothFont(Canvas *canvas) : canvas_(canvas) {}

void TSmoothFont::TextOut(int x, int y, std::string_view text, std::uint8_t alpha, std::uint8_t blur) {
  if (canvas_ == nullptr || text.empty()) return;
  // Only the part of the text box that can reach the canvas is rasterised, so a text running
  // far past the edges costs what its visible part costs. The blur reads two pixels around
  // each one: that much of the hidden part is kept for it.
  TPoint start;  // where the text starts inside its box (a turned text's first corner)
  TSize extent;
  mask_.MeasureWithOffset(text, start, extent);
  const TRect box = Bounds(x, y, extent.cx, extent.cy);
  const int reach = blur > 0 ? 2 : 0;
  const TRect visible{std::max(box.Left, -reach), std::max(box.Top, -reach),
                      std::min(box.Right, SaturatedEdge(std::int64_t{canvas_->Width()} + reach)),
                      std::min(box.Bottom, SaturatedEdge(std::int64_t{canvas_->Height()} + reach))};
  if (visible.IsEmpty()) return;
  mask_.RenderMaskAt(text, {visible.Width(), visible.Height()},
                     {SaturatedEdge(std::int64_t{box.Left} - visible.Left + start.X),
                      SaturatedEdge(std::int64_t{box.Top} - visible.Top + start.Y)});
  if (blur > 0) mask_.BlurMask(blur);
  blend_.BlendMask(visible.Left, visible.Top, canvas_->Font().Color(), alpha, mask_);
}

TSize TSmoothFont::TextExtent(std::string_view text) { return mask_.Measure(text); }

}  // namespace iv
