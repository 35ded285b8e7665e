#pragma once
// One --trace line of invoice-render, in UTF-8:
// page=<p> x=<x> y=<y> color=#RRGGBB font="<name>" size=<points> text="<text>" w=<width>
// h=<height> at=<line>:<column> (the text's box, and where it came from in the template; 0:0 for
// the no-data notice). Readers take fields by name; new fields only ever go at the end.
// and, with --fonts, one line for each font drawn: font="<name>" file=<font file>
#include <string>
#include <string_view>

#include "invoice/page_text.h"
#include "platform/gfx/font.h"

namespace iv {

std::string FormatTraceLine(int page, const PageText &text);
std::string FormatFontFileLine(const TFont &font);

}  // namespace iv
