#pragma once
// invoice-render --lint: paints every page of one invoice, or of every invoice in the template,
// adds what a scan of the file finds, and prints each problem once, in the order of the file.
#include "tools/invoice_render/invoice_inputs.h"
#include "tools/invoice_render/render_options.h"

namespace iv {

// True when no error was found (and, with --strict, no warning either).
bool LintTemplate(const RenderOptions &options, const SectionTables &tables);

}  // namespace iv
