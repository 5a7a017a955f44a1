#pragma once
// A local calendar date and time of day as the clock label and the weekday
// step use it; the Windows side fills it from GetLocalTime (win/local_time.h).
namespace tabulo {

struct DateTime {
  int year = 0;
  int month = 0;   // 1..12
  int day = 0;     // 1..31
  int hour = 0;    // 0..23
  int minute = 0;
  int second = 0;
  int weekday = 0;  // 0 = Sunday .. 6 = Saturday
};

}  // namespace tabulo
