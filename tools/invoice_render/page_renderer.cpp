#include "tools/invoice_render/page_renderer.h"

#include <iostream>
#include <stdexcept>

#include "platform/gfx/png_writer.h"
#include "platform/ui/form_font.h"
#include "tools/invoice_render/problem_line.h"
#include "tools/invoice_render/trace_line.h"

namespace iv {
namespace {

// The invoice view form keeps the default form font, which its invoice control takes as its own.
TFont ViewFormFont() { return DefaultFormFont(); }

}  // namespace

PageRenderer::PageRenderer(const RenderOptions &options, const Bitmap *background)
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
    fonts_used_.emplace(font.Name(), font);
  });
  invoice_.SetProblemObserver([this](const TemplateProblem &problem) {
    if (problem.severity == TemplateProblem::Severity::Error) ++problems_;
    if (problem_handler_) {
      problem_handler_(problem);
    } else {
      std::cerr << FormatProblemLine(options_.templatePath, problem) << "\n";
    }
  });
}

void PageRenderer::SetInvoice(const std::string &name, const SectionTables &tables, bool showAlways) {
  invoice_.SetInvoiceFile(options_.templatePath, name);
  invoice_.SetInvoiceData(tables.head, tables.detail, tables.tail, showAlways ? 1 : 0);
}

void PageRenderer::PaintFirst() {
  drawn_.clear();
  surface_.Repaint();
}

bool PageRenderer::PaintNext() {
  invoice_.NextPage();
  return RepaintTurnedPage();
}

bool PageRenderer::PaintPrior() {
  invoice_.PriorPage();
  return RepaintTurnedPage();
}

bool PageRenderer::PaintPage(int page) {
  invoice_.TurnToPage(page);
  return RepaintTurnedPage();
}

bool PageRenderer::RepaintTurnedPage() {
  if (!surface_.NeedsRepaint()) return false;
  drawn_.clear();
  surface_.Update();
  return true;
}

bool PageRenderer::Emit() {
  if (options_.trace)
    for (const DrawnText &drawn : drawn_)
      std::cout << FormatTraceLine(Page(), drawn.x, drawn.y, drawn.font, drawn.text) << "\n";
  const std::string path = options_.outPrefix + "-" + std::to_string(Page()) + ".png";
  try {
    WritePng(surface_.Surface(), path);
    return true;
  } catch (const std::runtime_error &error) {
    std::cerr << "invoice-render: " << error.what() << "\n";
    return false;
  }
}

}  // namespace iv
