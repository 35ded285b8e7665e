#pragma once
// The checks of the kiosk folder (the current directory) and of a transaction's data, each read
// with the library's own readers. Problems go to the list; nothing is written into the folder.
#include <optional>
#include <string>

#include "checks/problem_list.h"
#include "host/data_file.h"
#include "invoice/invoice_inputs.h"
#include "platform/ini/ini_file.h"

namespace iv::check {

// INI/ (false without it: nothing else can be read), Log/ and ErrorLog/.
bool CheckFolders(ProblemList &problems);

// A settings text file (INI/...): readable as GBK, within the size the library reads, and its
// settings; nothing when it is missing (which the caller reports).
struct SettingsText {
  bool present = false;
  IniFile settings{""};
};
SettingsText ReadSettingsText(ProblemList &problems, const std::string &file);

// A transaction file (--data) as the screen gets it for its business key: the host's data, and
// the head, detail and tail values the screen prepares from it with FormatShow.ini.
struct Transaction {
  std::string businessKey;
  std::string file;
  host::TransactionData data;
  SectionTables values;
};
// Nothing, the reason reported, when the file cannot be read.
std::optional<Transaction> ReadTransaction(ProblemList &problems, const std::string &businessKey,
                                           const std::string &dataFile, const IniFile &formatShow);

// The transaction's detail layout (I43) and data (I44) against IsDetail and the template's
// detail block (its invoice `invoiceName` in `templatePath`, none when empty), each fault at
// the entry's line.
void CheckDetailData(ProblemList &problems, const Transaction &transaction, const IniFile &formatShow,
                     const std::string &templatePath, const std::string &invoiceName);

}  // namespace iv::check
