#pragma once
// What FormatShow.ini gives the invoice screen for a business key, checked as the screen reads
// it: the file, the key's section, the template file it names and the invoice in that file.
// Any of them missing leaves the screen without an invoice, and the invoice's own log says
// little more than "not found"; each problem here names the key, the file and what to do.
#include <string>
#include <vector>

#include "platform/diagnostics/diagnostic.h"

namespace iv {

// `settingsFolder` is where the screen reads FormatShow.ini and the templates (SettingsFolder).
std::vector<Diagnostic> CheckInvoiceSettings(const std::string &settingsFolder, const std::string &businessKey);

}  // namespace iv
