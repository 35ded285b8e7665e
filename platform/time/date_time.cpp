#include "platform/time/date_time.h"

#include <cstdint>
#include <ctime>

namespace iv {

DateTime Now() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm local{};
  localtime_r(&now.tv_sec, &local);
  return {local.tm_year + 1900,
          local.tm_mon + 1,
          local.tm_mday,
          local.tm_hour,
          local.tm_min,
          local.tm_sec,
          static_cast<int>(now.tv_nsec / 1'000'000)};
}

int DayOfWeek(const DateTime &moment) {
  // Days since 1970-01-01 (a Thursday) by the civil-calendar count; 64-bit so that any field
  // values stay defined.
  const std::int64_t month = moment.month;
  const std::int64_t year = std::int64_t{moment.year} - (month <= 2);
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + moment.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  const std::int64_t days = era * 146097 + dayOfEra - 719468;
  return static_cast<int>(((days + 4) % 7 + 7) % 7);
}

}  // namespace iv
