#pragma once
// The picture control: shows a 24-bit picture on its parent's canvas, at its top left,
// centred or stretched over its bounds, optionally with a see-through colour.
#include <memory>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/ui/graphic_control.h"

namespace iv {

class Image : public GraphicControl {
 public:
  explicit Image(WinControl &parent);

  const Bitmap &Picture() const;
  // Chooses the format by the file's extension; raises PictureError when the file cannot
  // be read, and the current picture stays. The decoded picture is shared with the process's
  // picture cache.
  void LoadFromFile(const std::string &path);
  void SetPicture(Bitmap picture);
  void ClearPicture();

  // With AutoSize on, the control takes the size of each picture it is given.
  bool AutoSize() const { return auto_size_; }
  void SetAutoSize(bool autoSize);
  // The picture scaled to the control's bounds.
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  // The picture centred in the bounds when it is not stretched.
  bool Center() const { return center_; }
  void SetCenter(bool center);
  // Pixels of the colour of the picture's bottom-left pixel are not drawn.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

  // Draws within the control's bounds only; an empty picture draws nothing.
  void Paint() override;

 private:
  void ShowPicture(std::shared_ptr<const Bitmap> picture);
  void FitPicture();

  std::shared_ptr<const Bitmap> picture_;  // never changed in place: it may be shared
  bool auto_size_ = false;
  bool stretch_ = false;
  bool center_ = false;
  bool transparent_ = false;
};

}  // namespace iv
