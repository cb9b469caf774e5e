#pragma once

#include "matchplay/settings.h"
#include "model/outcome.h"
#include "results/resultsfile.h"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace greenfold::matchplay {

// The season's schedule: weeks with their dates, nines and pairs of sides. It is stored,
// not worked out again, so a change to the sides or the settings never reshuffles a week
// already played. Sides are kept by name (team names, or player names in the individual
// format).

inline constexpr int maxweeks = 52;
inline constexpr int maxsides = 100;

enum class Nine { front, back, all };

// Two sides that meet, or a side with the bye (side2 empty).
struct Pair {
    std::string side1;
    std::string side2;
    bool bye() const { return side2.empty(); }
    bool operator==(const Pair&) const = default;
};

struct Week {
    int number = 0; // 1, 2, ...
    NightDate date;
    Nine nine = Nine::front;
    bool position = false; // paired from the standings
    bool paired = true;    // false for a position week not yet paired: no pairs
    bool cancelled = false;
    std::vector<Pair> pairs; // the bye last
    bool operator==(const Week&) const = default;
};

// What a schedule is made from: the number of weeks, the first date, the dates no match
// is played on and the position weeks.
struct SchedulePlan {
    int weeks = 0; // 0: the default for the sides (defaultweeks)
    NightDate first;
    std::vector<NightDate> skip;
    std::vector<int> positions;
    bool operator==(const SchedulePlan&) const = default;
};

struct Schedule {
    SchedulePlan plan;
    std::vector<Week> weeks; // by number
    bool operator==(const Schedule&) const = default;
};

// The nights that have rounds.
using Nights = std::set<NightDate>;

// The rounds of the circle method for n sides numbered 1..n: side 1 stays put and the
// ring 2..m (m = n, or n + 1 with the bye last for an odd n) turns one place right a
// round. Each round lists its pairs o[i] v o[m-1-i], the pair with the bye (side 0) last.
using Round = std::vector<std::pair<int, int>>;
std::vector<Round> circlerounds(int n);

// One cycle: n - 1 weeks, or n for an odd n.
int defaultweeks(int sides);

// The nine a week plays: all 18 for an 18-hole league, else by the week's number.
Nine weeknine(const MatchSettings& s, int week);

// Dates: d moved on by days; the date itself or, when it is a no-play date, the next one
// 7 days on that is not.
bool validdate(const NightDate& d);
NightDate adddays(const NightDate& d, int days);
NightDate freedate(NightDate d, const std::vector<NightDate>& skip);

// A whole schedule for the sides in side-number order. The plan's week count (or the
// default), position weeks out of range left out; no weeks without a valid first date.
Schedule makeschedule(const std::vector<std::string>& sides, SchedulePlan plan,
                      const MatchSettings& s);

// A week has been played once its night has rounds; a cancelled week never is.
bool weekplayed(const Week& w, const Nights& nights);
const Week* findweek(const Schedule& s, int number);
Week* findweek(Schedule& s, int number);

// Puts a newly made schedule in place of the old one. Refused while the old one has a
// played week, unless forced: then the old played and cancelled weeks stay as they were,
// in place of the new weeks of their numbers.
Outcome replaceschedule(Schedule& current, Schedule made, const Nights& nights, bool force);

// A change of the format, the holes or the sides clears the weeks not yet played (the
// played and cancelled ones stay), for the schedule to be made again.
void clearunplayed(Schedule& s, const Nights& nights);

// A rained-off week. Postponed: it and every later week move each to its next free date
// (their nines go with their numbers). Cancelled: its matches are not played and the
// later weeks keep their dates. Refused for a played or cancelled week.
Outcome postpone(Schedule& s, int week, const Nights& nights);
Outcome cancel(Schedule& s, int week, const Nights& nights);

// Two sides change places in a week's pairs (one of them may have the bye). Refused for a
// played week, a position week not yet paired, or a side not in the week.
Outcome swapsides(Schedule& s, int week, const std::string& a, const std::string& b,
                  const Nights& nights);

// The pairs of a position week from the standings: the sides in table order with the byes
// each has had. An odd number of sides first gives the bye to the lowest placed among
// those with the fewest byes; the rest meet 1st v 2nd, 3rd v 4th, ...
std::vector<Pair> positionpairs(const std::vector<std::pair<std::string, int>>& table);

} // namespace greenfold::matchplay
