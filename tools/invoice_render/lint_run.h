#pragma once
// The one judgement of a template: paints every page of one invoice, or of every invoice in the
// template, adds what the lint finds without painting, and gives each problem once, in the order
// of the file. --lint, a render, --watch and the kiosk checker all report this set.
#include <vector>

#include "invoice/template_problem.h"
#include "tools/invoice_render/invoice_inputs.h"
#include "tools/invoice_render/render_options.h"

namespace iv {

// Every problem of the options' template (of its invoice, when the options name one), errors
// before warnings at one place, each logged error with its explanation. Writes to no log.
std::vector<TemplateProblem> FindTemplateProblems(const RenderOptions &options, const SectionTables &tables);

struct ProblemCount {
  int errors = 0;
  int warnings = 0;
};
// Prints each problem to stderr as FILE:LINE:COL: error|warning: MESSAGE.
ProblemCount PrintTemplateProblems(const RenderOptions &options, const std::vector<TemplateProblem> &problems);

// Prints the problems to stderr; true when no error was found (and, with --strict, no warning
// either).
bool LintTemplate(const RenderOptions &options, const SectionTables &tables);

}  // namespace iv
