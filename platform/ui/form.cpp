#include "platform/ui/form.h"

#include <exception>

#include "platform/ui/application.h"
#include "platform/ui/form_font.h"

namespace iv {
namespace {

// Whether `control` is `ancestor` or lies inside it.
bool IsWithin(const Control *control, const Control &ancestor) {
  for (; control != nullptr; control = control->Parent())
    if (control == &ancestor) return true;
  return false;
}

// The control's top left in its form's client coordinates.
TPoint FormOrigin(const Control &control) {
  TPoint origin;
  for (const Control *c = &control; c->Parent() != nullptr; c = c->Parent()) {
    origin.X += c->Left();
    origin.Y += c->Top();
  }
  return origin;
}

}  // namespace

Form::Form() {
  SetFont(DefaultFormFont());
}

Form::~Form() { Application::Instance().Forget(*this); }

void Form::SetCaption(const std::string &caption) {
  caption_ = caption;
  if (window_ != nullptr) window_->SetCaption(caption);
}

void Form::SetBounds(int left, int top, int width, int height) {
  const bool resized = width != Width() || height != Height();
  WinControl::SetBounds(left, top, width, height);
  if (window_ != nullptr && resized) window_->Resize(Width(), Height());
}

void Form::SetActiveControl(Control *control) {
  if (control == active_control_) return;
  active_control_ = control;
  Invalidate();
}

void Form::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(*this, action);
  if (action == TCloseAction::caNone) return;
  Application &application = Application::Instance();
  application.EndModal(*this);
  if (action == TCloseAction::caFree) application.ReleaseForm(*this);
}

void Form::HandleInput(const InputEvent &event) {
  using Kind = InputEvent::Kind;
  if ((event.kind == Kind::KeyDown || event.kind == Kind::MouseDown) && OnUserAction) OnUserAction(*this);
  switch (event.kind) {
    case Kind::KeyDown:
    case Kind::KeyUp: RouteKey(event.kind, event.vk, event.shift); break;
    case Kind::Char: RouteChar(event.ch); break;
    case Kind::MouseMove:
    case Kind::MouseDown:
    case Kind::MouseUp: RouteMouse(event); break;
    case Kind::FocusIn: Application::Instance().Activate(*this); break;
    case Kind::FocusOut: Application::Instance().Deactivate(*this); break;
    case Kind::Expose: PresentFrame(); break;
    case Kind::CloseRequest: Close(); break;
  }
}

// The form sees a key first when it previews keys or when no control has the focus; a key
// the form zeroes goes no further.
Control *Form::KeyTarget() const {
  Control *target = active_control_;
  return target != nullptr && target->Visible() && target->Enabled() ? target : nullptr;
}

void Form::RouteKey(InputEvent::Kind kind, std::uint16_t vk, TShiftState shift) {
  const bool down = kind == InputEvent::Kind::KeyDown;
  Control *target = KeyTarget();
  std::uint16_t key = vk;
  if (target == nullptr || key_preview_) down ? KeyDown(key, shift) : KeyUp(key, shift);
  if (target != nullptr && key != 0) down ? target->KeyDown(key, shift) : target->KeyUp(key, shift);
}

void Form::RouteChar(char ch) {
  Control *target = KeyTarget();
  if (target == nullptr || key_preview_) KeyPress(ch);
  if (target != nullptr && ch != '\0') target->KeyPress(ch);
}

void Form::RouteMouse(const InputEvent &event) {
  Control &under = ControlAt(event.x, event.y);
  switch (event.kind) {
    case InputEvent::Kind::MouseMove: {
      Control *now = &under == this ? nullptr : &under;
      if (now == hovered_) return;
      Control *left = hovered_;
      hovered_ = now;
      if (left != nullptr) left->MouseLeave(*left);
      if (now != nullptr) now->MouseEnter(*now);
      return;
    }
    case InputEvent::Kind::MouseDown: {
      mouse_capture_ = &under;
      const TPoint origin = FormOrigin(under);
      under.MouseDown(event.button, event.shift, event.x - origin.X, event.y - origin.Y);
      return;
    }
    default: {
      // The release goes to the control that took the press; releasing over it clicks it.
      Control &target = mouse_capture_ != nullptr ? *mouse_capture_ : under;
      mouse_capture_ = nullptr;
      const TPoint origin = FormOrigin(target);
      // Release and click are two events: an error in the first is reported, not the end of both.
      try {
        target.MouseUp(event.button, event.shift, event.x - origin.X, event.y - origin.Y);
      } catch (const std::exception &error) {
        Application::Instance().HandleException(error);
      }
      if (&under == &target && event.button == mbLeft) target.Click();
      return;
    }
  }
}

Control &Form::ControlAt(int x, int y) {
  Control *found = this;
  WinControl *container = this;
  while (Control *child = container->ChildAt(x, y)) {
    found = child;
    container = dynamic_cast<WinControl *>(child);
    if (container == nullptr) break;
    x -= child->Left();
    y -= child->Top();
  }
  return *found;
}

void Form::ControlRemoved(Control &control) {
  for (Control **held : {&active_control_, &mouse_capture_, &hovered_})
    if (IsWithin(*held, control)) *held = nullptr;
}

void Form::EraseBackground() {
  if (double_buffered_) GetCanvas().Target().Fill(clBlack);
  WinControl::EraseBackground();
}

void Form::UpdateWindow() {
  if (!NeedsRepaint()) return;
  Repaint();
  PresentFrame();
}

void Form::PresentFrame() {
  if (window_ != nullptr) window_->Present(Surface());
}

}  // namespace iv
