#include "aatext/SmoothFont.h"

namespace iv {

TSmoothFont::TSmoothFont(Canvas *canvas) : canvas_(canvas) {}

void TSmoothFont::TextOut(int x, int y, std::string_view text, std::uint8_t alpha, std::uint8_t blur) {
  if (canvas_ == nullptr || text.empty()) return;
  mask_.RenderMask(text);
  if (blur > 0) mask_.BlurMask(blur);
  blend_.BlendMask(x, y, canvas_->Font().Color(), alpha, mask_);
}

TSize TSmoothFont::TextExtent(std::string_view text) { return mask_.Measure(text); }

}  // namespace iv
