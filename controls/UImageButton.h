#pragma once
// The kiosk's touch-screen button: a picture that is swapped from files in the executable's
// image folder while it is pressed, and whose click can bring a related entry field or
// drop-down list into view and give it the focus. It never takes the focus itself.
#include <string>

#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"

namespace iv {

class TUImageButton : public Image {
 public:
  explicit TUImageButton(WinControl &parent) : Image(parent) {}

  // Picture names are stored without surrounding blanks.
  const std::string &UDownPicture() const { return down_picture_; }
  void SetUDownPicture(const std::string &name);
  const std::string &UUpPicture() const { return up_picture_; }
  void SetUUpPicture(const std::string &name);
  const std::string &UMouseMoveInPicture() const { return mouse_move_in_picture_; }
  void SetUMouseMoveInPicture(const std::string &name);
  const std::string &UDisEnablePicture() const { return disable_picture_; }
  void SetUDisEnablePicture(const std::string &name);

  // Plain references: the button neither owns the controls nor hears of their end.
  Label *URelaLabel() const { return related_label_; }
  void SetURelaLabel(Label *label) { related_label_ = label; }
  Edit *URelaEdit() const { return related_edit_; }
  void SetURelaEdit(Edit *edit) { related_edit_ = edit; }
  ComboBox *URelaComboBox() const { return related_combo_box_; }
  void SetURelaComboBox(ComboBox *comboBox) { related_combo_box_ = comboBox; }

  // Kept as given, blanks included; the button never reads it.
  const std::string &UDataText() const { return data_text_; }
  void SetUDataText(const std::string &text) { data_text_ = text; }

  // Kept for the form's designer; the button raises neither.
  TNotifyEvent OnUGetFocus;
  TNotifyEvent OnULostFocus;

  // Off: press and release do nothing at all.
  bool SwitchPictures = true;
  // Off: a click does no more than raise OnClick.
  bool ActivateRelated = true;

  // Load the down (press) or up (release) picture when its file exists, then raise the event.
  // A file that cannot be read raises PictureError before the event.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  // Raises OnClick, then activates the related entry field, else the related drop-down list,
  // and hides the related label when one of them was activated.
  void Click() override;
  // The pointer passing over the button means nothing, to it or to its parent.
  void MouseEnter(Control &) override {}
  void MouseLeave(Control &) override {}

 private:
  void LoadNamedPicture(const std::string &name);

  std::string down_picture_;
  std::string up_picture_;
  std::string mouse_move_in_picture_;
  std::string disable_picture_;
  Label *related_label_ = nullptr;
  Edit *related_edit_ = nullptr;
  ComboBox *related_combo_box_ = nullptr;
  std::string data_text_;
};

}  // namespace iv
