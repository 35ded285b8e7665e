#pragma once
// The markup elements of an invoice in the order the painter reads them: from just after the
// invoice's marker up to its END (or the end of the file), each tag and data field where it
// starts, as written. The lint judges and explains them without painting.
#include <vector>

#include "invoice/template_element.h"
#include "invoice/template_reader.h"

namespace iv {

// Reads on from where `reader` stands, just after an invoice's marker.
std::vector<TemplateElement> ReadInvoiceElements(TemplateReader &reader);

}  // namespace iv
