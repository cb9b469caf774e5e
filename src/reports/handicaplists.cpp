#include "reports/handicaplists.h"

#include "reports/printsteps.h"

#include <algorithm>

namespace greenfold {

namespace {

constexpr float longsize = 9;
constexpr float shortsize = 10;
constexpr int longwidth = 80;
constexpr int shortwidth = 45;

// Entries after which a new page starts.
constexpr std::size_t longbreaks[] = {43, 86};
constexpr std::size_t shortbreak = 53;

std::size_t entries(const ListLines& lines) {
    return std::min(lines.names.size(), lines.rounds.size());
}

std::string namecolumn(const std::string& name) {
    return name + filler(name, listnamewidth);
}

// The long heading ends in "# rnd": "# rounds" would run past the landscape page.
std::string longheading(const ListLines& lines) {
    return charsubstr(longline(lines.names[0], lines.rounds[0]), 0, 132) + "rnd";
}

// The top of every page after the first: no league header, the heading and the rule.
void continuation(PrintSurface& s, const ProgramState& g, float size, const std::string& heading,
                  const std::string& rule) {
    s.newpage();
    startpage(s, g, size);
    for (int i = 0; i < 4; ++i) s.printline(" ");
    s.printline(heading);
    s.printline(rule);
    s.printline(" ");
}

} // namespace

std::string longrule() {
    return std::string(6, ' ') + std::string(129, '-');
}

std::string shortrule() {
    return std::string(6, ' ') + std::string(82, '_');
}

std::string longline(const std::string& name, const std::string& round) {
    return std::string(6, ' ') + namecolumn(name) + round;
}

std::string shortline(const std::string& name, const std::string& round) {
    return std::string(7, ' ') + namecolumn(name) + charsubstr(round, 0, 42) +
           charsubstr(round, 94, 16);
}

bool listprintable(const ListLines& lines) {
    return entries(lines) >= 3;
}

Message printquestion() {
    return {"Include individual hole scores?   (Click Yes)\r\n\r\n"
            "List including hole scores prints Landscape\r\n\r\n"
            "Short list (click No) prints Portrait",
            "Greenfold", Icon::none};
}

// A page break only comes when another entry follows it, so a list that ends exactly
// at a break does not leave a page holding nothing but the heading.
void printlongreport(PrintSurface& s, const ProgramState& g, const ListLines& lines,
                     const std::string& date) {
    startlist(s, g, orientation_landscape, longsize, longwidth, date);
    const std::size_t n = entries(lines);
    const std::string heading = n > 0 ? longheading(lines) : std::string();
    for (std::size_t i = 0; i < n; ++i) {
        s.printline(i == 0   ? heading
                    : i == 1 ? longrule()
                             : longline(lines.names[i], lines.rounds[i]));
        const bool breakhere =
            std::find(std::begin(longbreaks), std::end(longbreaks), i) != std::end(longbreaks);
        if (breakhere && i + 1 < n) continuation(s, g, longsize, heading, longrule());
    }
    s.enddocument();
}

void printshortreport(PrintSurface& s, const ProgramState& g, const ListLines& lines,
                      const std::string& date) {
    startlist(s, g, orientation_portrait, shortsize, shortwidth, date);
    const std::size_t n = entries(lines);
    const std::string heading = n > 0 ? shortline(lines.names[0], lines.rounds[0]) : "";
    for (std::size_t i = 0; i < n; ++i) {
        s.printline(i == 1 ? shortrule() : shortline(lines.names[i], lines.rounds[i]));
        if (i == shortbreak && i + 1 < n) continuation(s, g, shortsize, heading, shortrule());
    }
    s.enddocument();
}

} // namespace greenfold
