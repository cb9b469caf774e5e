#include "cli/clihelp.h"

namespace greenfold {

std::string programhelp() {
    return "Usage: greenfold-cli [--dir DIR] COMMAND [ARGUMENTS] [OPTIONS]\n"
           "\n"
           "Works on the Greenfold data folder DIR (the current folder by default): the\n"
           "same league files, course table and list of leagues the desktop program uses.\n"
           "\n"
           "Commands:\n"
           "  leagues                 the known leagues, one a line\n"
           "  list LEAGUE             the handicap list of a view, as Export Listing as Text\n"
           "                          writes it\n"
           "  import LEAGUE FILE.csv  record the rounds of a spreadsheet\n"
           "  export LEAGUE           every kept round as CSV\n"
           "  replay LEAGUE           every kept round worked out again, a line a player\n"
           "  results LEAGUE          a night's places and points\n"
           "  standings LEAGUE        the season's points table\n"
           "  postteams LEAGUE        a night's points into the teams' point records\n"
           "  newseason LEAGUE        put the season's nights and team points aside\n"
           "  matchplay LEAGUE        the match play settings, and changes to them\n"
           "  schedule LEAGUE         the match schedule: make it, rain a week off, print it\n"
           "  sheet LEAGUE            a week's match sheet: who played, who stood in\n"
           "  matches LEAGUE          a week's matches worked out, hole by hole\n"
           "  matchstandings LEAGUE   the season's table of match points\n"
           "\n"
           "import, list and export follow the handicap method set in greenfold.ini in\n"
           "the settings folder (method=classic, the default, or method=whs): under the\n"
           "World Handicap System method import posts each round by its rules, list shows\n"
           "a plus index and course handicap with a \"+\", and export adds each round's\n"
           "tee and flags.\n"
           "\n"
           "Options:\n"
           "  --dir DIR               the data folder\n"
           "  -h, --help              this text; with a command, that command's\n"
           "\n"
           "Exit status: 0 done, 1 bad data or a file that could not be read or written,\n"
           "2 a wrong command line. Results go to standard output, messages to standard\n"
           "error. A run that fails writes nothing. A command that changes a league writes\n"
           "its files together, and only one program changes a league at a time: while\n"
           "the desktop program has it open or another command changes it, import,\n"
           "replay --write, postteams and newseason are refused (exit 1, saying who holds\n"
           "it); the other commands wait a moment for a change in progress and read. The\n"
           "lock file LEAGUE.lock stays beside the league.\n";
}

namespace {

std::string leagueshelp() {
    return "Usage: greenfold-cli [--dir DIR] leagues\n"
           "\n"
           "Prints the known leagues, one a line, in the order of the File menu.\n";
}

std::string listhelp() {
    return "Usage: greenfold-cli [--dir DIR] list LEAGUE [--view recent|date|player]\n"
           "         [--date MM/DD/YY] [--player NAME] [--long] [--today MM-DD-YYYY] [-o FILE]\n"
           "\n"
           "Prints the handicap list of one view of the league, byte for byte the file\n"
           "Export Listing as Text writes for it: a header with the league and today's\n"
           "date, the short lines, CR LF line ends.\n"
           "\n"
           "  --view recent          each player's newest round (the default)\n"
           "  --view date            the rounds of one date: --date, else the newest date\n"
           "  --view player          every kept round of --player NAME, newest first\n"
           "  --date MM/DD/YY        the date to show (also YYYY-MM-DD); implies --view date\n"
           "  --player NAME          the player's exact name; implies --view player\n"
           "  --long                 the long lines with the hole scores, without the\n"
           "                         header and page breaks\n"
           "  --today MM-DD-YYYY     the date in the header instead of today's\n"
           "  -o, --output FILE      write to FILE instead of standard output\n";
}

std::string importhelp() {
    return "Usage: greenfold-cli [--dir DIR] import LEAGUE FILE.csv [--dry-run]\n"
           "                          [--allow-second-round]\n"
           "\n"
           "Records the rounds of FILE.csv in file order, each as the score window records\n"
           "a typed round: stroke control when it is on, the nine-hole rules, the oldest of\n"
           "20 rounds dropped, the same differential, index and course handicap. Under\n"
           "the World Handicap System method (greenfold.ini) each round is posted by its\n"
           "rules instead, and the index history file beside the league is written too.\n"
           "\n"
           "Columns: date (MM/DD/YY or YYYY-MM-DD), player (exact name), course (name, any\n"
           "case), tee (1, 2, 3, Ladies, Mens or Pro; empty for the player's own tee), then\n"
           "either the 18 hole scores or the out and in totals. A first row without a date\n"
           "is taken as a header. An empty hole is a hole not played.\n"
           "\n"
           "Every row is checked first. When any row is wrong, each wrong row is reported\n"
           "with its number and nothing is recorded. Otherwise the league file, its index\n"
           "history and its results file are written together, once.\n"
           "\n"
           "A round the player already has on that date (the same scores; a hole stroke\n"
           "control lowered counts as the same) is reported and skipped, so a file imported\n"
           "twice records nothing twice. A different round of his on that date is a wrong\n"
           "row unless --allow-second-round is given.\n"
           "\n"
           "  --dry-run              print the rounds as they would be recorded (CSV, as\n"
           "                         export writes them) and write nothing; the rows that\n"
           "                         would be skipped or refused are reported\n"
           "  --allow-second-round   record a second round of a player on one date\n";
}

std::string exporthelp() {
    return "Usage: greenfold-cli [--dir DIR] export LEAGUE [-o FILE]\n"
           "\n"
           "Prints every kept round as CSV, players in roster order, rounds oldest first:\n"
           "player, date (YYYY-MM-DD), course, initials, holes 1 to 18, out, in, total,\n"
           "differential, index, course handicap. The league file does not keep the tee\n"
           "a round was played from, so there is no tee column. Under the World Handicap\n"
           "System method (greenfold.ini) the index history does: tee and flags follow\n"
           "(estimated: adjusted without stroke indexes; totals: entered as totals;\n"
           "reduced: lowered by an exceptional score; waiting: a nine waiting for 54 holes).\n"
           "\n"
           "  -o, --output FILE      write to FILE instead of standard output\n";
}

std::string replayhelp() {
    return "Usage: greenfold-cli [--dir DIR] replay LEAGUE [--method classic|whs] [--write]\n"
           "\n"
           "Works every kept round of every player out again, in the order of the round\n"
           "slots, under the method of greenfold.ini or the one given, and prints a line a\n"
           "player: the index of the newest round now, the index under the method, the\n"
           "difference, and how many rounds were worked out from the player's default tee\n"
           "because the tee they were played from is not known (the classic method always\n"
           "uses the default tee). Rounds whose tee has no slope keep their figures.\n"
           "\n"
           "  --method classic|whs   the method to work the rounds out under\n"
           "  --write                save the league (and under whs its index history\n"
           "                         file) and its nights' handicaps, together with a copy\n"
           "                         of the league file as it was, LEAGUE.LGE.before-replay\n"
           "                         (-2, -3, ... when taken: a copy is never written over)\n";
}

std::string resultshelp() {
    return "Usage: greenfold-cli [--dir DIR] results LEAGUE [--date MM/DD/YY] [--skins]\n"
           "                            [--totals] [--csv] [-o FILE]\n"
           "\n"
           "Prints a night's results as the printout shows them: each player's gross,\n"
           "handicap and net, his gross and net place and his points, flight by flight.\n"
           "Players level share the place and split its points, unless the league breaks\n"
           "ties on the last holes (Competition Settings).\n"
           "\n"
           "  --date MM/DD/YY        the night (the newest night when not given)\n"
           "  --csv                  CSV instead: date, flight, place, player, gross,\n"
           "                         handicap, net, points, in place order; players\n"
           "                         without a handicap last with no handicap, net or place\n"
           "  --skins                the night's skins sheet instead, game by game (gross\n"
           "                         and net each have their own pot: the stake times the\n"
           "                         players in that game); with --csv: date, flight, kind,\n"
           "                         hole, player, score, carried, payout (a plain decimal,\n"
           "                         \"1.33\"); a share of skins carried past the last hole\n"
           "                         has no hole and no score. The sheet ends with what to\n"
           "                         pay each player over all the games\n"
           "  --totals               only what the night's skins pay each player, the most\n"
           "                         first, and the sum paid out; with --csv: date, player,\n"
           "                         skins, payout (skins counts the holes won with the\n"
           "                         skins carried into them)\n"
           "  -o, --output FILE      write to FILE instead of standard output\n"
           "\n"
           "A season without a night yet (after newseason) prints the title (with --csv\n"
           "the heading row) and nothing more, says why on standard error and exits 0.\n";
}

std::string standingshelp() {
    return "Usage: greenfold-cli [--dir DIR] standings LEAGUE [--csv | --html] [-o FILE]\n"
           "\n"
           "Prints the season's standings: each player's points over every night, or his\n"
           "best nights when the league counts only those, the nights he played and his\n"
           "average net, flight by flight.\n"
           "\n"
           "  --csv                  CSV instead: place, player, flight, nights, points,\n"
           "                         average net\n"
           "  --html                 a web page instead: the standings, the newest\n"
           "                         night's results and skins (and what they pay each\n"
           "                         player), in one file that needs nothing else\n"
           "  -o, --output FILE      write to FILE instead of standard output\n"
           "\n"
           "A season without a night yet (after newseason) prints the title (with --csv\n"
           "the heading row; with --html a page that says so), says why on standard error\n"
           "and exits 0.\n";
}

std::string postteamshelp() {
    return "Usage: greenfold-cli [--dir DIR] postteams LEAGUE [--date MM/DD/YY | --week N]\n"
           "\n"
           "Posts a night's results to the team points records: each team gets one record,\n"
           "\"Night results MM/DD/YY\", with its players' points that night (only its best\n"
           "players' when Competition Settings say how many count) and the number of\n"
           "players counted. Posting a night again replaces its records; records typed\n"
           "in Enter Team Results stay as they are. Prints what each team got.\n"
           "\n"
           "  --date MM/DD/YY        the night (the newest night when not given)\n"
           "  --week N               a week of match play instead: each team gets one\n"
           "                         record, \"Week N v\" and the team it met (\"Week N bye\"),\n"
           "                         with its match points; posting the week again\n"
           "                         replaces its records\n";
}

std::string newseasonhelp() {
    return "Usage: greenfold-cli [--dir DIR] newseason LEAGUE\n"
           "\n"
           "Starts a new season. The players, the teams and every kept round stay, so the\n"
           "handicaps carry over. The results file is kept as LEAGUE-YEAR.res (YEAR the\n"
           "season's first night's; numbered LEAGUE-YEAR-2.res and on when taken) and a new\n"
           "one starts with no nights and the same competition settings; the team file is\n"
           "kept as LEAGUE-YEAR.tea and its points records are cleared. Putting the kept\n"
           "files back under their old names undoes it. The new results file notes today as\n"
           "the day the season started. What was done is printed on standard output.\n";
}

} // namespace

std::string matchplayhelp();
std::string schedulehelp();
std::string sheethelp();
std::string matcheshelp();
std::string matchstandingshelp();

std::string commandhelp(CliCommand command) {
    switch (command) {
    case CliCommand::leagues:
        return leagueshelp();
    case CliCommand::list:
        return listhelp();
    case CliCommand::import:
        return importhelp();
    case CliCommand::exportrounds:
        return exporthelp();
    case CliCommand::replay:
        return replayhelp();
    case CliCommand::results:
        return resultshelp();
    case CliCommand::standings:
        return standingshelp();
    case CliCommand::postteams:
        return postteamshelp();
    case CliCommand::newseason:
        return newseasonhelp();
    case CliCommand::matchplay:
        return matchplayhelp();
    case CliCommand::schedule:
        return schedulehelp();
    case CliCommand::sheet:
        return sheethelp();
    case CliCommand::matches:
        return matcheshelp();
    case CliCommand::matchstandings:
        return matchstandingshelp();
    case CliCommand::none:
        break;
    }
    return programhelp();
}

std::string tryhelp() {
    return "Try 'greenfold-cli --help'.\n";
}

} // namespace greenfold
