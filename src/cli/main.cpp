// greenfold-cli: the league files from the command line, for league secretaries who keep
// a night's scores in a spreadsheet or put the handicap list on a web page.
#include "cli/clidates.h"
#include "cli/commands.h"
#include "model/leaguelock.h"
#include "model/settingsfile.h"

#include <ctime>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The local date, as the desktop program dates its reports.
greenfold::CalendarDate clocktoday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    greenfold::setlockprogram("greenfold-cli"); // named in the lock of a league it changes
    const std::vector<std::string> args(argv + 1, argv + argc);
    greenfold::CliContext ctx{std::cout, std::cerr, greenfold::getsystemdir(), clocktoday()};
    return greenfold::runcli(args, ctx);
}
