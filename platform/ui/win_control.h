#pragma once
// A control with a surface of its own: it owns a 24-bit bitmap and the canvas over it, and
// repaints itself (background, then its child controls in order) when it has been invalidated.
// Forms build on it; a display back end presents the bitmap.
#include <functional>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/color.h"
#include "platform/ui/control.h"

namespace iv {

class WinControl : public Control {
 public:
  explicit WinControl(WinControl *parent = nullptr);
  ~WinControl() override;

  void SetBounds(int left, int top, int width, int height) override;

  // The canvas over the surface, which takes the control's bounds, cleared, when first drawn
  // on after they change: a form whose bounds are set at each level of its construction
  // allocates its frame once.
  Canvas &GetCanvas();
  // The last frame painted.
  const Bitmap &Surface() const { return surface_; }

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  // Replaces the plain fill with the control's colour when the background is erased.
  void SetOnEraseBackground(std::function<void(Canvas &)> handler) { on_erase_background_ = std::move(handler); }

  const std::vector<Control *> &Children() const { return children_; }
  // The topmost visible, enabled child whose bounds hold the point (in this control's
  // coordinates); nullptr when there is none.
  Control *ChildAt(int x, int y) const;

  // Invalidations raised while the control repaints are dropped: a paint never asks for itself.
  void Invalidate() override;
  bool NeedsRepaint() const { return needs_repaint_; }
  // Repaints now when a repaint is pending.
  void Update();
  // Erases the background and paints every visible child in order.
  void Repaint();

 protected:
  void FontChanged() override;
  // Fills the surface with the colour, or hands the canvas to the erase handler when set.
  virtual void EraseBackground();
  // A control below this one leaves it; the default tells the parent.
  virtual void ControlRemoved(Control &control);

 private:
  friend class Control;
  void AddChild(Control *child);
  void RemoveChild(Control *child);
  void FitSurface();

  Bitmap surface_;
  bool surface_fitted_ = true;
  Canvas canvas_{surface_};
  TColor color_ = clBtnFace;
  std::function<void(Canvas &)> on_erase_background_;
  std::vector<Control *> children_;
  bool needs_repaint_ = true;
  bool repainting_ = false;
};

}  // namespace iv
