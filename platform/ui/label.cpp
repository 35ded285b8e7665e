#include "platform/ui/label.h"

#include "platform/gfx/font_engine.h"

namespace iv {

void Label::SetCaption(const std::string &caption) {
  caption_ = caption;
  FitCaption();
  Invalidate();
}

void Label::SetTransparent(bool transparent) {
  transparent_ = transparent;
  Invalidate();
}

void Label::SetColor(TColor color) {
  color_ = color;
  Invalidate();
}

void Label::SetAutoSize(bool autoSize) {
  auto_size_ = autoSize;
  FitCaption();
}

void Label::FontChanged() {
  FitCaption();
  GraphicControl::FontChanged();
}

void Label::FitCaption() {
  if (!auto_size_ || Parent() == nullptr) return;
  // Measured with the font alone: the parent's canvas may not have its size yet.
  const TSize extent = FontEngine::Instance().TextExtent(Font().LogFont(), caption_);
  SetBounds(Left(), Top(), extent.cx, extent.cy);
}

void Label::Paint() {
  Canvas &canvas = GetCanvas();
  canvas.Font() = Font();
  if (!transparent_) {
    canvas.Brush().Color = color_;
    canvas.Brush().Style = bsSolid;
    canvas.FillRect(BoundsRect());
  }
  // The caption never paints a background of its own, and neither does what follows.
  canvas.Brush().Style = bsClear;
  if (!caption_.empty()) canvas.TextOut(Left(), Top(), caption_);
}

}  // namespace iv
