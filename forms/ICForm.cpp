#include "forms/ICForm.h"

#include "config/UPubVar.h"
#include "config/host_link.h"
#include "forms/skin_image.h"
#include "forms/skin_table.h"
#include "platform/gfx/color.h"
#include "platform/text/gbk.h"

namespace iv {

TICForm::TICForm() : ImgBk(*this), ErrDisplay(*this), host_handle_(*this) {
  SetBounds(53, 63, kMenuBackSkin.size.cx, kMenuBackSkin.size.cy);
  SetCaption("ICForm");
  SetColor(clBtnFace);
  SetKeyPreview(true);
  // The full-size background covers the client area: erasing it first would only flicker.
  SetOnEraseBackground([](Canvas &) {});

  ImgBk.SetBounds(0, 0, kMenuBackSkin.size.cx, kMenuBackSkin.size.cy);
  ImgBk.SetTransparent(true);

  // The label's stored design, applied in its stored order.
  ErrDisplay.SetBounds(304, 553, 50, 7);
  ErrDisplay.SetCaption("ErrDisplay");
  TFont font = ErrDisplay.Font();
  font.SetCharset(GB2312_CHARSET);
  font.SetColor(clRed);
  font.SetHeight(-7);
  font.SetName(Gbk(u8"楷体_GB2312"));
  font.SetStyle({fsBold});
  ErrDisplay.SetFont(font);
  ErrDisplay.SetTransparent(true);
  ErrDisplay.SetVisible(false);
  ErrDisplay.SetUDisplayTime(5000);
  ErrDisplay.SetUTwinkTime(100);
  ErrDisplay.SetUDisplayType(DisplayFormat::FontChange);
  ErrDisplay.SetUStartFontSize(5);
  ErrDisplay.SetUFinishFontSize(18);
  ErrDisplay.SetUTwinkOrNoneFontSize(16);
  ErrDisplay.SetUCircleOrNot(false);

  OnCreate = [this](Control &sender) { FormCreate(sender); };
  OnActivate = [this](Control &sender) { FormActivate(sender); };
  OnDeactivate = [this](Control &sender) { FormDeactivate(sender); };
  OnClose = [this](Control &sender, TCloseAction &action) { FormClose(sender, action); };
  OnDestroy = [this](Control &sender) { FormDestroy(sender); };
  OnKeyPress = [this](Control &sender, char &key) { FormKeyPress(sender, key); };
}

void TICForm::FormCreate(Control &) {
  SetDoubleBuffered(true);
  LoadSkinImage(HostLink::Current(), ImgBk, kMenuBackSkin.name);
}

void TICForm::FormActivate(Control &) {
  HostLink::Current().FormActivated(host_handle_.Get());
  EscPressed = false;
  EnterPressed = false;
}

// A derived form loads its background again at its next activation.
void TICForm::FormDeactivate(Control &) { ImgBk.ClearPicture(); }

void TICForm::FormClose(Control &, TCloseAction &action) { action = TCloseAction::caFree; }

void TICForm::FormDestroy(Control &) {}

void TICForm::FormKeyPress(Control &, char &key) {
  if (EscPressed || EnterPressed) key = '\0';
  if (key == 27) EscPressed = true;
}

}  // namespace iv
