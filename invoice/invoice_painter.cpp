#include "invoice/invoice_painter.h"

#include <algorithm>

#include "invoice/int32_range.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"

namespace iv {

// The renderer draws on the canvas of each paint, bound when it starts.
InvoicePainter::InvoicePainter() : smooth_font_(std::make_unique<TSmoothFont>(nullptr)) { SetQuality(tqNormal); }

InvoicePainter::~InvoicePainter() = default;

int InvoicePainter::SetInvoiceFile(const std::string &path, const std::string &name) {
  if (name.empty() || !FileExists(ResolvePath(path))) return -1;
  template_path_ = path;
  invoice_name_ = name;
  return 0;
}

bool InvoicePainter::NextPage() {
  if (current_page_ + 1 > page_count_) {
    current_page_ = page_count_;
    return false;
  }
  ++current_page_;
  return true;
}

bool InvoicePainter::PriorPage() {
  if (current_page_ - 1 <= 0) {
    current_page_ = 1;
    return false;
  }
  --current_page_;
  return true;
}

bool InvoicePainter::TurnToPage(int page) {
  const int target = std::clamp(page, 1, std::max(page_count_, 1));
  if (target == current_page_) return false;
  current_page_ = target;
  return true;
}

void InvoicePainter::SetPageWidth(int value) { page_width_ = std::max(value, 0); }
void InvoicePainter::SetPageLeft(int value) { page_left_ = std::max(value, 0); }
void InvoicePainter::SetLinesPerPage(int value) { lines_per_page_ = std::max(value, 0); }

void InvoicePainter::SetQuality(TTextQuality quality) {
  quality_ = quality;
  smooth_font_->SetQuality(quality);
}

void InvoicePainter::SetLeftDist(int value) {
  left_dist_ = value;
  left_margin_ = value;
}

void InvoicePainter::DrawText(std::int64_t x, std::int64_t y, std::string_view text, TemplatePosition at,
                              bool redrawsLine, DrawnCell cell) {
  const int left = ClampToInt32(x);
  const int top = ClampToInt32(y);
  smooth_font_->TextOut(left, top, text, 100, 0);
  if (!text_observer_) return;
  // Measured only for an observer: the kiosk's own paints never ask.
  const TSize box = text.empty() ? TSize{0, 0} : smooth_font_->TextExtent(text);
  const std::string_view shown = text.substr(0, text.find_last_not_of(' ') + 1);
  const int visibleWidth = shown.size() == text.size() ? box.cx : shown.empty() ? 0 : smooth_font_->TextWidth(shown);
  text_observer_({left, top, box.cx, box.cy, visibleWidth, text, &canvas_->Font(), at, redrawsLine, cell});
}

int InvoicePainter::LineHeight() {
  static const std::string kProbe = Gbk(u8"┼");
  return canvas_->TextHeight(kProbe);
}

void InvoicePainter::SetFontColor(TColor color) { canvas_->Font().SetColor(color); }

void InvoicePainter::AddStaticPiece(const std::string &text, TemplatePosition at) {
  // The table has room for the pieces of any sensible detail section; more are not recorded.
  if (section_ != TInvoiceSection::Detail || static_pieces_.size() >= kMaxStaticPieces) return;
  static_pieces_.push_back({text.substr(0, kMaxCellBytes), pen_x_, pen_y_, at});
}

void InvoicePainter::PlaceAfterLineText() {
  pen_x_ = ClampToInt32(std::int64_t{left_margin_} + line_text_.Width(smooth_font_->Mask()));
}

void InvoicePainter::MovePen(std::int64_t dx, std::int64_t dy) {
  pen_x_ = ClampToInt32(pen_x_ + dx);
  pen_y_ = ClampToInt32(pen_y_ + dy);
}

}  // namespace iv
