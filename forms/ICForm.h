#pragma once
// TICForm: the base of the kiosk screens. A borderless form with a full-size skin background
// from the host, a hidden message label, key preview and the key lock: once the customer has
// pressed Escape (or Enter on a derived form), key characters are discarded until the form is
// activated again. Derived forms run each of these handlers before their own.
#include "config/host_handles.h"
#include "controls/UErrDisplay.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"

namespace iv {

class TICForm : public Form {
 public:
  TICForm();

  Image ImgBk;
  TUErrDisplay ErrDisplay;

 protected:
  void FormCreate(Control &sender);
  void FormActivate(Control &sender);
  void FormDeactivate(Control &sender);
  void FormClose(Control &sender, TCloseAction &action);
  void FormDestroy(Control &sender);
  void FormKeyPress(Control &sender, char &key);

 private:
  HostFormHandle host_handle_;  // given to the host at each activation
};

}  // namespace iv
