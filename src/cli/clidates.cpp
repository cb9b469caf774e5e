#include "cli/clidates.h"

#include "model/textline.h"

#include <chrono>
#include <optional>
#include <vector>

namespace greenfold {

namespace {

constexpr int firstyear = 1985;
constexpr int lastyear = 2084;

// The parts of a text split at sep, each of digits only; nothing when any part is empty
// or holds anything else.
std::optional<std::vector<std::string_view>> digitparts(std::string_view text, char sep) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(sep, start);
        const std::string_view part = text.substr(start, end - start);
        if (part.empty() || part.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        parts.push_back(part);
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

int number(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

bool calendarday(int y, int m, int d) {
    using namespace std::chrono;
    return year_month_day{year{y}, month(unsigned(m)), day(unsigned(d))}.ok();
}

std::string quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

// Checks the numbers of a date once its form was recognised.
DateRead checkdate(std::string_view text, int year, int month, int day) {
    if (month < 1 || month > 12)
        return {{}, quoted(text) + " has no month " + std::to_string(month)};
    if (year < firstyear || year > lastyear)
        return {{}, quoted(text) + " is outside the years a league keeps (1985 to 2084)"};
    if (!calendarday(year, month, day)) return {{}, quoted(text) + " is not a day of the calendar"};
    return {{year, month, day}, ""};
}

bool sizes(const std::vector<std::string_view>& parts, std::size_t a, std::size_t b,
           std::size_t c) {
    return parts[0].size() <= a && parts[1].size() <= b && parts[2].size() <= c;
}

} // namespace

DateRead readrounddate(std::string_view text) {
    const std::string wanted = quoted(text) + " is not a date (MM/DD/YY or YYYY-MM-DD)";
    if (auto parts = digitparts(text, '/'); parts && parts->size() == 3 && sizes(*parts, 2, 2, 4)) {
        const auto& p = *parts;
        if (p[2].size() != 2 && p[2].size() != 4) return {{}, wanted};
        const int year = p[2].size() == 2 ? fullyear(number(p[2])) : number(p[2]);
        return checkdate(text, year, number(p[0]), number(p[1]));
    }
    if (auto parts = digitparts(text, '-'); parts && parts->size() == 3 && sizes(*parts, 4, 2, 2)) {
        const auto& p = *parts;
        if (p[0].size() != 4) return {{}, wanted};
        return checkdate(text, number(p[0]), number(p[1]), number(p[2]));
    }
    return {{}, wanted};
}

DateRead readtoday(std::string_view text) {
    const std::string wanted = quoted(text) + " is not a date (MM-DD-YYYY)";
    auto parts = digitparts(text, '-');
    if (!parts || parts->size() != 3 || !sizes(*parts, 2, 2, 4) || (*parts)[2].size() != 4)
        return {{}, wanted};
    const auto& p = *parts;
    const int year = number(p[2]), month = number(p[0]), day = number(p[1]);
    // A report can be dated any day, not only in the years a round can be kept.
    if (!calendarday(year, month, day)) return {{}, wanted};
    return {{year, month, day}, ""};
}

int twodigityear(int year) {
    return year % 100;
}

std::string isodate(const CalendarDate& date) {
    return formatpattern(date.year, "0000") + "-" + formatpattern(date.month, "00") + "-" +
           formatpattern(date.day, "00");
}

} // namespace greenfold
