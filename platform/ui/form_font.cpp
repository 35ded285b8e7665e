#include "platform/ui/form_font.h"

#include "platform/gfx/color.h"

namespace iv {

TFont DefaultFormFont() {
  TFont font;
  font.SetCharset(DEFAULT_CHARSET);
  font.SetColor(clWindowText);
  font.SetHeight(-11);
  font.SetName("MS Sans Serif");
  return font;
}

}  // namespace iv
