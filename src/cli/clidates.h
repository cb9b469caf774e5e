#pragma once

#include <string>
#include <string_view>

namespace greenfold {

// Dates as the command line and the import file write them. A league keeps two-digit
// years, 85..99 for 1985..1999 and 00..84 for 2000..2084, so a four-digit year outside
// 1985..2084 cannot be kept.

struct CalendarDate {
    int year = 0; // four digits
    int month = 0;
    int day = 0;
};

struct DateRead {
    CalendarDate date;
    std::string problem; // empty when the text was a date
    bool ok() const { return problem.empty(); }
};

// A round's date: MM/DD/YY (also M/D/YY and MM/DD/YYYY) or YYYY-MM-DD.
DateRead readrounddate(std::string_view text);

// Today's date for a report header: MM-DD-YYYY.
DateRead readtoday(std::string_view text);

// The year as a round keeps it: its last two digits.
int twodigityear(int year);

// "YYYY-MM-DD".
std::string isodate(const CalendarDate& date);

} // namespace greenfold
