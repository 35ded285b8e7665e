#pragma once
// The tag scan that finding an invoice and reading the no-data markers share: only tags count,
// data fields and plain text are passed over as text.
#include <optional>
#include <string>

#include "invoice/template_reader.h"

namespace iv {

// Moves to just after the next tag opener ('<' or "^]") and gives where the opener starts;
// nothing at the end of the file. After a '^' the character that follows is consumed whatever
// it is.
std::optional<TemplatePosition> SkipToTagOpener(TemplateReader &reader);

// The rest of the tag up to its closer ('>' or ']'), normalised to '<' ... '>'.
std::string CollectTag(TemplateReader &reader);

// Moves to just after the tag <NAME(name)> that starts the invoice, the name in any letter
// case; false when the file holds no such invoice.
bool SkipToInvoice(TemplateReader &reader, const std::string &name);

}  // namespace iv
