#pragma once
// What FormatShow.ini gives the invoice screen for a business key, checked as the screen reads
// it: the file, the key's section, the template file it names and the invoice in that file.
// Any of them missing leaves the screen without an invoice, and the invoice's own log says
// little more than "not found"; each problem here names the key, the file and what to do.
#include <string>
#include <vector>

#include "platform/diagnostics/problem.h"
#include "platform/ini/ini_file.h"

namespace iv {

// `settingsFolder` is where the screen reads FormatShow.ini and the templates (SettingsFolder);
// `settings` is FormatShow.ini as the caller has read it (empty when the file is missing).
std::vector<Problem> CheckInvoiceSettings(const std::string &settingsFolder, const IniFile &settings,
                                          const std::string &businessKey);

}  // namespace iv
