// invoice-render: hosts the invoice control on an off-screen surface set up as the invoice view
// form sets it up, paints the wanted pages to PNG files and traces every text drawn, or lints a
// template (--lint).
#include <iostream>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "checks/settings/text_encoding_check.h"
#include "checks/template/lint_scan.h"
#include "checks/template/template_problems.h"
#include "invoice/invoice_inputs.h"
#include "invoice/page_renderer.h"
#include "platform/fs/command_line.h"
#include "platform/fs/file_content.h"
#include "platform/fs/input_file.h"
#include "platform/fs/paths.h"
#include "platform/fs/standard_streams.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/png_writer.h"
#include "platform/text/dbcs.h"
#include "platform/text/gbk.h"
#include "tools/invoice_preview/watch_preview.h"
#include "tools/invoice_render/render_options.h"
#include "tools/invoice_render/trace_line.h"

namespace iv {
namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitRuntimeError = 1;
constexpr int kExitUsage = 2;
constexpr int kExitProblemFound = 3;

int UsageError(const std::string &reason) {
  std::cerr << "invoice-render: " << reason << "\n" << kRenderUsage;
  return kExitUsage;
}

int RuntimeError(const std::string &reason) {
  std::cerr << "invoice-render: " << reason << "\n";
  return kExitRuntimeError;
}

// Nothing when the template holds the invoice; otherwise why not, with the names it does hold.
std::optional<std::string> MissingInvoice(const RenderOptions &options) {
  const TemplateScan scan = ScanTemplate(ResolvePath(options.templatePath));
  const std::string wanted = Utf8ToGbk(options.invoiceName);
  for (const ScannedInvoice &invoice : scan.invoices)
    if (SameTextGbk(invoice.name, wanted)) return std::nullopt;
  const std::string names = GbkToUtf8(scan.InvoiceNames());
  std::string encoding;
  if (const std::optional<std::string> bytes = ReadFileContent(ResolvePath(options.templatePath)))
    if (const std::optional<Problem> notGbk = FindNotGbkText(*bytes))
      encoding = "; it is " + GbkToUtf8(notGbk->message);
  return NameInMessage(options.templatePath) + " has no invoice " + options.invoiceName +
         (names.empty() ? "; it holds no NAME marker at all" : "; the invoices it holds: " + names) + encoding;
}

// Prints the template's problems; with --strict a warning fails the lint too.
int Lint(const RenderOptions &options, const SectionTables &tables) {
  const ProblemCount count = PrintProblems(std::cerr, FindTemplateProblems(options, tables));
  return count.errors == 0 && !(options.strict && count.warnings > 0) ? kExitSuccess : kExitProblemFound;
}

// Writes the page last painted and its trace; false when the picture could not be written.
bool EmitPage(const RenderOptions &options, const PageRenderer &renderer) {
  if (options.trace)
    for (const PageText &drawn : renderer.Texts()) std::cout << FormatTraceLine(renderer.Page(), drawn) << "\n";
  const std::string path = options.outPrefix + "-" + std::to_string(renderer.Page()) + ".png";
  try {
    WritePng(renderer.Picture(), path);
    return true;
  } catch (const std::runtime_error &error) {
    std::cerr << "invoice-render: " << error.what() << "\n";
    return false;
  }
}

int Render(const RenderOptions &options) {
  std::string reason;
  const std::optional<SectionTables> tables = ReadInvoiceInputs(options, reason);
  if (!tables) return RuntimeError(reason);
  if (options.lint) return Lint(options, *tables);
  std::optional<Bitmap> background;
  if (!options.background.empty()) {
    const std::string path = ResolvePath(options.background);
    if (!ReadInputFile(path, reason))
      return RuntimeError("cannot read background " + NameInMessage(options.background) + ": " + reason);
    try {
      background = LoadPicture(path);
    } catch (const PictureError &error) {
      return RuntimeError("cannot read background " + NameInMessage(options.background) + ": " + error.what());
    }
  }

  if (options.watch) return RunWatch(options, {options.page, options.editor}, background ? &*background : nullptr);

  PageRenderer renderer(options, background ? &*background : nullptr);
  renderer.SetInvoice(Utf8ToGbk(options.invoiceName), *tables, options.showAlways);

  // Painted all the same: the kiosk's error log gets its record as on the kiosk.
  renderer.Paint();
  if (const std::optional<std::string> missing = MissingInvoice(options)) return RuntimeError(*missing);
  if (options.allPages) {
    do {
      if (!EmitPage(options, renderer)) return kExitRuntimeError;
    } while (renderer.PaintNext());
  } else {
    // Pages hold a fixed number of rows, so the first paint's page count tells where any page
    // starts: the pages before it need no paint.
    renderer.PaintPage(options.page);
    if (renderer.Page() != options.page)
      return UsageError("page " + std::to_string(options.page) + " does not exist; the invoice has " +
                        std::to_string(renderer.Painter().PageCount()) + " page(s)");
    if (!EmitPage(options, renderer)) return kExitRuntimeError;
  }
  if (options.trace) std::cout << "pages=" << renderer.Painter().PageCount() << "\n";
  if (options.fonts)
    for (const auto &[name, font] : renderer.FontsUsed()) std::cout << FormatFontFileLine(font) << "\n";
  // The template's problems, each once however many pages showed it: the set --lint reports.
  const ProblemCount problems = PrintProblems(std::cerr, FindTemplateProblems(options, *tables));
  return options.strict && problems.errors + problems.warnings > 0 ? kExitProblemFound : kExitSuccess;
}

int Run(const std::vector<std::string> &arguments) {
  std::string reason;
  const std::optional<RenderOptions> options = ParseRenderOptions(arguments, reason);
  if (!options) return UsageError(reason);
  if (options->help) {
    std::cout << kRenderUsage;
    return kExitSuccess;
  }
  if (options->version) {
    std::cout << "invoice-render " IV_VERSION "\n";
    return kExitSuccess;
  }
  try {
    return Render(*options);
  } catch (const std::bad_alloc &) {
    // The page is by far the largest thing the tool allocates.
    return RuntimeError("not enough memory for a " + SizeText(options->width, options->height) + " page");
  }
}

}  // namespace
}  // namespace iv

int main(int argc, char **argv) {
  iv::SetUpStandardStreams();
  try {
    return iv::Run(iv::CommandLineArguments(argc, argv));
  } catch (const std::exception &error) {
    std::cerr << "invoice-render: " << error.what() << "\n";
    return 1;
  }
}
