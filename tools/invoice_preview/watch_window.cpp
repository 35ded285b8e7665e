#include "tools/invoice_preview/watch_window.h"

#include <algorithm>
#include <utility>

#include "platform/diagnostics/problem.h"
#include "platform/text/gbk.h"
#include "platform/ui/graphic_control.h"
#include "tools/invoice_preview/watch_strip.h"

namespace iv {
namespace {

constexpr TColor kStripColor = RGB(236, 236, 236);
constexpr int kStripLineHeight = 16;
constexpr int kStripPadding = 4;

}  // namespace

// Where the pointer finds a drawn text; it paints nothing of its own.
class WatchWindow::TextSpot : public GraphicControl {
 public:
  TextSpot(WatchWindow &window, std::size_t text) : GraphicControl(window) {
    OnMouseEnter = [&window, text](Control &) { window.Hover(std::ptrdiff_t(text)); };
    OnMouseLeave = [&window, text](Control &) {
      if (window.hovered_ == std::ptrdiff_t(text)) window.Hover(-1);
    };
    OnClick = [&window, text](Control &) {
      if (window.OnTextClick) window.OnTextClick(window.texts_[text]);
    };
  }
};

WatchWindow::WatchWindow(std::string templatePath) : template_path_(std::move(templatePath)) {
  SetKeyPreview(true);
  strip_font_.SetName(Gbk(u8"宋体"));
  strip_font_.SetHeight(-12);
  strip_font_.SetColor(clBlack);
  SetOnEraseBackground([this](Canvas &canvas) { PaintFrame(canvas); });
}

WatchWindow::~WatchWindow() = default;

void WatchWindow::ShowPage(const Bitmap &page, const std::vector<PageText> &texts, const std::vector<Problem> &problems,
                           const std::string &caption) {
  page_ = page;
  texts_ = texts;
  problems_ = problems;
  marks_ = MarkProblems(texts_, problems_, page_.Width(), page_.Height());
  hovered_ = -1;
  SetCaption(caption);
  FitPage();
}

void WatchWindow::SetZoom(int zoom) {
  zoom_ = std::clamp(zoom, kMinZoom, kMaxZoom);
  FitPage();
}

void WatchWindow::SetMarksShown(bool shown) {
  marks_shown_ = shown;
  PlaceSpots();
  Invalidate();
}

void WatchWindow::FitPage() {
  SetBounds(Left(), Top(), page_.Width() * zoom_, StripTop() + StripHeight());
  PlaceSpots();
  Invalidate();
}

int WatchWindow::StripHeight() const { return int(kStripLines) * kStripLineHeight + 2 * kStripPadding; }

TRect WatchWindow::SpotRect(std::size_t text) const {
  const TRect box = ShownBox(texts_[text], page_.Width(), page_.Height());
  if (box.IsEmpty()) return {};
  const int margin = Marked(text) ? kMarkMargin + kMarkThickness : 0;
  return {box.Left * zoom_ - margin, box.Top * zoom_ - margin, box.Right * zoom_ + margin, box.Bottom * zoom_ + margin};
}

void WatchWindow::PlaceSpots() {
  spots_.clear();
  for (std::size_t text = 0; text < texts_.size(); ++text) {
    const TRect rect = SpotRect(text);
    if (rect.IsEmpty()) continue;
    spots_.push_back(std::make_unique<TextSpot>(*this, text));
    spots_.back()->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
  }
}

void WatchWindow::Hover(std::ptrdiff_t text) {
  if (hovered_ == text) return;
  hovered_ = text;
  Invalidate();
}

void WatchWindow::PaintFrame(Canvas &canvas) {
  canvas.StretchDraw(Bounds(0, 0, page_.Width() * zoom_, StripTop()), page_);
  if (marks_shown_) PaintMarks(canvas);
  PaintStrip(canvas);
}

void WatchWindow::PaintMarks(Canvas &canvas) {
  const TRect page = Bounds(0, 0, page_.Width() * zoom_, StripTop());
  for (std::size_t text = 0; text < texts_.size(); ++text) {
    if (!Marked(text)) continue;
    const TRect outer = SpotRect(text);
    if (outer.IsEmpty()) continue;
    canvas.Brush().Style = bsSolid;
    canvas.Brush().Color =
        MarkSeverity(marks_.ofText[text], problems_) == Problem::Severity::Error ? kErrorMarkColor : kWarningMarkColor;
    // The outline stays on the page: the strip below keeps its own pixels.
    const auto fill = [&](TRect side) {
      side = {std::max(side.Left, page.Left), std::max(side.Top, page.Top), std::min(side.Right, page.Right),
              std::min(side.Bottom, page.Bottom)};
      if (!side.IsEmpty()) canvas.FillRect(side);
    };
    fill({outer.Left, outer.Top, outer.Right, outer.Top + kMarkThickness});
    fill({outer.Left, outer.Bottom - kMarkThickness, outer.Right, outer.Bottom});
    fill({outer.Left, outer.Top, outer.Left + kMarkThickness, outer.Bottom});
    fill({outer.Right - kMarkThickness, outer.Top, outer.Right, outer.Bottom});
  }
}

void WatchWindow::PaintStrip(Canvas &canvas) {
  canvas.Brush().Style = bsSolid;
  canvas.Brush().Color = kStripColor;
  canvas.FillRect(Bounds(0, StripTop(), Width(), StripHeight()));

  std::string heading;
  std::vector<const Problem *> problems;
  if (hovered_ >= 0) {
    heading = DescribeDrawnText(template_path_, texts_[std::size_t(hovered_)]);
    for (const std::size_t problem : marks_.ofText[std::size_t(hovered_)]) problems.push_back(&problems_[problem]);
  } else {
    heading =
        "Pointer on a text: where it comes from; click: print FILE:LINE:COL. PgUp/PgDn page, F5 read again, "
        "M marks " +
        std::string(marks_shown_ ? "off" : "on") + ", +/- zoom, q quit.";
    for (const std::size_t problem : marks_.unplaced) problems.push_back(&problems_[problem]);
    if (problems.empty()) heading += problems_.empty() ? " No problems." : " Every problem is marked on the page.";
  }

  // Every problem in full, as far as the strip holds them: stderr has them all.
  std::vector<std::string> lines{heading};
  for (const Problem *problem : problems) lines.push_back(FormatProblem(*problem));
  canvas.Font() = strip_font_;
  canvas.Brush().Style = bsClear;
  const auto measure = [&canvas](std::string_view text) { return canvas.TextWidth(text); };
  std::vector<std::string> shown;
  for (const std::string &line : lines)
    for (std::string &part : WrapText(Utf8ToGbk(line), Width() - 2 * kStripPadding, measure)) shown.push_back(part);
  if (shown.size() > kStripLines) {
    shown.resize(kStripLines);
    shown.back() = "... (stderr lists every problem)";
  }
  int y = StripTop() + kStripPadding;
  for (const std::string &line : shown) {
    canvas.TextOut(kStripPadding, y, line);
    y += kStripLineHeight;
  }
}

}  // namespace iv
