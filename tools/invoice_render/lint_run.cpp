#include "tools/invoice_render/lint_run.h"

#include <iostream>
#include <set>
#include <tuple>

#include "platform/fs/paths.h"
#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"
#include "tools/invoice_render/lint_scan.h"
#include "tools/invoice_render/page_renderer.h"
#include "tools/invoice_render/problem_line.h"

namespace iv {
namespace {

using Severity = TemplateProblem::Severity;

// By place, errors first. Every page paints the head and tail again, and an invoice without END
// paints the next one too, so equal problems are met many times and kept once.
struct InFileOrder {
  bool operator()(const TemplateProblem &a, const TemplateProblem &b) const {
    return std::tie(a.at, a.severity, a.message) < std::tie(b.at, b.severity, b.message);
  }
};
using ProblemSet = std::set<TemplateProblem, InFileOrder>;

class Linter {
 public:
  Linter(const RenderOptions &options, const SectionTables &tables) : options_(options), tables_(tables) {}

  void PaintEveryPage(const std::string &name) {
    PageRenderer renderer(options_, nullptr);
    // A check leaves the kiosk's logs alone: its problems are printed.
    renderer.Invoice().SetWritesErrorLog(false);
    renderer.SetProblemHandler([this](const TemplateProblem &problem) { problems_.insert(problem); });
    // Drawn even without data: the no-data screen reads nothing of the invoice but its markers.
    renderer.SetInvoice(name, tables_, true);
    renderer.PaintFirst();
    while (renderer.PaintNext()) {
    }
  }
  void Add(const std::vector<TemplateProblem> &problems) { problems_.insert(problems.begin(), problems.end()); }
  void Add(const TemplateProblem &problem) { problems_.insert(problem); }

  bool Report() const {
    int errors = 0;
    int warnings = 0;
    for (const TemplateProblem &problem : problems_) {
      std::cerr << FormatProblemLine(options_.templatePath, problem) << "\n";
      ++(problem.severity == Severity::Error ? errors : warnings);
    }
    return errors == 0 && !(options_.strict && warnings > 0);
  }

 private:
  const RenderOptions &options_;
  const SectionTables &tables_;
  ProblemSet problems_;
};

}  // namespace

bool LintTemplate(const RenderOptions &options, const SectionTables &tables) {
  const TemplateScan scan = ScanTemplate(ResolvePath(options.templatePath));
  Linter linter(options, tables);
  if (!options.invoiceName.empty()) {
    const std::string name = Utf8ToGbk(options.invoiceName);
    linter.PaintEveryPage(name);
    for (const ScannedInvoice &invoice : scan.invoices)
      if (SameTextGbk(invoice.name, name)) linter.Add(invoice.warnings);
  } else {
    linter.Add(scan.fileWarnings);
    for (const ScannedInvoice &invoice : scan.invoices) {
      linter.PaintEveryPage(invoice.name);
      linter.Add(invoice.warnings);
    }
    if (scan.invoices.empty()) linter.Add({Severity::Error, {}, "no invoice: the file holds no NAME marker"});
  }
  return linter.Report();
}

}  // namespace iv
