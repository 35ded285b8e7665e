#pragma once
// The one judgement of a template: paints every page of one invoice, or of every invoice in the
// template, adds what the lint finds without painting, and gives each problem once, in the order
// of the file. --lint, a render, --watch, the kiosk checker all report this set.
#include <vector>

#include "invoice/invoice_inputs.h"
#include "invoice/page_request.h"
#include "platform/diagnostics/problem.h"

namespace iv {

// Every problem of the request's template (of its invoice, when the request names one), painted
// on pages of the request's size with `tables`: errors before warnings at one place, each logged
// error with its explanation, each at the template as messages name it. Writes to no log.
std::vector<Problem> FindTemplateProblems(const PageRequest &request, const SectionTables &tables);

}  // namespace iv
