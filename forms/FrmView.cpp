#include "forms/FrmView.h"

#include "config/error_log.h"
#include "config/host_link.h"
#include "forms/Func_Lib.h"
#include "forms/field_values.h"
#include "forms/idle_timeout.h"
#include "forms/print_text.h"
#include "forms/skin_image.h"
#include "forms/skin_table.h"
#include "invoice/view_geometry.h"
#include "platform/ini/ini_file.h"
#include "platform/text/gbk.h"
#include "platform/ui/form_font.h"
#include "platform/ui/keyboard.h"

namespace iv {

TFrmView *FrmView = nullptr;

namespace {

// The buttons stand side by side this far from the screen's top.
constexpr int kButtonsTop = 448;

void PlaceButton(TUImageButton &button, int left, const Skin &skin) {
  button.SetBounds(left, kButtonsTop, skin.size.cx, skin.size.cy);
  button.SetAutoSize(true);
  button.SetTag(VK_ESCAPE);  // both buttons act as Escape, the print button too
  button.SetUUpPicture(skin.name);
  button.SetUDownPicture(skin.pressed);
}

}  // namespace

TFrmView::TFrmView(SettingsReview review)
    : Invoice(*this), UImgcancel(*this), UImgPrint(*this), review_(std::move(review)) {
  SetBounds(77, 84, kFileDispSkin.size.cx, kFileDispSkin.size.cy);
  SetCaption("FrmView");
  ImgBk.SetBounds(0, 0, kFileDispSkin.size.cx, kFileDispSkin.size.cy);

  Invoice.SetBounds(0, 0, kViewWidth, kViewHeight);
  Invoice.SetTransparent(true);
  Invoice.SetuPageWidth(0);
  Invoice.SetuPageLeft(0);
  Invoice.SetuLinesPerPage(kViewLinesPerPage);
  Invoice.SetuFontOfInfo(DefaultFormFont());
  Invoice.SetuXOfInfo(0);
  Invoice.SetuYOfInfo(0);
  Invoice.SetuQuality(tqNormal);
  Invoice.SetuUpDist(0);
  Invoice.SetuLeftDist(0);

  PlaceButton(UImgcancel, 674, kReturnSkin);
  PlaceButton(UImgPrint, 573, kPrintSkin);
  UImgcancel.OnClick = [this](Control &sender) { UImgOkClick(sender); };
  UImgPrint.OnClick = [this](Control &sender) { UImgOkClick(sender); };

  OnCreate = [this](Control &sender) { FormCreate(sender); };
  OnActivate = [this](Control &sender) { FormActivate(sender); };
  OnClose = [this](Control &sender, TCloseAction &action) { FormClose(sender, action); };
  OnDestroy = [this](Control &sender) { FormDestroy(sender); };
  OnKeyDown = [this](Control &sender, std::uint16_t &key, TShiftState shift) { FormKeyDown(sender, key, shift); };
  OnKeyUp = [this](Control &sender, std::uint16_t &key, TShiftState shift) { FormKeyUp(sender, key, shift); };
  OnUserAction = [this](Control &) { RestartIdleTimer(); };
  IdleTimer.SetEnabled(false);
  IdleTimer.OnTimer = [this](Timer &sender) { IdleTimerTimer(sender); };
}

void TFrmView::FormCreate(Control &sender) {
  TICForm::FormCreate(sender);
  // The shared state of the call is read here, once, and handed to the computations.
  const HostLink host = HostLink::Current();
  const std::string businessKey = host.BusinessKey();
  const std::string settingsFolder = SettingsFolder(SysCs);
  HeadValues.assign(kFieldValueCount, "");
  TailValues.assign(kFieldValueCount, "");
  DetailValues.clear();
  const IniFile settings = ReadSettingsIni(settingsFolder, "FormatShow.ini");
  business_key_ = businessKey;
  idle_seconds_ = IdleTimeoutSeconds(settings, businessKey);
  IdleTimer.SetInterval(std::uint32_t(idle_seconds_) * 1000);
  try {
    LoadFieldValues(settings, businessKey, DataI, DataO, HeadValues, DetailValues);
  } catch (...) {
    // The field lines after the failing one are not applied; the invoice shows what there is.
  }
  if (review_) review_(settingsFolder, settings, businessKey);
  // An error from here on ends the preparation: it reaches the framework's creation-error
  // message and printing stays disabled.
  const std::string name = settings.ReadString(businessKey, "DisPlayName", "");
  const std::string file = settings.ReadString(businessKey, "DisPlayIniFile", "");
  Invoice.SetInvoiceFile(SettingsFile(settingsFolder, file), name);
  Invoice.SetInvoiceData(HeadValues, DetailValues, TailValues, 0);
  Invoice.Paint();
  const ReceiptSources receipt{DataI, DataO, HeadValues, BankName(SysCs)};
  PrintEnabled = BuildPrintText(ReadSettingsIni(settingsFolder, "print.ini"), businessKey, receipt, host, PrintData);
}

void TFrmView::FormActivate(Control &sender) {
  TICForm::FormActivate(sender);
  const HostLink host = HostLink::Current();
  LoadSkinImage(host, ImgBk, kFileDispSkin.name);
  LoadSkinImage(host, UImgcancel, kReturnSkin.name);
  if (PrintEnabled) LoadSkinImage(host, UImgPrint, kPrintSkin.name);
  RestartIdleTimer();
}

void TFrmView::FormClose(Control &sender, TCloseAction &action) { TICForm::FormClose(sender, action); }

void TFrmView::FormDestroy(Control &sender) {
  TICForm::FormDestroy(sender);
  if (FrmView == this) FrmView = nullptr;
}

void TFrmView::FormKeyDown(Control &, std::uint16_t &key, TShiftState) {
  switch (key) {
    case VK_TAB:
    case VK_ESCAPE: Close(); break;
    case VK_RETURN:
      EnterPressed = true;
      if (PrintEnabled) HostLink::Current().PrintText(PrintData);
      break;
    case VK_UP: Invoice.PriorPage(); break;
    case VK_DOWN: Invoice.NextPage(); break;
    default: break;
  }
}

void TFrmView::FormKeyUp(Control &, std::uint16_t &key, TShiftState) {
  if (key == VK_TAB) Close();
}

void TFrmView::RestartIdleTimer() {
  if (idle_seconds_ <= 0) return;
  IdleTimer.SetEnabled(false);
  IdleTimer.SetEnabled(true);
}

// The customer has walked off: their bill leaves the screen as if they had pressed Escape.
void TFrmView::IdleTimerTimer(Timer &) {
  IdleTimer.SetEnabled(false);
  WriteErrorLog("FrmView: no key or touch for " + std::to_string(idle_seconds_) + " s, IdleTimeout of [" +
                business_key_ + "] in FormatShow.ini: the invoice screen closed as Escape closes it");
  Close();
}

// A button acts as the key its Tag names, pressed on the keyboard.
void TFrmView::UImgOkClick(Control &sender) {
  const auto vk = std::uint8_t(sender.Tag());
  const auto scan = std::uint8_t(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  if (!keybd_event(vk, scan, 0) || !keybd_event(vk, scan, KEYEVENTF_KEYUP))
    WriteErrorLog(Gbk(u8"在做控件类型转换是出错!"));
}

}  // namespace iv
