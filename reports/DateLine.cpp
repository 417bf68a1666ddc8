#include "reports/DateLine.h"

#include <algorithm>
#include <ctime>

namespace reports {
namespace {

constexpr const char* kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

// At least `width` digits, with leading zeros.
std::string digits(int value, std::size_t width)
{
    std::string text = std::to_string(value);
    if (text.size() < width)
        text.insert(0, width - text.size(), '0');
    return text;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

} // namespace

bool isValidDateTime(const DateTime& moment)
{
    return moment.year >= 1 && moment.year <= 9999 && moment.month >= 1 && moment.month <= 12 && moment.day >= 1
        && moment.day <= daysInMonth(moment.year, moment.month) && moment.hour >= 0 && moment.hour <= 23
        && moment.minute >= 0 && moment.minute <= 59 && moment.second >= 0 && moment.second <= 59;
}

std::string dateLine(const DateTime& moment)
{
    const int month = moment.month >= 1 && moment.month <= 12 ? moment.month : 1;
    return digits(moment.day, 2) + " " + kMonths[month - 1] + " " + digits(moment.year, 4) + ", "
        + digits(moment.hour, 2) + ":" + digits(moment.minute, 2) + ":" + digits(moment.second, 2);
}

DateTime localNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
            std::min(local.tm_sec, 59)};
}

} // namespace reports
