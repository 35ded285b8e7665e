#pragma once
// Hosts a TInvoice the way the invoice view form does (808 x 606, "MS Sans Serif" of height
// -11 in the window-text colour, 8 lines per page) in a fresh kiosk folder that is the current
// directory, and records every non-empty text drawn and every problem logged.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "aatext/SmoothFont.h"
#include "invoice/uInvoice.h"
#include "platform/gfx/color.h"
#include "platform/text/gbk.h"
#include "platform/ui/form_font.h"
#include "platform/ui/win_control.h"
#include "tests/platform/temp_folder.h"

namespace iv::test {

struct Drawn {
  std::string text;  // UTF-8
  int x = 0;
  int y = 0;
  TColor color = 0;  // RGB
  std::string font;  // UTF-8
  int size = 0;

  friend bool operator==(const Drawn &, const Drawn &) = default;
  friend std::ostream &operator<<(std::ostream &out, const Drawn &d) {
    return out << "\"" << d.text << "\"@(" << d.x << "," << d.y << ") #" << std::hex << d.color << std::dec << " "
               << d.font << " " << d.size;
  }
};

inline std::vector<std::string> Cells(std::initializer_list<const char8_t *> utf8) {
  std::vector<std::string> cells;
  for (const char8_t *cell : utf8) cells.push_back(Gbk(cell));
  return cells;
}

inline std::string U8(const char8_t *text) { return reinterpret_cast<const char *>(text); }

class InvoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(folder_ / "ErrorLog");

    surface_.SetBounds(0, 0, 808, 606);
    surface_.SetColor(clWhite);
    surface_.SetFont(ViewFormFont());
    invoice_ = std::make_unique<TInvoice>(surface_);
    invoice_->SetBounds(0, 0, 808, 606);
    invoice_->SetuLinesPerPage(8);
    invoice_->SetuFontOfInfo(ViewFormFont());
    invoice_->SetTextObserver([this](const DrawnText &text) {
      const TFont &font = *text.font;
      if (text.text.empty()) return;
      drawn_.push_back(
          {GbkToUtf8(text.text), text.x, text.y, ColorToRGB(font.Color()), GbkToUtf8(font.Name()), font.Size()});
      static const char *const kSections[] = {"", "head ", "detail ", "tail "};
      cells_.push_back(text.cell.section == TInvoiceSection::None
                           ? ""
                           : kSections[int(text.cell.section)] + std::to_string(text.cell.index));
    });
    invoice_->SetProblemObserver([this](const Problem &problem) {
      if (problem.severity == Problem::Severity::Error) problems_.push_back(GbkToUtf8(problem.message));
    });
  }

  void TearDown() override { invoice_.reset(); }

  static TFont ViewFormFont() { return DefaultFormFont(); }

  // Writes a template given in UTF-8 as a GBK file in the kiosk folder; returns its path.
  std::string WriteTemplate(const char8_t *utf8, const std::string &name = "invoice.txt") {
    std::ofstream(folder_ / name, std::ios::binary) << Gbk(utf8);
    return (folder_ / name).string();
  }
  // A template file of tests/data/invoice, copied into the kiosk folder.
  std::string CopyTemplate(const std::string &name) {
    std::filesystem::copy_file(std::filesystem::path(IV_TEST_DATA) / "invoice" / name, folder_ / name);
    return (folder_ / name).string();
  }

  void Use(const std::string &path, const std::string &name) {
    ASSERT_EQ(invoice_->SetInvoiceFile(path, name), 0);
  }
  void SetData(const std::vector<std::string> &head, const std::vector<std::string> &detail,
               const std::vector<std::string> &tail) {
    invoice_->SetInvoiceData(head, detail, tail, 0);
  }

  // One paint through the parent, as the system paints; returns what it drew.
  const std::vector<Drawn> &Paint() {
    drawn_.clear();
    cells_.clear();
    problems_.clear();
    surface_.Repaint();
    return drawn_;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Drawn &d : drawn_) texts.push_back(d.text);
    return texts;
  }
  // For each text drawn, the data cell it shows ("head 1", "detail 12"), or "" for none.
  const std::vector<std::string> &DrawnCells() const { return cells_; }
  const Drawn *Find(const std::string &utf8) const {
    for (const Drawn &d : drawn_)
      if (d.text == utf8) return &d;
    return nullptr;
  }

  // Measures with the view form's font (or another name and size) as the renderer does.
  int Width(const std::string &utf8, const std::string &fontName = "MS Sans Serif", int size = 0) {
    Bitmap scratch(8, 8);
    Canvas canvas(scratch);
    canvas.Font() = ViewFormFont();
    canvas.Font().SetName(Gbk(std::u8string(fontName.begin(), fontName.end())));
    if (size > 0) canvas.Font().SetSize(size);
    TSmoothFont smooth(&canvas);
    smooth.SetQuality(invoice_->uQuality());
    return smooth.TextWidth(Gbk(std::u8string(utf8.begin(), utf8.end())));
  }
  int LineHeight() {
    Bitmap scratch(8, 8);
    Canvas canvas(scratch);
    canvas.Font() = ViewFormFont();
    return canvas.TextHeight(Gbk(u8"┼"));
  }

  std::string ErrorLogText() const {
    std::ifstream file(folder_ / "ErrorLog" / "Error.txt", std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return GbkToUtf8(content.str());
  }

  static constexpr TColor kBlack = 0x000000;
  static constexpr TColor kBlue = 0xFF0000;
  static constexpr TColor kRed = 0x0000FF;

  const testing::CurrentTempFolder kiosk_;
  const std::filesystem::path folder_ = kiosk_.Path();
  WinControl surface_;
  std::unique_ptr<TInvoice> invoice_;
  std::vector<Drawn> drawn_;
  std::vector<std::string> cells_;
  std::vector<std::string> problems_;
};

}  // namespace iv::test
