#include "tools/invoice_render/lint_run.h"

#include <iostream>
#include <set>
#include <tuple>

#include "platform/fs/paths.h"
#include "platform/text/gbk.h"
#include "tools/invoice_render/drawn_page_check.h"
#include "tools/invoice_render/page_renderer.h"
#include "tools/invoice_render/problem_line.h"
#include "tools/invoice_render/template_lint.h"

namespace iv {
namespace {

using Severity = TemplateProblem::Severity;

// By place, errors first. Every page paints the head and tail again, and an invoice without END
// paints the next one too, so equal problems are met many times and kept once.
struct InFileOrder {
  bool operator()(const TemplateProblem &a, const TemplateProblem &b) const {
    return std::tie(a.at, a.severity, a.message, a.explanation) < std::tie(b.at, b.severity, b.message, b.explanation);
  }
};

}  // namespace

std::vector<TemplateProblem> FindTemplateProblems(const RenderOptions &options, const SectionTables &tables) {
  const TemplateLint lint(ResolvePath(options.templatePath));
  const std::string name = Utf8ToGbk(options.invoiceName);
  std::set<TemplateProblem, InFileOrder> problems;
  const auto paintEveryPage = [&](const std::string &invoice) {
    PageRenderer renderer(options, nullptr);
    // A check leaves the kiosk's logs alone: its problems are printed.
    renderer.Painter().SetWritesErrorLog(false);
    renderer.SetProblemHandler([&](const TemplateProblem &problem) { problems.insert(lint.Explained(problem)); });
    // Drawn even without data: the no-data screen reads nothing of the invoice but its markers.
    renderer.SetInvoice(invoice, tables, true);
    // Every page as the customer sees it, too.
    const auto checkPage = [&] {
      for (TemplateProblem &problem : CheckDrawnPage(renderer.Texts(), options.width, options.height))
        problems.insert(std::move(problem));
    };
    renderer.Paint();
    checkPage();
    while (renderer.PaintNext()) checkPage();
  };
  if (!name.empty()) {
    paintEveryPage(name);
  } else {
    for (const ScannedInvoice &invoice : lint.Scan().invoices) paintEveryPage(invoice.name);
  }
  for (const TemplateProblem &problem : lint.Findings(name)) problems.insert(problem);
  return {problems.begin(), problems.end()};
}

ProblemCount PrintTemplateProblems(const RenderOptions &options, const std::vector<TemplateProblem> &problems) {
  ProblemCount count;
  for (const TemplateProblem &problem : problems) {
    std::cerr << FormatProblemLine(options.templatePath, problem) << "\n";
    ++(problem.severity == Severity::Error ? count.errors : count.warnings);
  }
  return count;
}

bool LintTemplate(const RenderOptions &options, const SectionTables &tables) {
  const ProblemCount count = PrintTemplateProblems(options, FindTemplateProblems(options, tables));
  return count.errors == 0 && !(options.strict && count.warnings > 0);
}

}  // namespace iv
