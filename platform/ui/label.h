#pragma once
// A text label: its caption in its font at its top left, over its colour unless transparent.
#include <string>

#include "platform/gfx/color.h"
#include "platform/ui/graphic_control.h"

namespace iv {

class Label : public GraphicControl {
 public:
  explicit Label(WinControl &parent) : GraphicControl(parent) {}

  const std::string &Caption() const { return caption_; }
  void SetCaption(const std::string &caption);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  // With AutoSize on, setting the caption or font makes the bounds fit the caption.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool autoSize);

  // Makes the control's font the canvas font, draws background and caption, and leaves the
  // canvas brush clear.
  void Paint() override;

 protected:
  void FontChanged() override;

 private:
  void FitCaption();

  std::string caption_;
  bool transparent_ = false;
  TColor color_ = clBtnFace;
  bool auto_size_ = true;
};

}  // namespace iv
