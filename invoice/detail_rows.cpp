// Paging of the detail cells and the further detail rows drawn at the end of a detail block.
#include <algorithm>
#include <cstdint>

#include "invoice/field_text.h"
#include "invoice/int32_range.h"
#include "invoice/invoice_painter.h"

namespace iv {

std::int64_t InvoicePainter::EffectiveLinesPerPage() const {
  // No page can show fewer than one row: 0 lines per page pages like 1.
  return std::max(lines_per_page_, 1);
}

std::int64_t InvoicePainter::ColumnsPerRow() const {
  return detail_column_count_ > 0 ? detail_column_count_ : field_counter_;
}

std::size_t InvoicePainter::RecordedColumns() const {
  // A later FPMX may have switched the mode or made the column table smaller than the fields
  // already counted.
  return std::min(static_cast<std::size_t>(field_counter_),
                  detail_column_count_ > 0 ? column_table_.size() : detail_.size());
}

std::int64_t InvoicePainter::FirstCellOfPage() const {
  const std::int64_t cells = static_cast<std::int64_t>(detail_.size());
  const std::int64_t pagesBefore = std::max(current_page_ - 1, 0);
  const std::int64_t cellsPerPage = EffectiveLinesPerPage() * ColumnsPerRow();
  // Past the end of the table every page start is equally empty; held there, nothing overflows.
  if (pagesBefore == 0 || cellsPerPage == 0) return 0;
  return pagesBefore > cells / cellsPerPage ? cells : pagesBefore * cellsPerPage;
}

const TCellRecord &InvoicePainter::ColumnLayout(std::size_t column) const {
  return detail_column_count_ > 0 ? column_table_[column] : detail_[column];
}

std::string InvoicePainter::ColumnText(std::size_t column, std::int64_t cell) const {
  const TCellRecord &layout = ColumnLayout(column);
  return AlignToWidth(detail_[static_cast<std::size_t>(cell)].value, layout.width,
                      layout.alignmentMark == '-' ? "-" : " ", ' ');
}

void InvoicePainter::DrawFurtherDetailRows() {
  if (line_lock_) {
    SetFontColor(text_color_);
    DrawText(left_margin_, pen_y_, line_text_.Text(), element_start_, true);
  }
  const std::int64_t cols = ColumnsPerRow();
  const std::int64_t lines = EffectiveLinesPerPage();
  const std::int64_t last = static_cast<std::int64_t>(detail_.size()) - 1;
  const std::int64_t firstRowCell = first_cell_;
  const std::int64_t pageEnd = firstRowCell + lines * cols - 1;

  page_count_ = field_counter_ == 0 ? 1 : ClampToInt32(last / (cols * lines) + 1);

  std::int64_t d = firstRowCell + cols - 1;
  if (detail_column_count_ == 0) {
    DrawColumnOrderRows(d, pageEnd);
  } else if (line_lock_) {
    std::int64_t b = firstRowCell + cols;
    if (b <= last && b <= pageEnd) {
      DrawLockedColumnCountRows(b, pageEnd);
      d = b;
    }
  } else {
    DrawColumnCountRows(firstRowCell + cols, pageEnd);
  }
  first_cell_ = d;
}

void InvoicePainter::DrawColumnOrderRows(std::int64_t &d, std::int64_t pageEnd) {
  const std::int64_t last = static_cast<std::int64_t>(detail_.size()) - 1;
  if (RecordedColumns() == 0) return;  // every row must take a cell
  while (d < last && d < pageEnd) {
    MovePen(0, LineHeight());
    std::vector<RowCell> row;
    for (std::size_t j = 0; j < RecordedColumns() && d < last && d < pageEnd; ++j) row.push_back({j, ++d});
    DrawRow(row);
  }
}

void InvoicePainter::DrawColumnCountRows(std::int64_t b, std::int64_t pageEnd) {
  const std::int64_t last = static_cast<std::int64_t>(detail_.size()) - 1;
  const std::int64_t cols = detail_column_count_;
  // Without fields no column ends the rows: they end where the next row would start beyond
  // the data or the page, which is also where a column would end them.
  while (b <= last && b <= pageEnd) {
    std::vector<RowCell> row;
    bool blockEnds = false;
    for (std::size_t j = 0; j < RecordedColumns(); ++j) {
      const std::int64_t cell = b + ColumnLayout(j).dataIndex;
      if (cell < 0 || cell > last || cell > pageEnd) {
        blockEnds = true;
        break;
      }
      row.push_back({j, cell});
    }
    // A row whose first column already lies beyond the data or the page is not begun.
    if (row.empty() && blockEnds) return;
    MovePen(0, LineHeight());
    DrawRow(row);
    if (blockEnds) return;
    b += cols;
  }
}

void InvoicePainter::DrawLockedColumnCountRows(std::int64_t &b, std::int64_t pageEnd) {
  const std::int64_t last = static_cast<std::int64_t>(detail_.size()) - 1;
  const std::int64_t cols = detail_column_count_;
  while (b <= last && b <= pageEnd) {
    MovePen(0, LineHeight());
    std::vector<RowCell> row;
    for (std::size_t j = 0; j < RecordedColumns(); ++j) {
      const std::int64_t cell = b + ColumnLayout(j).dataIndex;
      if (cell < 0 || cell > last || cell > pageEnd) break;
      row.push_back({j, cell});
    }
    DrawRow(row);
    b += cols;
  }
}

void InvoicePainter::DrawRow(const std::vector<RowCell> &cells) {
  if (!line_lock_) {
    SetFontColor(text_color_);
    for (const TStaticPiece &piece : static_pieces_) DrawText(piece.x, pen_y_, piece.text, piece.at);
    SetFontColor(field_color_);
    for (const RowCell &cell : cells) {
      const TCellRecord &layout = ColumnLayout(cell.column);
      DrawText(layout.x, pen_y_, ColumnText(cell.column, cell.cell), layout.at, false,
               {TInvoiceSection::Detail, cell.cell});
    }
    return;
  }
  // Under line lock static piece j stands before column j and the last piece closes the row.
  line_text_.Clear();
  SetFontColor(text_color_);
  for (const RowCell &cell : cells) {
    if (cell.column < static_pieces_.size()) line_text_.Append(static_pieces_[cell.column].text);
    line_text_.Append(ColumnText(cell.column, cell.cell));
  }
  DrawText(left_margin_, pen_y_,
           static_pieces_.empty() ? line_text_.Text() : line_text_.Text() + static_pieces_.back().text,
           cells.empty() ? TemplatePosition{} : ColumnLayout(cells.front().column).at);
}

}  // namespace iv
