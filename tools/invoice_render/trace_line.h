#pragma once
// One --trace line of invoice-render, in UTF-8:
// page=<p> x=<x> y=<y> color=#RRGGBB font="<name>" size=<points> text="<text>"
// and, with --fonts, one line for each font drawn: font="<name>" file=<font file>
#include <string>
#include <string_view>

#include "platform/gfx/font.h"

namespace iv {

std::string FormatTraceLine(int page, int x, int y, const TFont &font, std::string_view gbkText);
std::string FormatFontFileLine(const TFont &font);

}  // namespace iv
