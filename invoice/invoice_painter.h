#pragma once
// The template interpreter: paints one page of an invoice on a canvas. It reads its template
// file anew at every paint, finds its invoice and interprets it: plain text where it stands,
// commands that move the pen and change fonts and colours, data fields bound to the head,
// detail and tail cells, and the detail rows of the current page. Without data it paints a
// picture and a notice. What a paint finds (the page count, the template's own settings, the
// detail columns) stays for the next paint, as page turns rely on it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "aatext/SmoothFont.h"
#include "invoice/drawn_text.h"
#include "invoice/invoice_tables.h"
#include "invoice/line_text.h"
#include "invoice/template_reader.h"
#include "platform/diagnostics/problem.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font.h"

namespace iv {

class InvoicePainter {
 public:
  // Called for every text drawn, with its box, the canvas font (name, size, colour) it is drawn
  // in and its place in the template.
  using TextObserver = std::function<void(const DrawnText &drawn)>;
  // Called with every error the painter writes to its error log (the logged text, and its place
  // in the template), and with warnings about what it draws without complaint but is almost
  // always a mistake in a template. Warnings are never logged.
  using ProblemObserver = std::function<void(const Problem &problem)>;

  InvoicePainter();
  ~InvoicePainter();

  // Stores both when a file exists at `path` and `name` is not empty (0); otherwise -1 and
  // the earlier values stay.
  int SetInvoiceFile(const std::string &path, const std::string &name);
  // Fills the head, detail and tail cells; all three empty (and showAlways 0) means no data.
  void SetInvoiceData(const std::vector<std::string> &head, const std::vector<std::string> &detail,
                      const std::vector<std::string> &tail, std::int32_t showAlways);

  // Paints the current page (the first when none is yet) on `canvas`, starting in its font;
  // texts paint no background (the canvas brush is left clear).
  void Paint(Canvas &canvas);
  // Page turns within 1 and the page count the last paint found; each is true when the page
  // changed, so that the caller paints again. A far page costs one paint, not one per page.
  bool NextPage();
  bool PriorPage();
  bool TurnToPage(int page);
  int CurrentPage() const { return current_page_; }
  int PageCount() const { return page_count_; }
  // The detail cells one row of the last paint's detail block takes: FPMX's column count, or
  // without one the detail fields it counted.
  std::int64_t DetailColumns() const { return ColumnsPerRow(); }

  // Settings: the template's own commands may change them during a paint.
  int PageWidth() const { return page_width_; }
  void SetPageWidth(int value);
  int PageLeft() const { return page_left_; }
  void SetPageLeft(int value);
  int LinesPerPage() const { return lines_per_page_; }
  void SetLinesPerPage(int value);
  const TFont &InfoFont() const { return font_of_info_; }
  void SetInfoFont(const TFont &font) { font_of_info_.Assign(font); }
  int InfoX() const { return x_of_info_; }
  void SetInfoX(int value) { x_of_info_ = value; }
  int InfoY() const { return y_of_info_; }
  void SetInfoY(int value) { y_of_info_ = value; }
  const std::string &Info() const { return info_; }
  void SetInfo(const std::string &info) { info_ = info; }
  TTextQuality Quality() const { return quality_; }
  void SetQuality(TTextQuality quality);
  int UpDist() const { return up_dist_; }
  void SetUpDist(int value) { up_dist_ = value; }
  int LeftDist() const { return left_dist_; }
  void SetLeftDist(int value);

  void SetTextObserver(TextObserver observer) { text_observer_ = std::move(observer); }
  void SetProblemObserver(ProblemObserver observer) { problem_observer_ = std::move(observer); }
  // Errors go to the kiosk's error log as well, unless a checker that takes them through the
  // problem observer alone turns that off.
  void SetWritesErrorLog(bool writes) { writes_error_log_ = writes; }

 private:
  // Template reading (invoice_reader.cpp)
  int FindInvoice(const std::string &name);
  void ReadPlainText();
  int ScanNullDataInfo();

  // Commands (markup_commands.cpp)
  int ExecuteMarkup(std::string &element);
  int RunCommand(const std::string &name, std::string arguments);
  void ShowImage(const std::vector<std::string> &values);

