#pragma once

#include "matchplay/schedule.h"
#include "matchplay/settings.h"
#include "matchplay/sheet.h"

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace greenfold::matchplay {

// The match file beside a league file: the match play settings, the players marked
// "substitute only", the schedule and the weeks' match sheets. Its layout is written down
// in docs/match-file.md.
inline constexpr const char* matchversion = "Greenfold matches 1";
inline constexpr int maxsheetslots = 2;
inline constexpr int maxskipdates = 366;
inline constexpr int maxtyped = 200;

struct MatchFile {
    MatchSettings settings;
    std::vector<std::string> substituteonly;
    Schedule schedule;
    std::vector<WeekSheet> sheets; // by week number, at most one a week

    bool operator==(const MatchFile&) const = default;

    const WeekSheet* sheet(int week) const;
    WeekSheet& sheetfor(int week); // the week's sheet, made when it has none
};

// The whole file, or nothing when any line is missing, out of range or at odds with the
// rest (weeks out of order, a side twice in a week, a sheet for a week twice).
std::optional<MatchFile> readmatch(std::istream& in);
std::string matchbytes(const MatchFile& f);

// Marks a player "substitute only" (on) or a regular again (off) in the individual format.
void marksubstituteonly(MatchFile& f, const std::string& player, bool on);

// A player renamed or removed on the roster: his marks, slots, cards drawn and typed
// handicaps follow, and in the individual format his side in the schedule too. A team
// renamed: its side in the schedule and the sheets.
void renameplayer(MatchFile& f, const std::string& oldname, const std::string& newname);
void renameteam(MatchFile& f, const std::string& oldname, const std::string& newname);

} // namespace greenfold::matchplay
