#pragma once
// The checks of a kiosk folder, the current directory, each read with the library's own readers.
// Problems go to the report; nothing is written into the kiosk folder.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fs/user_access.h"
#include "host/data_file.h"
#include "platform/ini/ini_file.h"
#include "tools/invoice_render/invoice_inputs.h"
#include "tools/kiosk_check/check_report.h"

namespace iv::check {

// INI/ (false without it: nothing else can be read), Log/ and ErrorLog/.
bool CheckFolders(CheckReport &report);

// Sys.xml: parses, every parameter the library reads present in a numbered item and in the
// form its conversion takes; SCConf.xml parses.
void CheckSystemParameters(CheckReport &report);

// A settings text file (INI/...): readable as GBK, within the size the library reads, and its
// settings; nothing when it is missing (which the caller reports).
struct SettingsText {
  bool present = false;
  IniFile settings{""};
};
SettingsText ReadSettingsText(CheckReport &report, const std::string &file);

// A transaction file (--data) as the screen gets it for its business key: the host's data, and
// the head, detail and tail values the screen prepares from it with FormatShow.ini.
struct Transaction {
  std::string businessKey;
  std::string file;
  host::TransactionData data;
  SectionTables values;
};
// Nothing, the reason reported, when the file cannot be read.
std::optional<Transaction> ReadTransaction(CheckReport &report, const std::string &businessKey,
                                           const std::string &dataFile, const IniFile &formatShow);

// FormatShow.ini's sections for the business keys: names, template, invoice and its
// lint, IsDetail, field lines. The templates are looked for in `settingsFolder`. The
// transaction's key has its template judged on the pages of its data, and its detail data
// checked against it.
void CheckDisplaySettings(CheckReport &report, const std::string &settingsFolder, const IniFile &formatShow,
                          const std::vector<std::string> &keys, const Transaction *transaction = nullptr);

// The transaction's detail layout (I43) and data (I44) against IsDetail and the template's
// detail block (its invoice `invoiceName` in `templatePath`, none when empty), each fault at
// the entry's line.
void CheckDetailData(CheckReport &report, const Transaction &transaction, const IniFile &formatShow,
                     const std::string &templatePath, const std::string &invoiceName);

// print.ini's sections: IsPrint and the print lines.
void CheckPrintSettings(CheckReport &report, const IniFile &print, const std::vector<std::string> &keys);

// The numbered lines "0", "1", ... of a section that the library reads, and a warning for each
// numbered key after the gap where reading stops.
std::vector<const IniFile::Entry *> NumberedLines(CheckReport &report, const std::string &file, const IniFile &settings,
                                                  const std::string &key);

// The four skins in `folder`: found, decodable, their sizes, their covering colour.
void CheckSkins(CheckReport &report, const std::string &folder);
// What the screen shows where the host could not load the skin `name`.
std::string ScreenWithoutSkin(std::string_view name, bool menuBackLoads);

// Every file and folder the kiosk reads (settings, the keys' templates and their pictures, the
// skins in `skins` unless empty) and writes (the logs) as `user` may use them.
void CheckUserAccess(CheckReport &report, const UserAccount &user, const IniFile &formatShow,
                     const std::vector<std::string> &keys, const std::string &skins);

// Prints what the screen and the receipt get from the transaction, with the print.ini the
// check has read.
void PreviewTransaction(std::ostream &out, const Transaction &transaction, const IniFile &print);

}  // namespace iv::check
