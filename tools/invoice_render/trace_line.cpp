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

std::string FormatTraceLine(int page, const PageText &text) {
  const std::string color = ColorText(text.font.Color());
  return "page=" + std::to_string(page) + " x=" + std::to_string(text.x) + " y=" + std::to_string(text.y) +
         " color=" + color + " font=" + Quoted(text.font.Name()) + " size=" + std::to_string(text.font.Size()) +
         " text=" + Quoted(text.text) + " w=" + std::to_string(text.width) + " h=" + std::to_string(text.height) +
         " at=" + std::to_string(text.at.line) + ":" + std::to_string(text.at.column);
}

std::string FormatFontFileLine(const TFont &font) {
  return "font=" + Quoted(font.Name()) + " file=" + FontEngine::Instance().DrawingFace(font.LogFont());
}

}  // namespace iv
