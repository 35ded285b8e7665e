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

void PreviewTransaction(CheckReport &report, std::ostream &out, const std::string &businessKey,
                        const std::string &dataFile, const IniFile &formatShow, const IniFile &print) {
  host::TransactionData data;
  try {
    data = host::ReadTransactionData(dataFile);
  } catch (const std::exception &error) {
    report.Error(dataFile, 0, error.what(), businessKey);
    return;
  }
  // The receipt's title is the bank name of the system parameters: they are read as a call
  // reads them, once Sys.xml is known to load without a record in the kiosk's log.
  std::optional<TSysCs> loaded;
  const TSysCs *parameters = SystemFileLoads() ? &loaded.emplace() : nullptr;

  dystring head(kFieldValueCount), detail;
  try {
    LoadFieldValues(formatShow, businessKey, data.in, data.out, head, detail);
  } catch (const ConversionError &error) {
    report.Error("INI/FormatShow.ini", 0, std::string(error.what()) + ": the field values stop there", businessKey);
  }
  out << "== " << GbkToUtf8(businessKey) << ": head values\n";
  for (std::size_t i = 0; i < head.size(); ++i)
    if (!head[i].empty()) out << "  " << i << ": " << GbkToUtf8(head[i]) << "\n";
  out << "== " << GbkToUtf8(businessKey) << ": detail cells (" << detail.size() << ")\n";
  for (std::size_t i = 0; i < detail.size(); ++i) out << "  " << i << ": " << GbkToUtf8(detail[i]) << "\n";
  std::string receipt;
  out << "== " << GbkToUtf8(businessKey) << ": receipt\n";
  const ReceiptSources sources{data.in, data.out, head, BankName(parameters)};
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
