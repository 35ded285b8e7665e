#pragma once
// The preview window of invoice-render --watch: a page picture enlarged by a whole factor,
// nearest pixel, so each pixel the kiosk shows is a square of pixels here; over it, on a layer of
// the window only, an outline around each text a problem concerns; below it a strip that tells
// what the pointer is on and lists the problems without a place on the page. The window takes
// the size of the enlarged page and the strip.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "invoice/page_text.h"
#include "platform/diagnostics/problem.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/color.h"
#include "platform/ui/form.h"
#include "tools/invoice_preview/watch_marks.h"

namespace iv {

class WatchWindow : public Form {
 public:
  static constexpr int kMinZoom = 1;
  static constexpr int kMaxZoom = 4;
  // Colours no anti-aliased text of one colour on white mixes.
  static constexpr TColor kErrorMarkColor = RGB(230, 0, 126);
  static constexpr TColor kWarningMarkColor = RGB(255, 150, 0);
  static constexpr std::size_t kStripLines = 8;

  // `templatePath` names the template in the strip's lines.
  explicit WatchWindow(std::string templatePath);
  ~WatchWindow() override;

  // Shows a copy of `page` under the caption (GBK), with the texts drawn on it and the
  // template's problems.
  void ShowPage(const Bitmap &page, const std::vector<PageText> &texts, const std::vector<Problem> &problems,
                const std::string &caption);
  int Zoom() const { return zoom_; }
  // Kept within kMinZoom..kMaxZoom.
  void SetZoom(int zoom);
  bool MarksShown() const { return marks_shown_; }
  // Without marks the page shows exactly as the kiosk paints it.
  void SetMarksShown(bool shown);

  // A click on a drawn text.
  std::function<void(const PageText &text)> OnTextClick;

 private:
  class TextSpot;

  void FitPage();
  // A spot over each text the pointer can find, the marked ones with their outline.
  void PlaceSpots();
  // The text under the pointer; none is -1.
  void Hover(std::ptrdiff_t text);
  bool Marked(std::size_t text) const { return marks_shown_ && !marks_.ofText[text].empty(); }
  // In window pixels: the text's box enlarged, with the outline's room when it is marked.
  TRect SpotRect(std::size_t text) const;
  int StripTop() const { return page_.Height() * zoom_; }
  int StripHeight() const;
  void PaintFrame(Canvas &canvas);
  void PaintMarks(Canvas &canvas);
  void PaintStrip(Canvas &canvas);

  std::string template_path_;
  Bitmap page_;
  std::vector<PageText> texts_;
  std::vector<Problem> problems_;
  PageMarks marks_;
  std::vector<std::unique_ptr<TextSpot>> spots_;
  std::ptrdiff_t hovered_ = -1;
  int zoom_ = kMinZoom;
  bool marks_shown_ = true;
  TFont strip_font_;
};

}  // namespace iv
