#include "checks/template/lint_scan.h"

#include <optional>

#include "invoice/template_tags.h"
#include "platform/text/dbcs.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

constexpr std::string_view kMarkerStart = "<NAME(";
constexpr std::string_view kMarkerEnd = ")>";

Problem Warning(TemplatePosition at, std::string message) {
  return {Problem::Severity::Warning, "", at.line, at.column, std::move(message)};
}

// The invoice name of a normalised tag that is an invoice marker.
std::optional<std::string> MarkerName(const std::string &tag) {
  const std::string upper = UpperCaseGbk(tag);
  // A marker without a name names no invoice the control can be given.
  if (upper.size() <= kMarkerStart.size() + kMarkerEnd.size() || !upper.starts_with(kMarkerStart) ||
      !upper.ends_with(kMarkerEnd))
    return std::nullopt;
  return tag.substr(kMarkerStart.size(), tag.size() - kMarkerStart.size() - kMarkerEnd.size());
}

// The command name of a normalised tag as written, or nothing when it has no '('.
std::optional<std::string> CommandName(const std::string &tag) {
  const std::size_t paren = FindCharGbk(tag, '(');
  if (paren == std::string::npos) return std::nullopt;
  return tag.substr(1, paren - 1);
}

class Scanner {
 public:
  void Marker(const std::string &name, TemplatePosition at) {
    EndInvoice();
    for (std::size_t i = 0; i < scan_.invoices.size(); ++i) {
      if (!SameTextGbk(scan_.invoices[i].name, name)) continue;
      const TemplatePosition first = scan_.invoices[i].marker;
      scan_.invoices[i].warnings.push_back(Warning(at, "a second invoice " + name + ": only the first, on line " +
                                                           std::to_string(first.line) + ", is ever shown"));
      current_ = i;
      in_first_span_ = false;
      return;
    }
    scan_.invoices.push_back({name, at, {}});
    current_ = scan_.invoices.size() - 1;
    in_first_span_ = true;
    end_seen_ = false;
  }
  void Command(const std::string &name, TemplatePosition at) {
    if (UpperCaseGbk(name) == "END") end_seen_ = true;
    // A marker spoilt by blanks: NAME only once they are trimmed. (A command spoilt so is an
    // unknown command, which the paint logs and the lint explains.)
    const std::string trimmed = UpperCaseGbk(Trim(name));
    if (trimmed.size() != name.size() && trimmed == "NAME")
      scan_.fileWarnings.push_back(
          Warning(at, "\"" + name + "\" is not NAME: names are not trimmed, so the blanks make it no invoice marker"));
  }
  TemplateScan Finish() {
    EndInvoice();
    return std::move(scan_);
  }

 private:
  // Only an invoice's first marker starts what is shown; the END of a later one's span is moot.
  void EndInvoice() {
    if (!current_ || !in_first_span_ || end_seen_) return;
    ScannedInvoice &invoice = scan_.invoices[*current_];
    invoice.warnings.push_back(
        Warning(invoice.marker, "invoice " + invoice.name + " has no END: its paint runs on into what follows"));
  }

  TemplateScan scan_;
  std::optional<std::size_t> current_;
  bool in_first_span_ = false;
  bool end_seen_ = false;
};

}  // namespace

TemplateScan ScanTemplate(const std::string &path) {
  TemplateReader reader(path);
  Scanner scanner;
  while (const std::optional<TemplatePosition> at = SkipToTagOpener(reader)) {
    const std::string tag = CollectTag(reader);
    if (std::optional<std::string> name = MarkerName(tag)) {
      scanner.Marker(*name, *at);
    } else if (std::optional<std::string> command = CommandName(tag)) {
      scanner.Command(*command, *at);
    }
  }
  return scanner.Finish();
}

std::string TemplateScan::InvoiceNames() const {
  std::string names;
  for (const ScannedInvoice &invoice : invoices) names += (names.empty() ? "" : ", ") + invoice.name;
  return names;
}

}  // namespace iv
