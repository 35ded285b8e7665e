#pragma once
// The base of every control: a place on its parent, visibility and a font. Controls without a
// window of their own (graphic controls) paint on their parent's canvas, in the parent's
// coordinates, when the parent repaints.
#include <cstdint>
#include <functional>

#include "platform/display/input_event.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

namespace iv {

class Control;
class Form;
class WinControl;

// Event slots a form's designer fills in; `sender` is the control that raises the event.
using TNotifyEvent = std::function<void(Control &sender)>;
using TMouseEvent = std::function<void(Control &sender, TMouseButton button, TShiftState shift, int x, int y)>;
// A handler may set `key` to 0, so nothing after it sees the key.
using TKeyEvent = std::function<void(Control &sender, std::uint16_t &key, TShiftState shift)>;
// A handler may set `key` to the null character, so nothing after it sees the character.
using TKeyPressEvent = std::function<void(Control &sender, char &key)>;

class Control {
 public:
  explicit Control(WinControl *parent = nullptr);
  virtual ~Control();
  Control(const Control &) = delete;
  Control &operator=(const Control &) = delete;

  WinControl *Parent() const { return parent_; }
  // Joins the parent's paint order at its end (leaves the old parent first).
  void SetParent(WinControl *parent);

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  const TRect &BoundsRect() const { return bounds_; }
  virtual void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // With ParentFont on (the default) the control takes its parent's font whenever that one
  // changes; setting the font itself switches ParentFont off.
  TFont &Font() { return font_; }
  const TFont &Font() const { return font_; }
  void SetFont(const TFont &font);
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parentFont);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  // A number the form's designer gives the control; the control itself never reads it.
  std::intptr_t Tag() const { return tag_; }
  void SetTag(std::intptr_t tag) { tag_ = tag; }

  // Asks for a repaint; it happens when the parent next updates.
  virtual void Invalidate();
  virtual void Paint() {}

  // The form the control is placed on (itself for a form); nullptr when it is on none.
  Form *ParentForm();
  // Only controls that take keyboard input can hold the focus.
  virtual bool CanFocus() const { return false; }
  bool Focused();
  // Makes the control its form's active control, which receives the keys the form does not
  // keep for itself.
  void SetFocus();

  // Pointer and keyboard input, in the control's own coordinates. The defaults raise the
  // matching events below; controls override them to react before or instead of the events.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // A press and a release on the same control.
  virtual void Click();
  // The pointer entered or left `control` (this one or one of its children); the default
  // raises OnMouseEnter/OnMouseLeave for this control and passes the notification to the parent.
  virtual void MouseEnter(Control &control);
  virtual void MouseLeave(Control &control);
  virtual void KeyDown(std::uint16_t &key, TShiftState shift);
  virtual void KeyUp(std::uint16_t &key, TShiftState shift);
  virtual void KeyPress(char &key);

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;

 protected:
  // A font change repaints the control.
  virtual void FontChanged() { Invalidate(); }

 private:
  friend class WinControl;
  void TakeParentFont();

  WinControl *parent_ = nullptr;
  TRect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::intptr_t tag_ = 0;
  bool parent_font_ = true;
  bool taking_parent_font_ = false;
  TFont font_;
};

}  // namespace iv
