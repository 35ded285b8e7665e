#pragma once
// The base of every control: a place on its parent, visibility and a font. Controls without a
// window of their own (graphic controls) paint on their parent's canvas, in the parent's
// coordinates, when the parent repaints.
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

namespace iv {

class WinControl;

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

  // Asks for a repaint; it happens when the parent next updates.
  virtual void Invalidate();
  virtual void Paint() {}

 protected:
  // A font change repaints the control.
  virtual void FontChanged() { Invalidate(); }

 private:
  friend class WinControl;
  void TakeParentFont();

  WinControl *parent_ = nullptr;
  TRect bounds_;
  bool visible_ = true;
  bool parent_font_ = true;
  bool taking_parent_font_ = false;
  TFont font_;
};

}  // namespace iv
