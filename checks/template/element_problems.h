#pragma once
// What the lint finds in the elements an invoice's paint reads, though the kiosk takes it
// without a word: a section or line lock left open before the next section or END, data fields
// of the forms the template language page calls errors, and the arguments of each command.
#include <vector>

#include "checks/template/template_elements.h"
#include "invoice/template_reader.h"
#include "platform/diagnostics/problem.h"

namespace iv {

std::vector<Problem> CheckInvoiceElements(const std::vector<TemplateElement> &elements);

}  // namespace iv
