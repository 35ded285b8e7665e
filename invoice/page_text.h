#pragma once
#include <string>

#include "invoice/drawn_text.h"
#include "invoice/template_reader.h"
#include "platform/gfx/font.h"

namespace iv {

// A text drawn on the page last painted, kept after the paint.
struct PageText {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int visibleWidth = 0;  // without the blanks at the text's end
  std::string text;      // GBK
  TFont font;
  TemplatePosition at;
  bool redrawsLine = false;
  DrawnCell cell;
};

}  // namespace iv
