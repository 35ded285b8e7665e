#pragma once
// The lines of the strip below the preview's page, in UTF-8: what the pointer is on, and the
// problems it is to show.
#include <string>
#include <vector>

#include "invoice/template_problem.h"
#include "tools/invoice_render/page_text.h"

namespace iv {

// Where a drawn text comes from and how it is drawn:
// `INI/Sale.txt:12:5  font "黑体" 22 pt  colour #000000  head cell 2`.
std::string DescribeDrawnText(const std::string &templatePath, const PageText &text);

// `FILE:LINE:COL` of a text drawn from the template; empty for a text that is not (the no-data
// notice).
std::string TemplatePlace(const std::string &templatePath, const PageText &text);

// The strip's lines: `heading`, then the problems, at most `lines` in all; when they do not
// fit, the last line tells how many more stderr has.
std::vector<std::string> StripLines(const std::string &heading, const std::string &templatePath,
                                    const std::vector<const TemplateProblem *> &problems, std::size_t lines);

}  // namespace iv
