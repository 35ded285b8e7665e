// A transaction's data file as the screen gets it for its business key.
#include <optional>

#include "checks/kiosk/kiosk_checks.h"
#include "forms/Func_Lib.h"
#include "forms/field_values.h"
#include "host/data_file.h"

namespace iv::check {

std::optional<Transaction> ReadTransaction(ProblemList &problems, const std::string &businessKey,
                                           const std::string &dataFile, const IniFile &formatShow) {
  Transaction transaction{businessKey, dataFile, {}, {}};
  try {
    transaction.data = host::ReadTransactionData(dataFile);
  } catch (const host::DataFileError &error) {
    problems.Error(dataFile, error.line, error.what(), businessKey);
    return std::nullopt;
  }
  // As the invoice screen prepares them: 100 head and tail values, the detail cells.
  SectionTables &values = transaction.values;
  values.head.assign(kFieldValueCount, "");
  values.tail.assign(kFieldValueCount, "");
  try {
    LoadFieldValues(formatShow, businessKey, transaction.data.in, transaction.data.out, values.head, values.detail);
  } catch (const ConversionError &error) {
    // A detail width is the host's to fix, a field line's target FormatShow.ini's.
    const int isDetail = formatShow.ReadInteger(businessKey, "IsDetail", 0);
    const DataLayout layout = ReadDataLayout(transaction.data.in[kLayoutIndex]);
    if ((isDetail == 1 || isDetail == 2) && layout.hasDetailLayout && !DetailWidthsAreNumbers(layout))
      problems.Error(
          dataFile, transaction.data.inLine[kLayoutIndex],
          "I43: " + std::string(error.what()) +
              ": the screen cuts no detail rows and applies none of FormatShow.ini's field lines; write each "
              "width in three digits",
          businessKey);
    else
      problems.Error("INI/FormatShow.ini", 0, std::string(error.what()) + ": the field values stop there", businessKey);
  }
  return transaction;
}

}  // namespace iv::check
