#include "platform/ui/control.h"

#include "platform/ui/form.h"
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

Form *Control::ParentForm() {
  Control *control = this;
  while (control->parent_ != nullptr) control = control->parent_;
  return dynamic_cast<Form *>(control);
}

bool Control::Focused() {
  Form *form = ParentForm();
  return form != nullptr && form->ActiveControl() == this;
}

void Control::SetFocus() {
  if (Form *form = ParentForm()) form->SetActiveControl(this);
}

void Control::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(*this, button, shift, x, y);
}

void Control::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(*this, button, shift, x, y);
}

void Control::Click() {
  if (OnClick) OnClick(*this);
}

void Control::MouseEnter(Control &control) {
  if (&control == this && OnMouseEnter) OnMouseEnter(*this);
  if (parent_ != nullptr) parent_->MouseEnter(control);
}

void Control::MouseLeave(Control &control) {
  if (&control == this && OnMouseLeave) OnMouseLeave(*this);
  if (parent_ != nullptr) parent_->MouseLeave(control);
}

void Control::KeyDown(std::uint16_t &key, TShiftState shift) {
  if (OnKeyDown) OnKeyDown(*this, key, shift);
}

void Control::KeyUp(std::uint16_t &key, TShiftState shift) {
  if (OnKeyUp) OnKeyUp(*this, key, shift);
}

void Control::KeyPress(char &key) {
  if (OnKeyPress) OnKeyPress(*this, key);
}

}  // namespace iv
