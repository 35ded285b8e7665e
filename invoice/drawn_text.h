#pragma once
// One text the invoice painter drew: where, how large, in which font, and where in the template
// it came from. Checkers judge the page from these; the trace prints them.
#include <cstdint>
#include <string_view>

#include "invoice/invoice_tables.h"
#include "invoice/template_reader.h"
#include "platform/gfx/font.h"

namespace iv {

// The data cell a field shows: its section's table and the index in that table (for the detail
// table, counted from its first cell, not from the page's).
struct DrawnCell {
  TInvoiceSection section = TInvoiceSection::None;  // None: the text is not one field's cell
  std::int64_t index = -1;
};

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
  DrawnCell cell;
};

}  // namespace iv
