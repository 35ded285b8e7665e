#pragma once
// One text the invoice painter drew: where, how large, in which font, and where in the template
// it came from. Checkers judge the page from these; the trace prints them.
#include <string_view>

#include "invoice/template_reader.h"
#include "platform/gfx/font.h"

namespace iv {

struct DrawnText {
  int x = 0;
  int y = 0;
  int width = 0;  // the box the renderer measures for the text, blanks included
  int height = 0;
  int visibleWidth = 0;         // the box's width without the blanks at the text's end
  std::string_view text;        // GBK, valid during the call that reports it
  const TFont *font = nullptr;  // the canvas font it is drawn in
  // Where the text (or the field that gave it) starts in the template; line 0 for none (the
  // no-data notice).
  TemplatePosition at;
  // A locked line drawn again, longer, over its earlier drawing.
  bool redrawsLine = false;
};

}  // namespace iv
