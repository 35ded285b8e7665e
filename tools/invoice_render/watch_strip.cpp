#include "tools/invoice_render/watch_strip.h"

#include <cstdio>

#include "platform/fs/command_line.h"
#include "platform/gfx/color.h"
#include "platform/text/gbk.h"
#include "tools/invoice_render/problem_line.h"

namespace iv {
namespace {

const char *SectionName(TInvoiceSection section) {
  switch (section) {
    case TInvoiceSection::Head: return "head";
    case TInvoiceSection::Detail: return "detail";
    case TInvoiceSection::Tail: return "tail";
    case TInvoiceSection::None: break;
  }
  return "";
}

}  // namespace

std::string TemplatePlace(const std::string &templatePath, const PageText &text) {
  if (text.at.line <= 0) return {};
  return NameInMessage(templatePath) + ":" + std::to_string(text.at.line) + ":" + std::to_string(text.at.column);
}

std::string DescribeDrawnText(const std::string &templatePath, const PageText &text) {
  const TColor rgb = ColorToRGB(text.font.Color());
  char colour[8];
  std::snprintf(colour, sizeof colour, "#%02X%02X%02X", GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
  const std::string place = TemplatePlace(templatePath, text);
  std::string line = (place.empty() ? "the no-data notice (not from the template)" : place) + "  font \"" +
                     GbkToUtf8(text.font.Name()) + "\" " + std::to_string(text.font.Size()) + " pt  colour " + colour;
  if (text.cell.section != TInvoiceSection::None)
    line += std::string("  ") + SectionName(text.cell.section) + " cell " + std::to_string(text.cell.index);
  return line;
}

std::vector<std::string> StripLines(const std::string &heading, const std::string &templatePath,
                                    const std::vector<const TemplateProblem *> &problems, std::size_t lines) {
  std::vector<std::string> strip{heading};
  for (std::size_t i = 0; i < problems.size() && strip.size() < lines; ++i) {
    const std::size_t left = problems.size() - i;
    if (strip.size() + 1 == lines && left > 1) {
      strip.push_back("... and " + std::to_string(left) + " more problems (stderr lists them all)");
      break;
    }
    strip.push_back(FormatProblemLine(templatePath, *problems[i]));
  }
  return strip;
}

}  // namespace iv
