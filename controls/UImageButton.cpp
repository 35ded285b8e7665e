#include "controls/UImageButton.h"

#include "platform/fs/paths.h"
#include "platform/text/trim.h"

namespace iv {

void TUImageButton::SetUDownPicture(const std::string &name) { down_picture_ = Trim(name); }
void TUImageButton::SetUUpPicture(const std::string &name) { up_picture_ = Trim(name); }
void TUImageButton::SetUMouseMoveInPicture(const std::string &name) { mouse_move_in_picture_ = Trim(name); }
void TUImageButton::SetUDisEnablePicture(const std::string &name) { disable_picture_ = Trim(name); }

// The name is used as given, without an added extension; a missing file changes nothing.
void TUImageButton::LoadNamedPicture(const std::string &name) {
  if (name.empty()) return;
  const std::string path =
      ResolvePath(JoinPath(JoinPath(ExecutableFolder(), "image"), ToNativeSeparators(name)));
  if (FileExists(path)) LoadFromFile(path);
}

void TUImageButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!SwitchPictures) return;
  LoadNamedPicture(down_picture_);
  Image::MouseDown(button, shift, x, y);
}

void TUImageButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!SwitchPictures) return;
  LoadNamedPicture(up_picture_);
  Image::MouseUp(button, shift, x, y);
}

void TUImageButton::Click() {
  Image::Click();
  if (!ActivateRelated) return;
  // An entry field takes precedence over a drop-down list.
  Control *related = related_edit_ != nullptr ? static_cast<Control *>(related_edit_) : related_combo_box_;
  if (related == nullptr) return;
  related->SetVisible(true);
  if (related_edit_ == nullptr) related_combo_box_->SetDropDownCount(int(related_combo_box_->Items().size()));
  related->SetFocus();
  if (related_label_ != nullptr && related_label_->Visible()) related_label_->SetVisible(false);
}

}  // namespace iv
