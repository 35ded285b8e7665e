#pragma once
#include <string_view>

namespace iv {

// The library's own log, ./Log/ErrorLog.txt, started afresh once it reaches 51200 bytes.
// The Log folder is never created: without it the record is lost. Never throws.
bool WriteErrorLog(std::string_view message);

}  // namespace iv
