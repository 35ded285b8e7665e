#include "invoice/page_renderer.h"

#include "platform/ui/form_font.h"

namespace iv {
namespace {

// The invoice view form keeps the default form font, which its invoice control takes as its own.
TFont ViewFormFont() { return DefaultFormFont(); }

}  // namespace

PageRenderer::PageRenderer(const PageRequest &request, const Bitmap *background)
    : request_(request), background_(background), page_(request.width, request.height), canvas_(page_) {
  painter_.SetLinesPerPage(request.linesPerPage);
  painter_.SetQuality(request.quality);
  painter_.SetUpDist(request.upDist);
  painter_.SetLeftDist(request.leftDist);
  painter_.SetInfoFont(ViewFormFont());
  painter_.SetTextObserver([this](const DrawnText &drawn) {
    if (drawn.text.empty()) return;
    drawn_.push_back({drawn.x, drawn.y, drawn.width, drawn.height, drawn.visibleWidth, std::string(drawn.text),
                      *drawn.font, drawn.at, drawn.redrawsLine, drawn.cell});
    fonts_used_.emplace(drawn.font->Name(), *drawn.font);
  });
  painter_.SetProblemObserver([this](const Problem &problem) {
    if (problem_handler_) problem_handler_(problem);
  });
}

void PageRenderer::SetInvoice(const std::string &name, const SectionTables &tables, bool showAlways) {
  painter_.SetInvoiceFile(request_.templatePath, name);
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

}  // namespace iv
