#include "platform/ui/win_control.h"

#include <algorithm>

namespace iv {

WinControl::WinControl(WinControl *parent) : Control(parent) {}

WinControl::~WinControl() {
  // Children are owned elsewhere; they must not reach back into a parent that is gone.
  while (!children_.empty()) children_.back()->SetParent(nullptr);
}

void WinControl::SetBounds(int left, int top, int width, int height) {
  surface_fitted_ = false;
  Control::SetBounds(left, top, width, height);
}

Canvas &WinControl::GetCanvas() {
  FitSurface();
  return canvas_;
}

void WinControl::FitSurface() {
  if (surface_fitted_) return;
  surface_.SetSize(std::max(Width(), 0), std::max(Height(), 0));
  surface_fitted_ = true;
}

void WinControl::SetColor(TColor color) {
  color_ = color;
  Invalidate();
}

void WinControl::Invalidate() {
  if (!repainting_) needs_repaint_ = true;
}

void WinControl::Update() {
  if (needs_repaint_) Repaint();
}

void WinControl::Repaint() {
  needs_repaint_ = false;
  repainting_ = true;
  FitSurface();
  EraseBackground();
  // A copy: a child's paint may not change the paint order of this pass.
  const std::vector<Control *> order = children_;
  for (Control *child : order)
    if (child->Visible()) child->Paint();
  repainting_ = false;
}

void WinControl::EraseBackground() {
  if (on_erase_background_)
    on_erase_background_(canvas_);
  else
    surface_.Fill(ColorToRGB(color_));
}

void WinControl::FontChanged() {
  for (Control *child : children_)
    if (child->ParentFont()) child->TakeParentFont();
  Control::FontChanged();
}

void WinControl::AddChild(Control *child) { children_.push_back(child); }

void WinControl::RemoveChild(Control *child) {
  std::erase(children_, child);
  ControlRemoved(*child);
}

void WinControl::ControlRemoved(Control &control) {
  if (Parent() != nullptr) Parent()->ControlRemoved(control);
}

Control *WinControl::ChildAt(int x, int y) const {
  for (auto it = children_.rbegin(); it != children_.rend(); ++it) {
    Control *child = *it;
    const TRect &r = child->BoundsRect();
    if (child->Visible() && child->Enabled() && x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
      return child;
  }
  return nullptr;
}

}  // namespace iv
