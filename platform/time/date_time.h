#pragma once
// A local calendar moment, as the kiosk prints it.

namespace iv {

struct DateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;   // 0..23
  int minute = 0;
  int second = 0;
  int millisecond = 0;
};

DateTime Now();

// 0 for Sunday up to 6 for Saturday (proleptic Gregorian calendar).
int DayOfWeek(const DateTime &moment);

}  // namespace iv
