#include "checks/template/template_lint.h"

#include <memory>

#include "checks/settings/text_encoding_check.h"
#include "checks/template/element_problems.h"
#include "checks/template/line_ends.h"
#include "checks/template/logged_error_explanation.h"
#include "invoice/template_tags.h"
#include "platform/fs/file_content.h"
#include "platform/text/dbcs.h"

namespace iv {
namespace {

// Moves the reader to just after the invoice's first marker, as the control finds it.
bool SkipToMarker(TemplateReader &reader, TemplatePosition marker) {
  while (const std::optional<TemplatePosition> at = SkipToTagOpener(reader)) {
    CollectTag(reader);
    if (*at == marker) return true;
  }
  return false;
}

}  // namespace

TemplateLint::TemplateLint(const std::string &path) : scan_(ScanTemplate(path)) {
  if (const std::optional<std::string> bytes = ReadFileContent(path)) {
    encoding_ = FindNotGbkText(*bytes);
    line_ends_ = FindLoneCarriageReturn(*bytes);
  }
  // One pass through the file, unless an invoice without END ran past the next one's marker.
  std::unique_ptr<TemplateReader> reader;
  for (const ScannedInvoice &invoice : scan_.invoices) {
    // Read on from the previous invoice's END; a tag scan begun there may see other tags than one
    // from the start, so the start is the fallback.
    if (!reader || reader->Position() >= invoice.marker || !SkipToMarker(*reader, invoice.marker)) {
      reader = std::make_unique<TemplateReader>(path);
      if (!SkipToMarker(*reader, invoice.marker)) continue;
    }
    const std::vector<TemplateElement> elements = ReadInvoiceElements(*reader);
    InvoiceFindings findings{invoice.name, invoice.warnings};
    for (Problem &problem : CheckInvoiceElements(elements)) findings.problems.push_back(std::move(problem));
    invoices_.push_back(std::move(findings));
    for (const TemplateElement &element : elements) elements_.emplace(element.at, element);
  }
}

std::vector<Problem> TemplateLint::Findings(const std::string &invoiceName) const {
  std::vector<Problem> found;
  // Whatever is linted, the bytes of the whole file are read as GBK.
  if (encoding_) found.push_back(*encoding_);
  if (line_ends_) found.push_back(*line_ends_);
  if (invoiceName.empty()) {
    found.insert(found.end(), scan_.fileWarnings.begin(), scan_.fileWarnings.end());
    if (scan_.invoices.empty())
      found.push_back({Problem::Severity::Error, "", 0, 0, "no invoice: the file holds no NAME marker"});
  }
  for (const InvoiceFindings &invoice : invoices_)
    if (invoiceName.empty() || SameTextGbk(invoice.name, invoiceName))
      found.insert(found.end(), invoice.problems.begin(), invoice.problems.end());
  return found;
}

Problem TemplateLint::Explained(Problem problem) const {
  if (problem.severity != Problem::Severity::Error) return problem;
  if (problem.line == 0) {
    // The template was read at the start: what the painter missed is the invoice.
    const std::string names = scan_.InvoiceNames();
    problem.fix = names.empty() ? "the file holds no NAME marker at all"
                                : "the file has no <NAME(...)> marker of this name; the invoices it holds: " + names;
  } else if (const auto element = elements_.find(TemplatePosition{problem.line, problem.column});
             element != elements_.end()) {
    problem.fix = ExplainLoggedError(element->second);
  }
  return problem;
}

}  // namespace iv
