#include "checks/settings/idle_timeout_check.h"

#include "forms/idle_timeout.h"

namespace iv {
namespace {

// Shorter than a customer needs to read a bill; longer than a kiosk visit lasts.
constexpr std::int32_t kShortestSensible = 10;
constexpr std::int32_t kLongestSensible = 24 * 60 * 60;

}  // namespace

std::vector<Problem> CheckIdleTimeout(const std::string &settingsPath, const IniFile &settings,
                                      const std::string &businessKey) {
  const IniFile::Entry *entry = settings.FindEntry(businessKey, kIdleTimeoutKey);
  if (entry == nullptr) return {};
  const std::string written = "[" + businessKey + "] " + entry->key + "=" + entry->value;
  const std::string remedy = "; write the seconds, such as " + entry->key + "=120, or 0 for none";
  const std::int32_t seconds = settings.ReadInteger(businessKey, kIdleTimeoutKey, -1);
  std::string problem;
  if (seconds == -1 && settings.ReadInteger(businessKey, kIdleTimeoutKey, 0) == 0)
    problem = written + " is not a whole number of seconds, so the screen has no time-out" + remedy;
  else if (seconds < 0)
    problem = written + " is below 0, so the screen has no time-out" + remedy;
  else if (seconds > 0 && seconds < kShortestSensible)
    problem = written + " closes the screen " + std::to_string(seconds) +
              " s after the customer's last key or touch, too soon to read a bill; 60 to 300 s are usual";
  else if (seconds > kLongestSensible)
    problem = written + " is more than a day: the value counts seconds, not milliseconds" +
              (seconds > kLongestIdleTimeout
                   ? ", and the screen closes after " + std::to_string(kLongestIdleTimeout) + " s at the latest"
                   : std::string());
  if (problem.empty()) return {};
  return {{Problem::Severity::Warning, settingsPath, entry->line, 0, problem}};
}

}  // namespace iv
