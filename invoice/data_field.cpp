// Data fields: reading them, binding them to the cells, and filling the cell tables.
#include "invoice/field_text.h"
#include "invoice/invoice_painter.h"
#include "platform/text/dbcs.h"
#include "platform/text/separated_fields.h"
#include "platform/text/trim.h"

namespace iv {
namespace {

void FillTable(std::vector<TCellRecord> &table, const std::vector<std::string> &values) {
  if (values.empty()) return;
  table.resize(values.size());
  for (std::size_t i = 0; i < values.size(); ++i) table[i].value = values[i].substr(0, kMaxCellBytes);
}

void RecordColumnLayout(TCellRecord &column, std::int32_t x, const std::string &widthText, TemplatePosition at) {
  column.x = x;
  column.at = at;
  column.width = DigitsValue(widthText);
  column.alignmentMark = widthText.front();
}

// The value of `cell` when the table has it.
const std::string *CellValue(const std::vector<TCellRecord> &table, std::int64_t cell) {
  if (cell < 0 || cell >= static_cast<std::int64_t>(table.size())) return nullptr;
  return &table[static_cast<std::size_t>(cell)].value;
}

}  // namespace

void InvoicePainter::SetInvoiceData(const std::vector<std::string> &head, const std::vector<std::string> &detail,
                                    const std::vector<std::string> &tail, std::int32_t showAlways) {
  if (head.empty() && detail.empty() && tail.empty() && showAlways == 0) {
    no_data_ = true;
    return;
  }
  no_data_ = false;
  FillTable(head_, head);
  FillTable(detail_, detail);
  FillTable(tail_, tail);
  data_given_ = true;
}

int InvoicePainter::ExecuteDataField(std::string &element) {
  if (element.front() == '{' && element.back() == '}') {
    element.replace(element.size() - 1, 1, "^[");
    element.replace(0, 1, "^[");
  }
  CutAtSeparator('(', element);  // the label only names the field for the template's reader
  const std::string indexText = CutAtSeparator(',', element);
  const std::string widthText = CutAtSeparator('^', element);
  if (indexText.empty() || widthText.empty()) return kFormatError;

  DrawnCell cell;
  const std::string value = BindField(indexText, widthText, cell);
  line_text_.Append(value);
  if (!line_lock_) {
    DrawText(pen_x_, pen_y_, value, element_start_, false, cell);
    PlaceAfterLineText();
  }
  return 0;
}

std::string InvoicePainter::BindField(const std::string &indexText, const std::string &widthText, DrawnCell &cell) {
  const std::int32_t index = DigitsValue(indexText);
  SetFontColor(field_color_);

  std::string value;
  const std::vector<TCellRecord> *ownTable = section_ == TInvoiceSection::Head   ? &head_
                                             : section_ == TInvoiceSection::Tail ? &tail_
                                                                                 : nullptr;
  if (ownTable != nullptr) {
    cell = {section_, index};
    if (const std::string *bound = CellValue(*ownTable, index)) value = Trim(*bound);
  }

  const std::string upperIndex = UpperCaseGbk(indexText);
  const bool pageField = upperIndex.find("PAGE") != std::string::npos;
  if (upperIndex.find("PAGES") != std::string::npos) {
    value = std::to_string(page_count_);
    cell = {};
  } else if (pageField) {
    value = std::to_string(current_page_);
    cell = {};
  } else if (ownTable != nullptr) {
    WarnBeyondData(index, *ownTable, section_ == TInvoiceSection::Head ? "head" : "tail");
  }

  if (section_ == TInvoiceSection::Detail && !detail_.empty()) {
    const std::int32_t k = field_counter_;
    if (detail_column_count_ == 0) {
      if (static_cast<std::size_t>(k) < detail_.size()) {
        TCellRecord &column = detail_[static_cast<std::size_t>(k)];
        RecordColumnLayout(column, pen_x_, widthText, element_start_);
        column.y = pen_y_;
        if (const std::string *bound = CellValue(detail_, k + first_cell_)) {
          value = *bound;
          cell = {section_, k + first_cell_};
        }
        ++field_counter_;
      }
    } else if (k < detail_column_count_) {
      if (!pageField) WarnBeyondData(index, detail_, "detail");
      if (column_table_.size() <= static_cast<std::size_t>(k)) column_table_.resize(static_cast<std::size_t>(k) + 1);
      TCellRecord &column = column_table_[static_cast<std::size_t>(k)];
      RecordColumnLayout(column, pen_x_, widthText, element_start_);
      column.dataIndex = index;
      if (const std::string *bound = CellValue(detail_, std::int64_t{index} + first_cell_)) {
        value = *bound;
        cell = {section_, std::int64_t{index} + first_cell_};
      }
      ++field_counter_;
    }
  }

  return AlignToWidth(value, DigitsValue(widthText), widthText.front() == '-' ? "-" : " ", ' ');
}

void InvoicePainter::WarnBeyondData(std::int32_t index, const std::vector<TCellRecord> &table,
                                    std::string_view section) {
  // A table that was given no data is empty on purpose: a preview without data files.
  if (!problem_observer_ || table.empty() || static_cast<std::size_t>(index) < table.size()) return;
  Warn(element_start_, "field index " + std::to_string(index) + " is beyond the " + std::string(section) +
                           " data given (cells 0 to " + std::to_string(table.size() - 1) + ")");
}

}  // namespace iv
