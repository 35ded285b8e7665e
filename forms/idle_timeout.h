#pragma once
// The screen's optional time-out: IdleTimeout=N in the business key's section of FormatShow.ini
// closes the screen N seconds after the customer's last key or touch, as Escape does. Missing,
// 0, below 0 or not a number: no time-out, the screen stays until the customer leaves it.
#include <cstdint>
#include <string>

#include "platform/ini/ini_file.h"

namespace iv {

// The key of the time-out in the business key's section.
inline constexpr const char *kIdleTimeoutKey = "IdleTimeout";

// The longest time-out the screen's timer can hold, in seconds (about 49 days).
inline constexpr std::int32_t kLongestIdleTimeout = 4294967;

// The time-out in seconds (at most kLongestIdleTimeout), 0 when there is none.
std::int32_t IdleTimeoutSeconds(const IniFile &settings, const std::string &businessKey);

}  // namespace iv
