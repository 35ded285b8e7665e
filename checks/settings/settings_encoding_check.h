#pragma once
// The invoice screen's text files, FormatShow.ini, print.ini and the business key's template,
// are read as GBK. One an editor saved as UTF-16 or UTF-8 shows other characters or nothing,
// and the logs only say what is then missing; each such file is named here with the encoding
// found and how to save it as GBK.
#include <string>
#include <vector>

#include "platform/diagnostics/problem.h"

namespace iv {

// `templateFile` as FormatShow.ini's DisPlayIniFile names it (empty: no template).
std::vector<Problem> CheckSettingsEncodings(const std::string &settingsFolder, const std::string &templateFile);

}  // namespace iv
