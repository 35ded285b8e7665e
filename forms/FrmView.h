#pragma once
// TFrmView: the invoice screen. All of its preparation happens while it is created: the field
// values from the host's data, the template and invoice name of the business key, the first
// layout of the invoice and the receipt text. Shown, it pages with Up and Down, prints with
// Enter and closes on Escape, Tab or either button.
#include <functional>
#include <string>

#include "config/UPubVar.h"
#include "controls/UImageButton.h"
#include "forms/ICForm.h"
#include "invoice/uInvoice.h"
#include "platform/ini/ini_file.h"
#include "platform/ui/timer.h"

namespace iv {

// Given what the form read for its business key, once it has read FormatShow.ini: the plug-in
// passes one that runs the settings checks for the diagnostic stream.
using SettingsReview =
    std::function<void(const std::string &settingsFolder, const IniFile &settings, const std::string &businessKey)>;

class TFrmView : public TICForm {
 public:
  explicit TFrmView(SettingsReview review = {});

  TInvoice Invoice;
  TUImageButton UImgcancel;
  TUImageButton UImgPrint;

  bool PrintEnabled = false;
  std::string PrintData;
  dystring HeadValues;
  dystring DetailValues;
  dystring TailValues;
  // Closes a screen nobody touches, when the business key's settings ask for it.
  Timer IdleTimer;

 private:
  void FormCreate(Control &sender);
  void FormActivate(Control &sender);
  void FormClose(Control &sender, TCloseAction &action);
  void FormDestroy(Control &sender);
  void FormKeyDown(Control &sender, std::uint16_t &key, TShiftState shift);
  void FormKeyUp(Control &sender, std::uint16_t &key, TShiftState shift);
  void UImgOkClick(Control &sender);
  void RestartIdleTimer();
  void IdleTimerTimer(Timer &sender);

  SettingsReview review_;
  std::string business_key_;
  std::int32_t idle_seconds_ = 0;
};

// The view form of the current ShowForm call; emptied when the form is destroyed.
extern TFrmView *FrmView;

}  // namespace iv
