#pragma once
// What painting cannot tell about a template file, found by reading its tags once: the invoices
// it holds, an invoice without END (its paint runs on into the next invoice and may stop at that
// one's END), a second marker of a name (the control stops at the first), and tags whose name
// is NAME only without its blanks (the control does not trim names).
#include <string>
#include <vector>

#include "invoice/template_reader.h"
#include "platform/diagnostics/problem.h"

namespace iv {

struct ScannedInvoice {
  std::string name;  // GBK, as its first marker writes it
  TemplatePosition marker;
  // Warnings from its marker up to the next invoice's, later markers of its name included.
  std::vector<Problem> warnings;
};

struct TemplateScan {
  std::vector<ScannedInvoice> invoices;  // in file order, one per name
  // Warnings that belong to no invoice: markers spoilt by blanks.
  std::vector<Problem> fileWarnings;

  // The invoices' names in file order, joined by ", " (GBK); empty without any.
  std::string InvoiceNames() const;
};

// An unreadable file scans as empty.
TemplateScan ScanTemplate(const std::string &path);

}  // namespace iv
