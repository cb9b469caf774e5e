#pragma once

#include "cli/clidates.h"
#include "lists/roundlines.h"
#include "lists/views.h"
#include "model/programstate.h"

#include <optional>
#include <string>

namespace greenfold {

// The handicap list of one view, built by the main window's own view code so the lines
// are the ones the window would show.

struct ListChoice {
    int view = view_recent;
    std::optional<CalendarDate> date; // the date view: this date, else the newest one
    std::string player;               // the player view: exactly this name
};

struct ViewLines {
    ListLines lines;
    std::string problem; // the date was never played or the player is not in the league
};

// The recent view shows each player's newest round, as after a fresh redraw; the date
// view starts at the newest date, as choosing it in the VIEW menu does; the player view
// is the list the player picker leads to.
ViewLines viewlines(const ProgramState& g, const ListChoice& choice);

// The long lines of the list without the page furniture: heading, dash rule and one
// line a round with the hole scores, CR LF line ends. The heading stays whole: nothing
// has to fit a landscape page here.
std::string longlistbytes(const ListLines& lines);

} // namespace greenfold
