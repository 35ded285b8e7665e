#include "invoice/uInvoice.h"

#include "platform/gfx/font_smoothing.h"

namespace iv {

TInvoice::TInvoice(WinControl &parent) : Label(parent) {
  SetTransparent(true);
  SetCaption("");
  SetAutoSize(false);
  SwitchOnFontSmoothing();
}

void TInvoice::Paint() {
  Label::Paint();  // makes the control's font the canvas font
  painter_.Paint(GetCanvas());
}

void TInvoice::NextPage() {
  if (painter_.NextPage()) Invalidate();
}

void TInvoice::PriorPage() {
  if (painter_.PriorPage()) Invalidate();
}

void TInvoice::SetuFontOfInfo(const TFont &font) {
  painter_.SetInfoFont(font);
  Invalidate();
}

}  // namespace iv
