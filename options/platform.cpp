#include "options/platform.h"

#include <cctype>
#include <cstdio>

namespace defib {

namespace {

// The numbers of `text` in their order, each a run of digits.
std::vector<int> numbersIn(const std::string& text)
{
    std::vector<int> numbers;
    int value = -1;
    for (char c : text + " ") {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            value = (value < 0 ? 0 : value) * 10 + (c - '0');
            if (value > 100000)
                return {};
        } else if (value >= 0) {
            numbers.push_back(value);
            value = -1;
        }
    }
    return numbers;
}

} // namespace

CalendarTime calendarFromUsForms(const std::string& shortDate, const std::string& longTime)
{
    CalendarTime t;
    const std::vector<int> date = numbersIn(shortDate);
    if (date.size() == 3 && date[0] >= 1 && date[0] <= 12 && date[1] >= 1 && date[1] <= 31) {
        t.month = date[0];
        t.day = date[1];
        t.year = date[2] < 100 ? 2000 + date[2] : date[2];
    }
    const std::vector<int> time = numbersIn(longTime);
    if (time.size() >= 2 && time[0] <= 23 && time[1] <= 59 && (time.size() < 3 || time[2] <= 59)) {
        int hour = time[0];
        std::string upper;
        for (char c : longTime)
            upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const bool pm = upper.find("PM") != std::string::npos;
        const bool am = upper.find("AM") != std::string::npos;
        if ((pm || am) && hour >= 1 && hour <= 12)
            hour = hour % 12 + (pm ? 12 : 0);
        t.hour = hour;
        t.minute = time[1];
        t.second = time.size() >= 3 ? time[2] : 0;
    }
    return t;
}

std::string WallClock::isoDate()
{
    const CalendarTime t = now();
    if (t.year == 0)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", t.year, t.month, t.day);
    return text;
}

} // namespace defib
