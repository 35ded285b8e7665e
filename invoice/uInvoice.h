#pragma once
// TInvoice: the invoice control the view form holds. Its properties set up its painter, which
// interprets the invoice's template on the parent's canvas at every paint; a page turn that
// changes the page asks for a repaint.
#include <cstdint>
#include <string>
#include <vector>

#include "invoice/invoice_painter.h"
#include "platform/ui/label.h"

namespace iv {

class TInvoice : public Label {
 public:
  using TextObserver = InvoicePainter::TextObserver;
  using ProblemObserver = InvoicePainter::ProblemObserver;

  explicit TInvoice(WinControl &parent);

  int SetInvoiceFile(const std::string &path, const std::string &name) { return painter_.SetInvoiceFile(path, name); }
  void SetInvoiceData(const std::vector<std::string> &head, const std::vector<std::string> &detail,
                      const std::vector<std::string> &tail, std::int32_t showAlways) {
    painter_.SetInvoiceData(head, detail, tail, showAlways);
  }

  void Paint() override;
  void NextPage();
  void PriorPage();

  int uPageWidth() const { return painter_.PageWidth(); }
  void SetuPageWidth(int value) { painter_.SetPageWidth(value); }
  int uPageLeft() const { return painter_.PageLeft(); }
  void SetuPageLeft(int value) { painter_.SetPageLeft(value); }
  int uLinesPerPage() const { return painter_.LinesPerPage(); }
  void SetuLinesPerPage(int value) { painter_.SetLinesPerPage(value); }
  const TFont &uFontOfInfo() const { return painter_.InfoFont(); }
  void SetuFontOfInfo(const TFont &font);
  int uXOfInfo() const { return painter_.InfoX(); }
  void SetuXOfInfo(int value) { painter_.SetInfoX(value); }
  int uYOfInfo() const { return painter_.InfoY(); }
  void SetuYOfInfo(int value) { painter_.SetInfoY(value); }
  const std::string &uInfo() const { return painter_.Info(); }
  void SetuInfo(const std::string &info) { painter_.SetInfo(info); }
  TTextQuality uQuality() const { return painter_.Quality(); }
  void SetuQuality(TTextQuality quality) { painter_.SetQuality(quality); }
  int uUpDist() const { return painter_.UpDist(); }
  void SetuUpDist(int value) { painter_.SetUpDist(value); }
  int uLeftDist() const { return painter_.LeftDist(); }
  void SetuLeftDist(int value) { painter_.SetLeftDist(value); }

  int CurrentPage() const { return painter_.CurrentPage(); }
  int PageCount() const { return painter_.PageCount(); }

  void SetTextObserver(TextObserver observer) { painter_.SetTextObserver(std::move(observer)); }
  void SetProblemObserver(ProblemObserver observer) { painter_.SetProblemObserver(std::move(observer)); }

 private:
  InvoicePainter painter_;
};

}  // namespace iv
