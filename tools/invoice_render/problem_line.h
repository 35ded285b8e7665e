#pragma once
// A problem of a template in the form compilers give theirs, so that editors and scripts can
// jump to it: FILE:LINE:COL: error: MESSAGE.
#include <string>

#include "invoice/template_problem.h"

namespace iv {

// The problem's message and, after a dash, its explanation when it has one (GBK).
std::string ProblemText(const TemplateProblem &problem);

// One line in UTF-8, without its line end; line ends within the message read \n and \r. A
// problem with no place in the file (a missing file or invoice) reads FILE: error: MESSAGE. An
// explanation follows the message after a dash: MESSAGE — EXPLANATION.
std::string FormatProblemLine(const std::string &templatePath, const TemplateProblem &problem);

}  // namespace iv
