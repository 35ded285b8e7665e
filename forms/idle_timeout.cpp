#include "forms/idle_timeout.h"

#include <algorithm>

namespace iv {

std::int32_t IdleTimeoutSeconds(const IniFile &settings, const std::string &businessKey) {
  return std::clamp(settings.ReadInteger(businessKey, kIdleTimeoutKey, 0), 0, kLongestIdleTimeout);
}

}  // namespace iv
