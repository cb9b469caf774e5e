// The help texts of greenfold-cli's match play commands.
#include "cli/clihelp.h"

#include <string>

namespace greenfold {

std::string matchplayhelp() {
    return "Usage: greenfold-cli [--dir DIR] matchplay LEAGUE [--set KEY=VALUE]...\n"
           "                          [--substitute-only NAME]... [--regular NAME]...\n"
           "\n"
           "Changes the match play settings given and prints every setting as KEY=VALUE,\n"
           "one a line:\n"
           "  match-play on|off          format individual|teams   holes 9|18\n"
           "  nines alternate|front|back  allowance 0..100 (%)      best-ball-allowance 0..100\n"
           "  strokes difference|full    max-strokes 0..54 (0 no limit)\n"
           "  hole-points, nine-holes-points, nine-net-points, match-holes-points,\n"
           "  match-net-points, team-net-points, team-aggregate-points, best-ball-points\n"
           "                             each 0..9\n"
           "  halved split|carry         absent phantom|forfeit    phantom-card par|draw|teammate\n"
           "  penalty 0..9               phantom-points count|lost\n"
           "  substitute-cap none|0.5..99 (halves only)   bye-points 0..99   tie-breaks on|off\n"
           "\n"
           "A value out of range is refused (exit 2) with the key named. A league without a\n"
           "match file starts from the defaults (the team format when it has teams).\n"
           "Changing the format or the holes, or the sides (--substitute-only, --regular in\n"
           "the individual format), clears the schedule's weeks not yet played; the played\n"
           "ones stay. A points setting changes every week already played.\n"
           "\n"
           "  --set KEY=VALUE          change a setting (given again for more)\n"
           "  --substitute-only NAME   the player plays only as a substitute (individual)\n"
           "  --regular NAME           the player is a side of his own again\n";
}

std::string schedulehelp() {
    return "Usage: greenfold-cli [--dir DIR] schedule LEAGUE --make --weeks W --first MM/DD/YY\n"
           "                          [--skip MM/DD/YY]... [--position WEEK]... [--force]\n"
           "       greenfold-cli [--dir DIR] schedule LEAGUE --rainout WEEK (--postpone | "
           "--cancel)\n"
           "       greenfold-cli [--dir DIR] schedule LEAGUE [--csv] [-o FILE]\n"
           "\n"
           "The season's weeks of matches: a round robin of the sides (teams, or players in\n"
           "the individual format) that repeats, a bye for one side when their number is\n"
           "odd, a week every 7 days from the first date skipping the no-play dates, the\n"
           "nines by the week's number. A position week is paired from the standings once\n"
           "the week before it has its rounds: 1st v 2nd, 3rd v 4th.\n"
           "\n"
           "  --make                 make the schedule; refused when the one there has a\n"
           "                         played week, unless --force, which keeps the played weeks\n"
           "  --rainout WEEK         a week rained off: --postpone moves it and every later\n"
           "                         week to the next free date; --cancel counts its matches\n"
           "                         as not played\n"
           "  --csv                  CSV: week, date, nine (front, back, 18 or cancelled),\n"
           "                         side1, side2 (\"bye\"), position (yes or no)\n"
           "  -o, --output FILE      write to FILE instead of standard output\n";
}

std::string sheethelp() {
    return "Usage: greenfold-cli [--dir DIR] sheet LEAGUE --week N [--absent NAME]...\n"
           "         [--sub NAME=SUBSTITUTE]... [--forfeit NAME]... [--draw NAME[=CARD]]...\n"
           "         [--teammate NAME]... [--mh NAME=N]... [--present NAME]...\n"
           "\n"
           "Edits the week's match sheet and prints it. The sheet is filled from the night's\n"
           "rounds by itself: a regular with a round played, one without is absent and\n"
           "his slot is filled as the settings say. NAME is the regular whose slot it is.\n"
           "The edits are made in this order: --present, --absent, --forfeit, --teammate,\n"
           "--draw, --sub, --mh.\n"
           "\n"
           "  --absent NAME          absent: the league's default (a phantom or a forfeit)\n"
           "  --sub NAME=SUBSTITUTE  a league player played the slot, with his own card\n"
           "  --forfeit NAME         that single match is forfeited\n"
           "  --draw NAME[=CARD]     a phantom with a card drawn: CARD names it, else one is\n"
           "                         drawn at random; the name is kept either way\n"
           "  --teammate NAME        a phantom with the teammate's card\n"
           "  --mh NAME=N            a night's match handicap for a player without an index\n"
           "  --present NAME         undoes an absence\n";
}

std::string matcheshelp() {
    return "Usage: greenfold-cli [--dir DIR] matches LEAGUE [--week N] [--csv] [-o FILE]\n"
           "\n"
           "A week's matches worked out (the newest week with a round when --week is not\n"
           "given): both players' holes, the strokes on the holes they fall on, the nets, who\n"
           "won each hole and the points of each part. A match still waiting says what for.\n"
           "\n"
           "  --csv                  CSV, a row a part: week, date, side1, side2, part,\n"
           "                         player1, kind1, card1, mh1, strokes1, player2, kind2,\n"
           "                         card2, mh2, strokes2, points1, points2, status\n"
           "  -o, --output FILE      write to FILE instead of standard output\n";
}

std::string matchstandingshelp() {
    return "Usage: greenfold-cli [--dir DIR] matchstandings LEAGUE [--csv] [-o FILE]\n"
           "\n"
           "The season's table of match points: most points first; sides level go by the\n"
           "points won against each other, then by matches won (unless tie-breaks are off),\n"
           "and share the place when still level.\n"
           "\n"
           "  --csv                  CSV: place, side, played, won, lost, halved, byes, points\n"
           "  -o, --output FILE      write to FILE instead of standard output\n";
}

} // namespace greenfold