  // Data fields (data_field.cpp)
  // A data field read up to its closer: binds and draws it.
  int ExecuteDataField(std::string &element);
  // The field's text; `cell` gets the cell it shows.
  std::string BindField(const std::string &indexText, const std::string &widthText, DrawnCell &cell);
  // A field naming a cell that the data given for its section does not hold.
  void WarnBeyondData(std::int32_t index, const std::vector<TCellRecord> &table, std::string_view section);

  // Detail rows and paging (detail_rows.cpp)
  std::int64_t EffectiveLinesPerPage() const;
  std::int64_t ColumnsPerRow() const;
  // The columns the further rows can show: the fields counted that have a column entry.
  std::size_t RecordedColumns() const;
  std::int64_t FirstCellOfPage() const;
  void DrawFurtherDetailRows();
  void DrawColumnOrderRows(std::int64_t &d, std::int64_t pageEnd);
  void DrawColumnCountRows(std::int64_t b, std::int64_t pageEnd);
  void DrawLockedColumnCountRows(std::int64_t &b, std::int64_t pageEnd);
  // One further row: the columns taken with the cell each shows.
  struct RowCell {
    std::size_t column;
    std::int64_t cell;
  };
  void DrawRow(const std::vector<RowCell> &cells);
  std::string ColumnText(std::size_t column, std::int64_t cell) const;
  const TCellRecord &ColumnLayout(std::size_t column) const;

  // Painting (invoice_paint.cpp)
  void PaintInvoice();
  void PaintNoDataScreen();
  void LogProblem(const std::string &message, TemplatePosition at);
  void Warn(TemplatePosition at, const std::string &message);
  void LoadAndDrawPicture(const std::string &path);

  // Drawing primitives shared by all of the above (invoice_painter.cpp)
  void DrawText(std::int64_t x, std::int64_t y, std::string_view text, TemplatePosition at, bool redrawsLine = false,
                DrawnCell cell = {});
  int LineHeight();
  void SetFontColor(TColor color);
  void AddStaticPiece(const std::string &text, TemplatePosition at);
  void PlaceAfterLineText();
  // Pen moves saturate at the 32-bit range instead of wrapping.
  void MovePen(std::int64_t dx, std::int64_t dy);

  // Settings
  std::string template_path_;
  std::string invoice_name_;
  int page_width_ = 0;
  int page_left_ = 0;
  int lines_per_page_ = 1;
  TFont font_of_info_;
  int x_of_info_ = 0;
  int y_of_info_ = 0;
  std::string info_;
  TTextQuality quality_ = tqNormal;
  int up_dist_ = 0;
  int left_dist_ = 0;

  // Renderer and pictures
  std::unique_ptr<TSmoothFont> smooth_font_;
  std::unique_ptr<Bitmap> picture_;
  std::string picture_path_;
  TextObserver text_observer_;
  ProblemObserver problem_observer_;
  bool writes_error_log_ = true;

  // Drawing state
  Canvas *canvas_ = nullptr;                // bound only during a paint
  std::unique_ptr<TemplateReader> reader_;  // open only during a paint
  char opener_ = '<';
  TemplatePosition element_start_;  // where the element ExecuteMarkup reads starts
  std::int32_t pen_x_ = 0;
  std::int32_t pen_y_ = 0;
  std::int32_t left_margin_ = 0;
  LineText line_text_;
  TColor text_color_ = clBlack;
  TColor field_color_ = clBlack;
  TSavedFont saved_font_;
  TInvoiceSection section_ = TInvoiceSection::None;
  bool line_lock_ = false;

  // Data binding
  std::vector<TCellRecord> head_;
  std::vector<TCellRecord> detail_;
  std::vector<TCellRecord> tail_;
  bool data_given_ = false;
  bool no_data_ = false;
  std::int32_t detail_column_count_ = 0;
  // Entries are made as fields claim them, up to the column count.
  std::vector<TCellRecord> column_table_;
  std::int32_t field_counter_ = 0;
  std::vector<TStaticPiece> static_pieces_;

  // Paging
  std::int32_t current_page_ = 0;
  std::int32_t page_count_ = 0;
  std::int64_t first_cell_ = 0;
};

}  // namespace iv
