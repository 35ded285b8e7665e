#include "platform/ui/control.h"

#include "platform/ui/win_control.h"

namespace iv {

Control::Control(WinControl *parent) {
  font_.SetOnChange([this] {
    if (!taking_parent_font_) parent_font_ = false;
    FontChanged();
  });
  SetParent(parent);
}

Control::~Control() { SetParent(nullptr); }

void Control::SetParent(WinControl *parent) {
  if (parent == parent_) return;
  if (parent_ != nullptr) parent_->RemoveChild(this);
  parent_ = parent;
  if (parent_ != nullptr) {
    parent_->AddChild(this);
    if (parent_font_) TakeParentFont();
  }
}

void Control::SetBounds(int left, int top, int width, int height) {
  bounds_ = Bounds(left, top, width, height);
  Invalidate();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Invalidate();
}

void Control::SetFont(const TFont &font) { font_.Assign(font); }

void Control::SetParentFont(bool parentFont) {
  parent_font_ = parentFont;
  if (parent_font_ && parent_ != nullptr) TakeParentFont();
}

void Control::TakeParentFont() {
  taking_parent_font_ = true;
  font_.Assign(parent_->Font());
  taking_parent_font_ = false;
}

void Control::Invalidate() {
  if (parent_ != nullptr) parent_->Invalidate();
}

}  // namespace iv
