#pragma once
// A control without a surface of its own: it paints on its parent's canvas.
#include "platform/gfx/canvas.h"
#include "platform/ui/control.h"
#include "platform/ui/win_control.h"

namespace iv {

class GraphicControl : public Control {
 public:
  explicit GraphicControl(WinControl &parent) : Control(&parent) {}

  // The parent's canvas; the control must have a parent when it paints.
  Canvas &GetCanvas() { return Parent()->GetCanvas(); }
};

}  // namespace iv
