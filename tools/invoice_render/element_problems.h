#pragma once
// What the lint finds in the elements an invoice's paint reads, though the kiosk takes it
// without a word: a section or line lock left open before the next section or END, data fields
// of the forms the template language page calls errors, and the arguments of each command.
#include <vector>

#include "invoice/template_problem.h"
#include "tools/invoice_render/template_elements.h"

namespace iv {

std::vector<TemplateProblem> CheckInvoiceElements(const std::vector<TemplateElement> &elements);

}  // namespace iv
