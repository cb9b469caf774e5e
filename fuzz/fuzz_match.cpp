// Any bytes as a match file: the reader must refuse or read them, never crash; a file it
// accepts must write back to the same bytes' meaning, and its season must work out
// without crashing: sheets filled and drawn, position weeks paired, every week's matches,
// the table and the texts, on a night where everyone named has a round.
#include "matchplay/matchfile.h"
#include "matchplay/matchtext.h"
#include "matchplay/season.h"

#include <cstdint>
#include <set>
#include <sstream>

using namespace greenfold::matchplay;

namespace {

std::set<std::string> sidenames(const MatchFile& f) {
    std::set<std::string> out;
    for (const Week& w : f.schedule.weeks)
        for (const Pair& p : w.pairs) {
            out.insert(p.side1);
            if (!p.bye()) out.insert(p.side2);
        }
    return out;
}

// Each side with two regulars of its own; odd weeks have rounds for all but the first of
// each side, on a course with stroke indexes, the others on one without.
SeasonNights nights(const MatchFile& f, const std::vector<Side>& sides) {
    SeasonNights out;
    for (const Week& w : f.schedule.weeks) {
        NightInput& n = out[w.number];
        n.nightcourse = 1;
        n.courses[1] = {"Hillcrest",
                        {4, 5, 3, 4, 4, 4, 3, 5, 4, 4, 4, 3, 5, 4, 4, 3, 4, 5},
                        greenfold::whs::StrokeIndexes{7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12,
                                                      4, 18, 6, 14, 10}};
        n.courses[2] = {"Lakeside", {}, std::nullopt};
        for (const Side& s : sides)
            for (std::size_t k = 0; k < s.regulars.size(); ++k) {
                n.absenthcp[s.regulars[k]] = greenfold::whs::Fraction(int(k) * 7 - 3);
                if (k == 0 && w.number % 2) continue;
                Card c{s.regulars[k], w.number % 3 ? 1 : 2, {}, greenfold::whs::Fraction(9)};
                for (std::size_t h = 0; h < 18; ++h) c.holes[h] = int(3 + (h + k) % 4);
                n.cards.push_back(std::move(c));
            }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto f = readmatch(in);
    if (!f) return 0;
    std::istringstream back(matchbytes(*f));
    if (readmatch(back) != f) __builtin_trap();
    std::vector<Side> sides;
    for (const std::string& name : sidenames(*f))
        sides.push_back({name, {name + " 1", name + " 2"}, {name + " 3"}});
    MatchFile season = *f;
    const SeasonNights all = nights(season, sides);
    (void)fillsheets(season, sides, all, [](int count) { return count - 1; });
    (void)pairpositionweeks(season, sides, all);
    // What the season made of the file writes back readable.
    std::istringstream again(matchbytes(season));
    if (readmatch(again) != season) __builtin_trap();
    const auto weeks = workoutseason(season, sides, all);
    std::vector<std::string> names;
    for (const Side& s : sides) names.push_back(s.name);
    const auto table = seasontable(names, weeks, season.settings);
    (void)standingslines("League", table);
    (void)schedulecells(season.schedule);
    (void)schedulelines("League", season.schedule);
    (void)playerpoints(weeks);
    for (const WeekResult& w : weeks) {
        (void)matchescells(w, season.settings);
        (void)matcheslines("League", w, season.settings);
        (void)weekposts(w);
        if (const WeekSheet* sheet = season.sheet(w.week.number))
            (void)sheetlines("League", w.week, *sheet);
    }
    return 0;
}
