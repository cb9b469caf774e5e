// The Week's Matches window's commands: the sheet changed slot by slot as greenfold-cli's
// sheet command changes it, the week's printouts and its posting to the teams.
#include "matchplay/cards.h"
#include "matchplay/league.h"
#include "matchplay/matchforms.h"
#include "matchplay/matchstore.h"
#include "matchplay/matchtext.h"
#include "matchplay/ui/weekmatcheswindow.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "publish/teampost.h"
#include "reports/printsteps.h"
#include "reports/scorecards.h"
#include "reports/ui/printcommands.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QSpinBox>

namespace greenfold {

using namespace matchplay;

namespace {

Message noslot() {
    return {"Choose a player's slot in the sheet first.", "Greenfold", Icon::exclamation};
}

} // namespace

// The week's sheet filled from its rounds, the edit made, and the file written; an edit
// refused changes nothing.
bool WeekMatchesWindow::editsheet(
    const std::function<Outcome(WeekSheet&, const SheetContext&)>& edit) {
    const Week* w = chosenweek();
    if (!w) {
        services_.dialogs.message(noweekchosen());
        return false;
    }
    refresh(); // as the command line opens the season afresh for each change
    const Outcome done = matchplay::editsheet(season_, g_, w->number, edit, draw_);
    if (!done) {
        services_.dialogs.show(done);
        readseason();
        return false;
    }
    if (!savefile()) return false;
    const int row = sheet_->currentRow();
    showweek();
    sheet_->setCurrentRow(row);
    return true;
}

void WeekMatchesWindow::apply() {
    const std::string player = chosenslot();
    if (player.empty()) {
        services_.dialogs.message(noslot());
        return;
    }
    const int how = how_->checkedId();
    const std::string sub = subcombo_->currentText().toStdString();
    std::optional<std::string> card;
    if (drawcombo_->currentIndex() > 0) card = drawcombo_->currentText().toStdString();
    editsheet([&](WeekSheet& sheet, const SheetContext& c) {
        switch (how) {
        case substitute:
            return setsubstitute(sheet, c, player, sub);
        case absent:
            return markabsent(sheet, c, player);
        case drawn:
            return setdraw(sheet, c, player, card);
        case teammate:
            return setteammate(sheet, c, player);
        case forfeit:
            return setforfeit(sheet, c, player);
        default:
            return setpresent(sheet, c, player);
        }
    });
}

void WeekMatchesWindow::sethandicap() {
    const std::string player = chosenslot();
    if (player.empty()) {
        services_.dialogs.message(noslot());
        return;
    }
    const int mh = mhspin_->value();
    editsheet([&](WeekSheet& sheet, const SheetContext& c) {
        const Entry* e = sheet.entry(player);
        const std::string filler = e && e->kind == SlotKind::substitute ? e->substitute : player;
        return typehandicap(sheet, c, filler, mh);
    });
}

void WeekMatchesWindow::print() {
    const Week* w = chosenweek();
    if (!w) {
        services_.dialogs.beep();
        return;
    }
    printlines(matcheslines(leaguename(), weekresult(season_, *w), season_.file.settings));
}

void WeekMatchesWindow::printcards() {
    const Week* w = chosenweek();
    if (!w) {
        services_.dialogs.beep();
        return;
    }
    if (!w->paired || w->cancelled) {
        services_.dialogs.message(nocards(*w));
        return;
    }
    const int course = coursecombo_->currentData().toInt();
    const NightInput night = cardnight(g_, season_.results, *w, course);
    const std::vector<Scorecard> cards =
        weekcards(season_.file, season_.sides.sides, night, *w, course);
    const std::string font = reportfontname(g_);
    runprint(services_, [&](PrintSurface& s) { printscorecards(s, cards, font); });
}

// As greenfold-cli's postteams --week: the sheets as filled go with the posting.
void WeekMatchesWindow::postteams() {
    const Week* w = chosenweek();
    if (!w) {
        services_.dialogs.beep();
        return;
    }
    if (!weekplayed(*w, playednights(season_.file.schedule, season_.nights))) {
        services_.dialogs.message(notplayedyet(w->number));
        return;
    }
    if (!hasteams(g_, datadir_)) {
        services_.dialogs.message(noteams());
        return;
    }
    if (services_.dialogs.message(postweekquestion(w->number), Buttons::yesno, Answer::yes) !=
        Answer::yes)
        return;
    const Outcome posted =
        whilebusy(services_.busy, [&] { return postmatchweek(g_, season_, *w, datadir_); });
    services_.dialogs.show(posted);
}

} // namespace greenfold
