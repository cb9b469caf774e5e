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
    newseason
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
};

struct ParsedArgs {
    CliRequest request;
    std::string error; // empty when the command line can be carried out (or help shown)
};

ParsedArgs parseargs(const std::vector<std::string>& args);

} // namespace greenfold
