#pragma once
// The checks of the kiosk's settings: Sys.xml, FormatShow.ini's sections and their templates,
// print.ini's sections. Places are relative to the kiosk folder, the current directory.
#include <string>
#include <vector>

#include "checks/kiosk/kiosk_checks.h"
#include "checks/problem_list.h"
#include "platform/ini/ini_file.h"

namespace iv::check {

// Sys.xml: parses, every parameter the library reads present in a numbered item and in the
// form its conversion takes; SCConf.xml parses.
void CheckSystemParameters(ProblemList &problems);

// FormatShow.ini's sections for the business keys: names, template, invoice and its
// lint, IsDetail, field lines. The templates are looked for in `settingsFolder`. The
// transaction's key has its template judged on the pages of its data, and its detail data
// checked against it.
void CheckDisplaySettings(ProblemList &problems, const std::string &settingsFolder, const IniFile &formatShow,
                          const std::vector<std::string> &keys, const Transaction *transaction = nullptr);

// print.ini's sections: IsPrint and the print lines.
void CheckPrintSettings(ProblemList &problems, const IniFile &print, const std::vector<std::string> &keys);

// The numbered lines "0", "1", ... of a section that the library reads, and a warning for each
// numbered key after the gap where reading stops.
std::vector<const IniFile::Entry *> NumberedLines(ProblemList &problems, const std::string &file,
                                                  const IniFile &settings, const std::string &key);

}  // namespace iv::check
