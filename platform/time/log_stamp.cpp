#include "platform/time/log_stamp.h"

#include <cstdio>

namespace iv {

std::string LogStamp(const std::tm &t) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d%02d%02d--%02d:%02d:%02d", t.tm_year + 1900, t.tm_mon + 1,
                t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
  return text;
}

std::string LogStamp() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return LogStamp(local);
}

}  // namespace iv
