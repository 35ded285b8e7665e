#include "tools/kiosk_check/transaction_preview.h"

#include <optional>
#include <ostream>

#include "config/UTSysCs.h"
#include "config/settings_file.h"
#include "config/xml_document.h"
#include "config/xml_error.h"
#include "forms/Func_Lib.h"
#include "forms/field_values.h"
#include "forms/print_text.h"
#include "platform/fs/paths.h"
#include "platform/text/gbk.h"

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
