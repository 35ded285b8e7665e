// The host's detail layout (I43) against its detail data (I44), IsDetail and the template's
// detail block: what the screen would show of a transaction that passes every file's own check.
#include <cstdint>
#include <string>

#include "checks/kiosk/kiosk_checks.h"
#include "forms/Func_Lib.h"
#include "forms/field_values.h"
#include "invoice/page_renderer.h"
#include "platform/text/integers.h"

namespace iv::check {
namespace {

std::string Bytes(std::size_t n) { return std::to_string(n) + (n == 1 ? " byte" : " bytes"); }
std::string Cells(std::size_t n) { return std::to_string(n) + (n == 1 ? " cell" : " cells"); }

// The cells one detail row of the template takes, from a paint of its first page with the
// transaction's values, as the screen paints it; 0 when it has no detail block.
std::int64_t TemplateDetailColumns(const Transaction &transaction, const std::string &templatePath,
                                   const std::string &invoiceName) {
  PageRequest request;
  request.templatePath = templatePath;
  PageRenderer renderer(request, nullptr);
  renderer.Painter().SetWritesErrorLog(false);
  renderer.SetInvoice(invoiceName, transaction.values, false);
  renderer.Paint();
  return renderer.Painter().DetailColumns();
}

class DetailDataCheck {
 public:
  DetailDataCheck(ProblemList &problems, const Transaction &transaction)
      : problems_(problems),
        transaction_(transaction),
        layout_text_(transaction.data.in[kLayoutIndex]),
        data_(transaction.data.in[kDetailDataIndex]),
        layout_(ReadDataLayout(layout_text_)) {}

  // IsDetail 1: I44 holds one head record.
  void CheckHeadRecord() {
    if (layout_.hasDetailLayout) {
      AtLayout(
          "I43 has a detail layout after its '*', but IsDetail=1 asks for head values: the screen's head "
          "values become the detail cells, row after row, and its head fields show cells of the rows; send "
          "I43 without the '*' and the rows' layout, or set IsDetail=2 in FormatShow.ini");
      return;
    }
    const std::int64_t width = WidthSum(layout_.headWidths);
    if (!WidthsCut(width, "head", "head values")) return;
    const auto record = static_cast<std::size_t>(width);
    if (data_.size() > record)
      AtData("I44 is " + Bytes(data_.size()) + ", but I43's head widths describe a record of " + Bytes(record) +
             ": the screen never shows the other " + Bytes(data_.size() - record) +
             "; give I43 a width for each field of I44, or send only the head record");
    else if (data_.size() < record)
      AtData("I44 is " + Bytes(data_.size()) + ", shorter than the head record of " + Bytes(record) +
             " that I43's head widths describe: the screen's last head values are cut short or empty; make I44 and "
             "I43's widths agree");
  }

  // IsDetail 2: I44 holds the head record, then rows. Gives the row's column count when the
  // rows are cut as the layout means them, 0 otherwise.
  std::size_t CheckRows() {
    if (!layout_.hasDetailLayout) {
      RowsWithoutDetailLayout();
      return 0;
    }
    if (!DetailWidthsAreNumbers(layout_)) return 0;
    const std::int64_t rowWidth = WidthSum(layout_.detailWidths);
    if (!WidthsCut(rowWidth, "detail", "detail rows")) return 0;
    const auto head = static_cast<std::size_t>(WidthSum(layout_.headWidths));
    const std::size_t rowsText = data_.size() > head ? data_.size() - head : 0;
    const std::size_t lastRow = rowsText % static_cast<std::size_t>(rowWidth);
    if (lastRow != 0) {
      const std::string after = head == 0 ? "" : " after its head record of " + Bytes(head);
      AtData("I44 holds " + Bytes(rowsText) + " of rows" + after + ", not a whole number of rows of " +
             Bytes(static_cast<std::size_t>(rowWidth)) + " (the sum of I43's detail widths): the screen's row " +
             std::to_string(rowsText / static_cast<std::size_t>(rowWidth) + 1) + " gets only " + Bytes(lastRow) +
             ", its last cells cut short or empty (a wrong width in I43 also cuts every row in the wrong places); make "
             "I43's widths and I44's rows agree");
    }
    return layout_.detailWidths.size();
  }

