#pragma once

#include "cli/listview.h"
#include "model/programstate.h"

#include <optional>
#include <string>
#include <vector>

namespace greenfold {

// The command line of greenfold-cli: global options, a command, its arguments and its
// options, in any order after the command word.

enum class CliCommand {
    none,
    leagues,
    list,
    import,
    exportrounds,
    replay,
    results,
    standings,
    postteams,
    newseason,
    matchplay,
    schedule,
    sheet,
    matches,
    matchstandings
};

// The options of the match play commands; those that may be given again are lists in
// the order given.
struct MatchOptions {
    std::vector<std::string> sets, substituteonly, regulars; // matchplay
    bool make = false, force = false, postpone = false, cancel = false;
    std::optional<int> week, weeks, rainout;
    std::optional<CalendarDate> first;
    std::vector<CalendarDate> skips;
    std::vector<int> positions;
    // sheet: names, "NAME=SUBSTITUTE", "NAME[=CARD]", "NAME=N"
    std::vector<std::string> absent, subs, forfeits, draws, teammates, mhs, present;
};

inline constexpr int exit_ok = 0;
inline constexpr int exit_data = 1;  // bad data, or a file that could not be read or written
inline constexpr int exit_usage = 2; // the command line itself is wrong

struct CliRequest {
    CliCommand command = CliCommand::none;
    bool help = false;
    std::string dir = ".";
    std::string league;
    std::string csvfile;
    ListChoice list;
    bool longlines = false;
    std::optional<CalendarDate> today;
    std::string outfile; // empty: standard output
    bool dryrun = false;
    bool allowsecond = false; // import: a second round of a player on one date is recorded
    std::optional<HandicapMethod> method; // replay: the method asked for, else the setting's
    bool write = false;
    bool csv = false;    // results, standings: CSV instead of the printed text
    bool skins = false;  // results: the night's skins instead of its places
    bool totals = false; // results: what the night's skins pay each player (implies skins)
    bool html = false;   // standings: the web page
    MatchOptions match;
};

struct ParsedArgs {
    CliRequest request;
    std::string error; // empty when the command line can be carried out (or help shown)
};

ParsedArgs parseargs(const std::vector<std::string>& args);

} // namespace greenfold
