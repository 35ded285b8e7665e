#pragma once
// The folders of a kiosk folder that the library reads and writes (INI, Log, ErrorLog). The
// library creates none of them, and without one it goes on in silence: each missing folder is
// told here with what it costs and what to do.
#include <string>
#include <vector>

#include "platform/diagnostics/problem.h"

namespace iv {

std::vector<Problem> CheckKioskFolders(const std::string &kioskFolder);

}  // namespace iv
