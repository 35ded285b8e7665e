#include "tools/invoice_preview/watch_strip.h"

#include "platform/fs/command_line.h"
#include "platform/gfx/color.h"
#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"

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
  const std::string colour = ColorText(text.font.Color());
  const std::string place = TemplatePlace(templatePath, text);
  std::string line = (place.empty() ? "the no-data notice (not from the template)" : place) + "  font \"" +
                     GbkToUtf8(text.font.Name()) + "\" " + std::to_string(text.font.Size()) + " pt  colour " + colour;
  if (text.cell.section != TInvoiceSection::None)
    line += std::string("  ") + SectionName(text.cell.section) + " cell " + std::to_string(text.cell.index);
  return line;
}

std::vector<std::string> WrapText(const std::string &gbk, int width,
                                  const std::function<int(std::string_view)> &measure) {
  std::vector<std::string> lines;
  std::string_view rest = gbk;
  while (!rest.empty()) {
    // The longest start that fits, at least one character; then back to its last blank.
    std::size_t fits = GbkCharSize(rest, 0);
    for (std::size_t next = fits; next < rest.size(); next += GbkCharSize(rest, next)) {
      if (measure(rest.substr(0, next + GbkCharSize(rest, next))) > width) break;
      fits = next + GbkCharSize(rest, next);
    }
    if (fits < rest.size())
      if (const std::size_t blank = rest.substr(0, fits + 1).rfind(' '); blank != std::string_view::npos && blank > 0)
        fits = blank;
    lines.emplace_back(rest.substr(0, fits));
    rest.remove_prefix(fits);
    while (rest.starts_with(' ')) rest.remove_prefix(1);
  }
  return lines;
}

}  // namespace iv
