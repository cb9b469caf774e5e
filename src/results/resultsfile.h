#pragma once

#include "model/leaguecommit.h"
#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"
#include "results/settings.h"

#include <array>
#include <compare>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The results file beside a league file: the competition settings and one line for every
// round of the season, also for rounds the league file has long dropped (it keeps only a
// player's last 20). Its layout is written down in docs/results-file.md.
// Version 2 added the skins and the team points settings, version 3 the day a new season
// was started and the season's draw of flights; a file of an earlier version reads with
// their defaults, no day and no draw.
inline constexpr const char* resultsversion = "Greenfold results 3";
inline constexpr const char* resultsversion2 = "Greenfold results 2";
inline constexpr const char* resultsversion1 = "Greenfold results 1";
inline constexpr int maxpotcents = 99999; // a skins stake of at most 999.99 a player
inline constexpr int maxresultlines = 30000;

// A league night: the round's date as the league file has it, with a two-digit year.
struct NightDate {
    int16_t month = 0;
    int16_t day = 0;
    int16_t year = 0;
    bool operator==(const NightDate&) const = default;
    std::strong_ordering operator<=>(const NightDate& o) const;
};

// "06/04/26".
std::string nighttext(const NightDate& d);

// Money in cents as "12.05", and back: digits with at most two after the point ("5",
// "5.5", "5.50"), 0..maxpotcents. Nothing for any other text.
std::string centstext(long long cents);
std::optional<int> readcents(std::string_view text);

// One round of one night. A player has at most one line a night.
struct ResultLine {
    NightDate date;
    std::string name;
    int16_t course = 0;
    int16_t tee = 0;
    std::array<int16_t, 18> holes{}; // all 0 when only the totals were entered
    int16_t out = 0;
    int16_t in = 0;
    // The index the player held before the round, in tenths (a plus index below 0); the
    // handicap the league's method gives it on the round's course and tee (a nine's own
    // for a nine-hole round); and that handicap with the results allowance. None of the
    // three for a player without an earlier round.
    std::optional<int> index;
    std::optional<int> base;
    std::optional<int> hcp;

    int gross() const { return out + in; }
    std::optional<int> net() const;
    bool totalsonly() const;
    bool nine() const { return out == 0 || in == 0; }
    bool operator==(const ResultLine&) const = default;
};

// A player of the season's draw of flights by handicap, made at its first night: his
// flight (0 first) and the index he was drawn by (none: drawn to the last flight).
struct DrawnPlayer {
    std::string player;
    int flight = 0;
    std::optional<int> index; // tenths
    bool operator==(const DrawnPlayer&) const = default;
};

struct ResultsFile {
    CompetitionSettings settings;
    // The day File > Start a New Season (or greenfold-cli newseason) began this season;
    // none for a season that began with the league's first results.
    std::optional<NightDate> started;
    std::vector<DrawnPlayer> drawn; // the season's draw; empty when none was made
    std::vector<ResultLine> lines;  // by date, then in the order recorded
    bool operator==(const ResultsFile&) const = default;
};

// The whole file, or nothing when any line is missing, out of range or at odds with
// itself (a gross that is not out + in, a net that is not gross - handicap).
std::optional<ResultsFile> readresults(std::istream& in);
std::string resultsbytes(const ResultsFile& f);

// The league's results file in dir: a missing one gives the league's first (see
// firstresults: the nights of its kept rounds of its newest round's year) with the default
// settings; one that cannot be read whole gives the defaults and no nights, is noted as
// damaged (kept beside itself before it is saved over) and the outcome, still ok, says so.
// Under WHS the defaults take the league's allowance.
struct LoadedResults {
    ResultsFile file;
    Outcome outcome;
    bool exists = false;
};
LoadedResults loadresults(ProgramState& g, const fs::path& dir = {});
Outcome saveresults(ProgramState& g, const ResultsFile& f, const fs::path& dir = {},
                    const StreamWrap& wrap = {});
// The file into a commit of the league's files.
void stageresults(const ProgramState& g, const ResultsFile& f, LeagueCommit& commit);

Message resultsloadfailure(const std::string& file);
Message resultssavefailure();

} // namespace greenfold
