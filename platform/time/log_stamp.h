#pragma once
#include <ctime>
#include <string>

namespace iv {

// "YYYYMMDD--hh:nn:ss", the stamp of both error logs.
std::string LogStamp(const std::tm &local);
std::string LogStamp();  // of the current local time

}  // namespace iv
