#pragma once

#include <string>

namespace reports {

// A moment as the clock gives it: calendar date and 24-hour time, local time.
struct DateTime {
    int year = 2000;
    int month = 1;  // 1 = January
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "dd mmmm yyyy, hh:mm:ss" with the English month name: "04 December 2026, 03:40:00".
std::string dateLine(const DateTime& moment);

// True when the fields name a real day of the Gregorian calendar and a time of day.
bool isValidDateTime(const DateTime& moment);

// The present local time.
DateTime localNow();

} // namespace reports
