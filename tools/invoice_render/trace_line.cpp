#include "tools/invoice_render/trace_line.h"

#include <cstdio>

#include "platform/gfx/color.h"
#include "platform/gfx/font_engine.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

// Quotes and backslashes inside a quoted value are escaped with a backslash.
std::string Quoted(std::string_view gbk) {
  std::string out = "\"";
  for (char c : GbkToUtf8(gbk)) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace

std::string FormatTraceLine(int page, int x, int y, const TFont &font, std::string_view gbkText) {
  const TColor rgb = ColorToRGB(font.Color());
  char color[8];
  std::snprintf(color, sizeof color, "#%02X%02X%02X", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
  return "page=" + std::to_string(page) + " x=" + std::to_string(x) + " y=" + std::to_string(y) +
         " color=" + color + " font=" + Quoted(font.Name()) + " size=" + std::to_string(font.Size()) +
         " text=" + Quoted(gbkText);
}

std::string FormatFontFileLine(const TFont &font) {
  return "font=" + Quoted(font.Name()) + " file=" + FontEngine::Instance().FaceFile(font.LogFont());
}

}  // namespace iv
