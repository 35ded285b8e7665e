#pragma once
// What an operator may not mean by a business key's IdleTimeout in FormatShow.ini.
#include <string>
#include <vector>

#include "platform/diagnostics/problem.h"
#include "platform/ini/ini_file.h"

namespace iv {

// What an operator may not mean by the business key's IdleTimeout (warnings at its line of
// `settingsPath`).
std::vector<Problem> CheckIdleTimeout(const std::string &settingsPath, const IniFile &settings,
                                      const std::string &businessKey);

}  // namespace iv
