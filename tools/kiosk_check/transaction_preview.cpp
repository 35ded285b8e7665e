// What the screen and the receipt get from one transaction, for the integrator to read.
#include <optional>
#include <ostream>

#include "config/UTSysCs.h"
#include "config/settings_file.h"
#include "config/xml_document.h"
#include "config/xml_error.h"
#include "forms/Func_Lib.h"
#include "forms/field_values.h"
#include "forms/print_text.h"
#include "host/data_file.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"
#include "tools/kiosk_check/kiosk_checks.h"

namespace iv::check {
namespace {

bool SystemFileLoads() {
  const std::string path = ResolvePath("INI/Sys.xml");
  if (!FileExists(path) || SettingsFileTooLarge(path)) return false;
  try {
    ParseXmlFile(path);
    return true;
  } catch (const XmlLoadError &) {
    return false;
  }
}

}  // namespace

std::optional<Transaction> ReadTransaction(CheckReport &report, const std::string &businessKey,
                                           const std::string &dataFile, const IniFile &formatShow) {
  Transaction transaction{businessKey, dataFile, {}, {}};
  try {
    transaction.data = host::ReadTransactionData(dataFile);
  } catch (const host::DataFileError &error) {
    report.Error(dataFile, error.line, error.what(), businessKey);
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
      report.Error(dataFile, transaction.data.inLine[kLayoutIndex],
                   "I43: " + std::string(error.what()) +
                       ": the screen cuts no detail rows and applies none of FormatShow.ini's field lines; write each "
                       "width in three digits",
                   businessKey);
    else
      report.Error("INI/FormatShow.ini", 0, std::string(error.what()) + ": the field values stop there", businessKey);
  }
  return transaction;
}

void PreviewTransaction(std::ostream &out, const Transaction &transaction, const IniFile &print) {
  // The receipt's title is the bank name of the system parameters: they are read as a call
  // reads them, once Sys.xml is known to load without a record in the kiosk's log.
  std::optional<TSysCs> loaded;
  const TSysCs *parameters = SystemFileLoads() ? &loaded.emplace() : nullptr;

  const std::string &businessKey = transaction.businessKey;
  const dystring &head = transaction.values.head, &detail = transaction.values.detail;
  out << "== " << GbkToUtf8(businessKey) << ": head values\n";
  for (std::size_t i = 0; i < head.size(); ++i)
    if (!head[i].empty()) out << "  " << i << ": " << GbkToUtf8(head[i]) << "\n";
  out << "== " << GbkToUtf8(businessKey) << ": detail cells (" << detail.size() << ")\n";
  for (std::size_t i = 0; i < detail.size(); ++i) out << "  " << i << ": " << GbkToUtf8(detail[i]) << "\n";
  std::string receipt;
  out << "== " << GbkToUtf8(businessKey) << ": receipt\n";
  const ReceiptSources sources{transaction.data.in, transaction.data.out, head, BankName(parameters)};
  if (!BuildPrintText(print, businessKey, sources, HostLink::Current(), receipt)) {
    out << "  (printing is off: IsPrint is 0 or missing)\n";
    return;
  }
  std::string line;
  for (char c : GbkToUtf8(receipt)) {
    if (c == '\n') {
      out << "  " << line << "\n";
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
}

}  // namespace iv::check
