#pragma once
// The lint of a template file: what a reading of the file finds without painting (an encoding
// other than GBK, the scan's warnings, the problems of the elements each invoice's paint reads),
// and the explanation of each error the control logs while painting.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "checks/template/lint_scan.h"
#include "checks/template/template_elements.h"
#include "platform/diagnostics/problem.h"

namespace iv {

class TemplateLint {
 public:
  // Reads the file at `path` (resolved); a file that cannot be read lints as empty.
  explicit TemplateLint(const std::string &path);

  const TemplateScan &Scan() const { return scan_; }
  // The problems found without painting for the invoice of this GBK name, or, for an empty
  // name, for the whole file.
  std::vector<Problem> Findings(const std::string &invoiceName) const;
  // An error the control logged, with what it means and what to do.
  Problem Explained(Problem problem) const;

 private:
  struct InvoiceFindings {
    std::string name;
    std::vector<Problem> problems;
  };

  TemplateScan scan_;
  std::optional<Problem> encoding_;   // where the file stops reading as GBK
  std::optional<Problem> line_ends_;  // a line that ends in CR alone
  std::vector<InvoiceFindings> invoices_;
  std::map<TemplatePosition, TemplateElement> elements_;
};

}  // namespace iv
