#include "checks/template/template_problems.h"

#include <set>
#include <tuple>

#include "checks/template/drawn_page_check.h"
#include "checks/template/template_lint.h"
#include "invoice/page_renderer.h"
#include "platform/fs/command_line.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"

namespace iv {
namespace {

// By place, errors first. Every page paints the head and tail again, and an invoice without END
// paints the next one too, so equal problems are met many times and kept once.
struct InFileOrder {
  bool operator()(const Problem &a, const Problem &b) const {
    return std::tie(a.line, a.column, a.severity, a.message, a.fix) <
           std::tie(b.line, b.column, b.severity, b.message, b.fix);
  }
};

}  // namespace

std::vector<Problem> FindTemplateProblems(const PageRequest &request, const SectionTables &tables) {
  const TemplateLint lint(ResolvePath(request.templatePath));
  const std::string name = Utf8ToGbk(request.invoiceName);
  std::set<Problem, InFileOrder> problems;
  const auto paintEveryPage = [&](const std::string &invoice) {
    PageRenderer renderer(request, nullptr);
    // A check leaves the kiosk's logs alone: its problems are printed.
    renderer.Painter().SetWritesErrorLog(false);
    renderer.SetProblemHandler([&](const Problem &problem) { problems.insert(lint.Explained(problem)); });
    // Drawn even without data: the no-data screen reads nothing of the invoice but its markers.
    renderer.SetInvoice(invoice, tables, true);
    // Every page as the customer sees it, too.
    const auto checkPage = [&] {
      for (Problem &problem : CheckDrawnPage(renderer.Texts(), request.width, request.height))
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
  for (const Problem &problem : lint.Findings(name)) problems.insert(problem);
  const std::string shown = Utf8ToGbk(NameInMessage(request.templatePath));
  std::vector<Problem> found(problems.begin(), problems.end());
  for (Problem &problem : found) problem.file = shown;
  return found;
}

}  // namespace iv
