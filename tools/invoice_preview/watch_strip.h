#pragma once
// The lines of the strip below the preview's page, in UTF-8: what the pointer is on, and the
// problems it is to show.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "invoice/page_text.h"
#include "platform/diagnostics/problem.h"

namespace iv {

// Where a drawn text comes from and how it is drawn:
// `INI/Sale.txt:12:5  font "黑体" 22 pt  colour #000000  head cell 2`.
std::string DescribeDrawnText(const std::string &templatePath, const PageText &text);

// `FILE:LINE:COL` of a text drawn from the template; empty for a text that is not (the no-data
// notice).
std::string TemplatePlace(const std::string &templatePath, const PageText &text);

// `gbk` broken at blanks (or, in a word too long for a line, between characters) into lines no
// wider than `width` as `measure` gives widths.
std::vector<std::string> WrapText(const std::string &gbk, int width,
                                  const std::function<int(std::string_view)> &measure);

}  // namespace iv