  // More or fewer columns than a row of the template's detail block takes: each row then
  // starts where the cells of the one before leave off.
  void CheckColumns(std::size_t columns, std::int64_t drawn, const std::string &invoice) {
    if (columns == 0 || drawn <= 0 || static_cast<std::int64_t>(columns) == drawn) return;
    const std::string count = std::to_string(drawn);
    const std::string shift =
        static_cast<std::int64_t>(columns) > drawn
            ? "so the cells after the first " + count + " of each row of I44 stand in the next row's first columns"
            : "so each row of the screen also takes the first cells of I44's next row";
    AtLayout("I43's detail layout has " + std::to_string(columns) + " columns, but a row of invoice " + invoice +
             "'s detail block takes " + Cells(static_cast<std::size_t>(drawn)) + " (FPMX(" + count +
             ") or its detail fields): the screen's rows are cut every " + Cells(static_cast<std::size_t>(drawn)) +
             ", " + shift +
             " (a month in the amount's column); make the layout's columns and the detail block's "
             "agree");
  }

 private:
  void AtLayout(const std::string &message) { At(kLayoutIndex, message); }
  void AtData(const std::string &message) { At(kDetailDataIndex, message); }
  void At(std::size_t entry, const std::string &message) {
    problems_.Warning(transaction_.file, transaction_.data.inLine[entry], message, transaction_.businessKey);
  }

  bool WidthsCut(std::int64_t width, const std::string &which, const std::string &shown) {
    if (width > 0 || data_.empty()) return true;
    AtLayout("I43's " + which + " widths sum to " + std::to_string(width) + ": the screen cuts nothing of I44's " +
             Bytes(data_.size()) + " and shows no " + shown +
             "; give each column its width in three digits (for instance 010) after the two-digit column count");
    return false;
  }

  // IsDetail 2 with no layout after a '*': the head layout's one record becomes the only row.
  void RowsWithoutDetailLayout() {
    if (layout_text_.empty()) {
      if (!data_.empty())
        AtData("I44 holds " + Bytes(data_.size()) +
               " of detail data, but there is no I43 to cut it: the screen shows no detail rows; send the "
               "layout in I43 (*, the column count, the widths)");
      return;
    }
    const auto record = static_cast<std::size_t>(std::max<std::int64_t>(WidthSum(layout_.headWidths), 0));
    const std::string unused = data_.size() > record && record > 0
                                   ? " instead of the " + std::to_string((data_.size() + record - 1) / record) +
                                         " rows of " + Bytes(record) + " that I44 holds; the other " +
                                         Bytes(data_.size() - record) + " are not shown"
                                   : "";
    const std::string shown = "IsDetail=2 shows its one record of " + Bytes(std::min(record, data_.size())) +
                              " as 1 detail row of " + Cells(layout_.headWidths.size()) + unused;
    if (!layout_.hasDetailMark)
      AtLayout("I43 has no '*', so its widths are read as a head layout: " + shown + "; begin I43 with '*' (I43=*" +
               layout_text_.substr(0, 2) + "...) when it describes the detail rows");
    else
      AtLayout("I43 has no detail layout after its '*', only a head layout: " + shown +
               "; write the rows' column count and widths after the '*'");
  }

  ProblemList &problems_;
  const Transaction &transaction_;
  const std::string &layout_text_;
  const std::string &data_;
  const DataLayout layout_;
};

}  // namespace

void CheckDetailData(ProblemList &problems, const Transaction &transaction, const IniFile &formatShow,
                     const std::string &templatePath, const std::string &invoiceName) {
  DetailDataCheck check(problems, transaction);
  switch (formatShow.ReadInteger(transaction.businessKey, "IsDetail", 0)) {
    case 1: check.CheckHeadRecord(); break;
    case 2: {
      const std::size_t columns = check.CheckRows();
      if (columns > 0 && !templatePath.empty())
        check.CheckColumns(columns, TemplateDetailColumns(transaction, templatePath, invoiceName), invoiceName);
      break;
    }
    default: break;  // I43 and I44 are not read
  }
}

}  // namespace iv::check
