#pragma once
// The invoice control hosted on an off-screen surface set up as the invoice view form sets it up:
// paints pages, remembers the texts drawn and counts the problems the control logs.
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "invoice/uInvoice.h"
#include "platform/gfx/bitmap.h"
#include "platform/ui/win_control.h"
#include "tools/invoice_render/invoice_inputs.h"
#include "tools/invoice_render/render_options.h"

namespace iv {

struct DrawnText {
  int x;
  int y;
  std::string text;
  TFont font;
};

class PageRenderer {
 public:
  PageRenderer(const RenderOptions &options, const Bitmap *background);

  TInvoice &Invoice() { return invoice_; }
  // The invoice of the options' template to paint (its GBK name) and its cells.
  void SetInvoice(const std::string &name, const SectionTables &tables, bool showAlways);
  // The errors the control has logged.
  int Problems() const { return problems_; }
  // Takes every problem the control meets instead of the printing of each to stderr as
  // FILE:LINE:COL: error: MESSAGE (or warning:).
  void SetProblemHandler(std::function<void(const TemplateProblem &)> handler) {
    problem_handler_ = std::move(handler);
  }
  // Every font drawn with on any page, by name.
  const std::map<std::string, TFont> &FontsUsed() const { return fonts_used_; }
  // The page the last paint showed; the no-data screen counts as page 1.
  int Page() const { return std::max(invoice_.CurrentPage(), 1); }

  void PaintFirst();
  // NextPage and its repaint; false when the page did not change.
  bool PaintNext();
  // PriorPage and its repaint; false when the page did not change.
  bool PaintPrior();
  // Straight to page n (within the page count the first paint found) and its repaint; false
  // when the page did not change.
  bool PaintPage(int page);
  // The page last painted.
  const Bitmap &Picture() const { return surface_.Surface(); }

  // Writes the page last painted and its trace; false when the picture could not be written.
  bool Emit();

 private:
  // Repaints after a page turn; false when the turn did not change the page.
  bool RepaintTurnedPage();

  const RenderOptions &options_;
  WinControl surface_;
  TInvoice invoice_;
  std::vector<DrawnText> drawn_;
  std::map<std::string, TFont> fonts_used_;
  int problems_ = 0;
  std::function<void(const TemplateProblem &)> problem_handler_;
};

}  // namespace iv
