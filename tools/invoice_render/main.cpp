// invoice-render: hosts the invoice control on an off-screen surface set up as the invoice view
// form sets it up, paints the wanted pages to PNG files and traces every text drawn.
#include <algorithm>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "invoice/uInvoice.h"
#include "platform/fs/paths.h"
#include "platform/gfx/picture.h"
#include "platform/gfx/png_writer.h"
#include "platform/text/gbk.h"
#include "platform/ui/form_font.h"
#include "platform/ui/win_control.h"
#include "tools/invoice_render/cell_file.h"
#include "tools/invoice_render/render_options.h"
#include "tools/invoice_render/trace_line.h"

namespace iv {
namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitOutputFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitProblemLogged = 3;

int UsageError(const std::string &reason) {
  std::cerr << "invoice-render: " << reason << "\n" << kRenderUsage;
  return kExitUsage;
}

// The invoice view form keeps the default form font, which its invoice control takes as its own.
TFont ViewFormFont() { return DefaultFormFont(); }

struct DrawnText {
  int x;
  int y;
  std::string text;
  TFont font;
};

class PageRenderer {
 public:
  PageRenderer(const RenderOptions &options, const Bitmap *background)
      : options_(options), invoice_(surface_) {
    surface_.SetBounds(0, 0, options.width, options.height);
    surface_.SetColor(clWhite);
    surface_.SetFont(ViewFormFont());
    if (background != nullptr)
      surface_.SetOnEraseBackground([background](Canvas &canvas) {
        canvas.Target().Fill(clWhite);
        canvas.Draw(0, 0, *background);
      });
    invoice_.SetBounds(0, 0, options.width, options.height);
    invoice_.SetuLinesPerPage(options.linesPerPage);
    invoice_.SetuQuality(options.quality);
    invoice_.SetuUpDist(options.upDist);
    invoice_.SetuLeftDist(options.leftDist);
    invoice_.SetuFontOfInfo(ViewFormFont());
    invoice_.SetTextObserver([this](int x, int y, std::string_view text, const TFont &font) {
      if (text.empty()) return;
      drawn_.push_back({x, y, std::string(text), font});
      fontsUsed_.emplace(font.Name(), font);
    });
    invoice_.SetProblemObserver([this](const std::string &message) {
      ++problems_;
      std::cerr << GbkToUtf8(message) << "\n";
    });
  }

  TInvoice &Invoice() { return invoice_; }
  int Problems() const { return problems_; }
  // Every font drawn with on any page, by name.
  const std::map<std::string, TFont> &FontsUsed() const { return fontsUsed_; }
  // The page the last paint showed; the no-data screen counts as page 1.
  int Page() const { return std::max(invoice_.CurrentPage(), 1); }

  void PaintFirst() {
    drawn_.clear();
    surface_.Repaint();
  }
  // NextPage and its repaint; false when the page did not change.
  bool PaintNext() {
    invoice_.NextPage();
    if (!surface_.NeedsRepaint()) return false;
    drawn_.clear();
    surface_.Update();
    return true;
  }

  // Writes the page last painted and its trace; false when the picture could not be written.
  bool Emit() {
    if (options_.trace)
      for (const DrawnText &drawn : drawn_)
        std::cout << FormatTraceLine(Page(), drawn.x, drawn.y, drawn.font, drawn.text) << "\n";
    const std::string path = options_.outPrefix + "-" + std::to_string(Page()) + ".png";
    try {
      WritePng(surface_.Surface(), path);
      return true;
    } catch (const std::exception &error) {
      std::cerr << "invoice-render: cannot write " << path << ": " << error.what() << "\n";
      return false;
    }
  }

 private:
  const RenderOptions &options_;
  WinControl surface_;
  TInvoice invoice_;
  std::vector<DrawnText> drawn_;
  std::map<std::string, TFont> fontsUsed_;
  int problems_ = 0;
};

int Run(const std::vector<std::string> &arguments) {
  std::string reason;
  const std::optional<RenderOptions> options = ParseRenderOptions(arguments, reason);
  if (!options) return UsageError(reason);
  if (options->version) {
    std::cout << "invoice-render " IV_VERSION "\n";
    return kExitSuccess;
  }

  std::vector<std::string> tables[3];
  const std::string *files[3] = {&options->headFile, &options->detailFile, &options->tailFile};
  for (int i = 0; i < 3; ++i) {
    std::optional<std::vector<std::string>> cells = ReadCellFile(*files[i]);
    if (!cells) return UsageError("cannot read data file " + *files[i]);
    tables[i] = std::move(*cells);
  }
  if (!FileExists(ResolvePath(options->templatePath)))
    return UsageError("cannot read template " + options->templatePath);
  std::optional<Bitmap> background;
  if (!options->background.empty()) {
    try {
      background = LoadPicture(ResolvePath(options->background));
    } catch (const std::exception &error) {
      return UsageError("cannot read background " + options->background + ": " + error.what());
    }
  }

  PageRenderer renderer(*options, background ? &*background : nullptr);
  TInvoice &invoice = renderer.Invoice();
  invoice.SetInvoiceFile(options->templatePath, Utf8ToGbk(options->invoiceName));
  invoice.SetInvoiceData(tables[0], tables[1], tables[2], options->showAlways ? 1 : 0);

  renderer.PaintFirst();
  if (options->allPages) {
    do {
      if (!renderer.Emit()) return kExitOutputFailed;
    } while (renderer.PaintNext());
  } else {
    while (renderer.Page() < options->page && renderer.PaintNext()) {
    }
    if (renderer.Page() != options->page)
      return UsageError("page " + std::to_string(options->page) + " does not exist; the invoice has " +
                        std::to_string(invoice.PageCount()) + " page(s)");
    if (!renderer.Emit()) return kExitOutputFailed;
  }
  if (options->trace) std::cout << "pages=" << invoice.PageCount() << "\n";
  if (options->fonts)
    for (const auto &[name, font] : renderer.FontsUsed()) std::cout << FormatFontFileLine(font) << "\n";
  return options->strict && renderer.Problems() > 0 ? kExitProblemLogged : kExitSuccess;
}

}  // namespace
}  // namespace iv

int main(int argc, char **argv) { return iv::Run(std::vector<std::string>(argv + 1, argv + argc)); }
