#include "tools/invoice_render/page_renderer.h"

#include <iostream>
#include <stdexcept>

#include "platform/gfx/png_writer.h"
#include "platform/ui/form_font.h"
#include "tools/invoice_render/trace_line.h"

namespace iv {
namespace {

// The invoice view form keeps the default form font, which its invoice control takes as its own.
TFont ViewFormFont() { return DefaultFormFont(); }

}  // namespace

PageRenderer::PageRenderer(const RenderOptions &options, const Bitmap *background)
    : options_(options), background_(background), page_(options.width, options.height), canvas_(page_) {
  painter_.SetLinesPerPage(options.linesPerPage);
  painter_.SetQuality(options.quality);
  painter_.SetUpDist(options.upDist);
  painter_.SetLeftDist(options.leftDist);
  painter_.SetInfoFont(ViewFormFont());
  painter_.SetTextObserver([this](const DrawnText &drawn) {
    if (drawn.text.empty()) return;
    drawn_.push_back({drawn.x, drawn.y, drawn.width, drawn.height, drawn.visibleWidth, std::string(drawn.text),
                      *drawn.font, drawn.at, drawn.redrawsLine, drawn.cell});
    fonts_used_.emplace(drawn.font->Name(), *drawn.font);
  });
  painter_.SetProblemObserver([this](const TemplateProblem &problem) {
    if (problem_handler_) problem_handler_(problem);
  });
}

void PageRenderer::SetInvoice(const std::string &name, const SectionTables &tables, bool showAlways) {
  painter_.SetInvoiceFile(options_.templatePath, name);
  painter_.SetInvoiceData(tables.head, tables.detail, tables.tail, showAlways ? 1 : 0);
}

void PageRenderer::Paint() {
  drawn_.clear();
  page_.Fill(clWhite);
  if (background_ != nullptr) canvas_.Draw(0, 0, *background_);
  // The invoice control starts each paint in its form's font.
  canvas_.Font() = ViewFormFont();
  painter_.Paint(canvas_);
}

bool PageRenderer::PaintNext() { return PaintTurnedPage(painter_.NextPage()); }

bool PageRenderer::PaintPrior() { return PaintTurnedPage(painter_.PriorPage()); }

bool PageRenderer::PaintPage(int page) { return PaintTurnedPage(painter_.TurnToPage(page)); }

bool PageRenderer::PaintTurnedPage(bool turned) {
  if (turned) Paint();
  return turned;
}

bool PageRenderer::Emit() {
  if (options_.trace)
    for (const PageText &drawn : drawn_) std::cout << FormatTraceLine(Page(), drawn) << "\n";
  const std::string path = options_.outPrefix + "-" + std::to_string(Page()) + ".png";
  try {
    WritePng(page_, path);
    return true;
  } catch (const std::runtime_error &error) {
    std::cerr << "invoice-render: " << error.what() << "\n";
    return false;
  }
}

}  // namespace iv
