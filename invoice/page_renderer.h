#pragma once
// The invoice painted on a page of its own, set up as the invoice view form sets up its invoice
// control: paints pages, remembers the texts drawn and counts the problems the painter logs.
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "invoice/invoice_inputs.h"
#include "invoice/invoice_painter.h"
#include "invoice/page_request.h"
#include "invoice/page_text.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"

namespace iv {

class PageRenderer {
 public:
  PageRenderer(const PageRequest &request, const Bitmap *background);

  InvoicePainter &Painter() { return painter_; }
  // The invoice of the request's template to paint (its GBK name) and its cells.
  void SetInvoice(const std::string &name, const SectionTables &tables, bool showAlways);
  // Takes every problem the painter meets (errors also go to the kiosk's log as it paints,
  // unless the painter is told otherwise).
  void SetProblemHandler(std::function<void(const Problem &)> handler) { problem_handler_ = std::move(handler); }
  // The texts of the page last painted, in the order they were drawn.
  const std::vector<PageText> &Texts() const { return drawn_; }
  // Every font drawn with on any page, by name.
  const std::map<std::string, TFont> &FontsUsed() const { return fonts_used_; }
  // The page the last paint showed; the no-data screen counts as page 1.
  int Page() const { return std::max(painter_.CurrentPage(), 1); }

  // Paints the current page, the first before any page turn: the background, then the invoice.
  void Paint();
  // NextPage and its repaint; false when the page did not change.
  bool PaintNext();
  // PriorPage and its repaint; false when the page did not change.
  bool PaintPrior();
  // Straight to page n (within the page count the first paint found) and its repaint; false
  // when the page did not change.
  bool PaintPage(int page);
  // The page last painted.
  const Bitmap &Picture() const { return page_; }

 private:
  // Paints after a page turn that changed the page; gives whether it did.
  bool PaintTurnedPage(bool turned);

  const PageRequest &request_;
  const Bitmap *background_;
  Bitmap page_;
  Canvas canvas_;
  InvoicePainter painter_;
  std::vector<PageText> drawn_;
  std::map<std::string, TFont> fonts_used_;
  std::function<void(const Problem &)> problem_handler_;
};

}  // namespace iv
