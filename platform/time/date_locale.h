#pragma once
// The names and formats a date-time pattern draws on, in GBK.
#include <array>
#include <string>

namespace iv {

struct DateLocale {
  std::array<std::string, 12> shortMonthNames;
  std::array<std::string, 12> longMonthNames;
  std::array<std::string, 7> shortDayNames;  // Sunday first
  std::array<std::string, 7> longDayNames;
  std::string dateSeparator;
  std::string timeSeparator;
  std::string timeAm;
  std::string timePm;
  std::string shortDateFormat;
  std::string longDateFormat;
  std::string shortTimeFormat;
  std::string longTimeFormat;
  std::string eraName;  // of the Gregorian calendar, whose era year is the year
};

// Chinese (PRC), the kiosk's locale.
const DateLocale &ChineseLocale();

}  // namespace iv
