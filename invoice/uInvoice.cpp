#include "invoice/uInvoice.h"

#include <algorithm>

#include "invoice/int32_range.h"
#include "platform/fs/paths.h"
#include "platform/gfx/font_smoothing.h"
#include "platform/text/gbk.h"

namespace iv {

TInvoice::TInvoice(WinControl &parent) : Label(parent) {
  SetTransparent(true);
  SetCaption("");
  font_of_info_.SetOnChange([this] { Invalidate(); });
  SetAutoSize(false);
  SwitchOnFontSmoothing();
  // The smooth renderer draws on the parent's canvas, bound at each paint.
  smooth_font_ = std::make_unique<TSmoothFont>(nullptr);
  SetuQuality(tqNormal);
}

TInvoice::~TInvoice() = default;

int TInvoice::SetInvoiceFile(const std::string &path, const std::string &name) {
  if (name.empty() || !FileExists(ResolvePath(path))) return -1;
  template_path_ = path;
  invoice_name_ = name;
  return 0;
}

void TInvoice::NextPage() {
  if (current_page_ + 1 > page_count_) {
    current_page_ = page_count_;
    return;
  }
  ++current_page_;
  Invalidate();
}

void TInvoice::PriorPage() {
  if (current_page_ - 1 <= 0) {
    current_page_ = 1;
    return;
  }
  --current_page_;
  Invalidate();
}

void TInvoice::TurnToPage(int page) {
  const int target = std::clamp(page, 1, std::max(page_count_, 1));
  if (target == current_page_) return;
  current_page_ = target;
  Invalidate();
}

void TInvoice::SetuPageWidth(int value) { page_width_ = std::max(value, 0); }
void TInvoice::SetuPageLeft(int value) { page_left_ = std::max(value, 0); }
void TInvoice::SetuLinesPerPage(int value) { lines_per_page_ = std::max(value, 0); }
void TInvoice::SetuFontOfInfo(const TFont &font) { font_of_info_.Assign(font); }

void TInvoice::SetuQuality(TTextQuality quality) {
  quality_ = quality;
  smooth_font_->SetQuality(quality);
}

void TInvoice::SetuLeftDist(int value) {
  left_dist_ = value;
  left_margin_ = value;
}

void TInvoice::DrawText(std::int64_t x, std::int64_t y, std::string_view text) {
  const int left = ClampToInt32(x);
  const int top = ClampToInt32(y);
  smooth_font_->TextOut(left, top, text, 100, 0);
  if (text_observer_) text_observer_(left, top, text, GetCanvas().Font());
}

int TInvoice::LineHeight() {
  static const std::string kProbe = Gbk(u8"┼");
  return GetCanvas().TextHeight(kProbe);
}

void TInvoice::SetFontColor(TColor color) { GetCanvas().Font().SetColor(color); }

void TInvoice::AddStaticPiece(const std::string &text) {
  // The table has room for the pieces of any sensible detail section; more are not recorded.
  if (section_ != TInvoiceSection::Detail || static_pieces_.size() >= kMaxStaticPieces) return;
  static_pieces_.push_back({text.substr(0, kMaxCellBytes), pen_x_, pen_y_});
}

void TInvoice::PlaceAfterLineText() {
  pen_x_ = ClampToInt32(std::int64_t{left_margin_} + line_text_.Width(smooth_font_->Mask()));
}

void TInvoice::MovePen(std::int64_t dx, std::int64_t dy) {
  pen_x_ = ClampToInt32(pen_x_ + dx);
  pen_y_ = ClampToInt32(pen_y_ + dy);
}

}  // namespace iv
