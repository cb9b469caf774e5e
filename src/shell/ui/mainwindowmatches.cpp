// The Results menu's match play: its settings, the schedule, a week's matches and the
// match standings of the open league.
#include "matchplay/matchstore.h"
#include "matchplay/ui/matchsettingswindow.h"
#include "matchplay/ui/matchstandingswindow.h"
#include "matchplay/ui/schedulewindow.h"
#include "matchplay/ui/weekmatcheswindow.h"
#include "model/programstate.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/menunames.h"

#include <QAction>

namespace greenfold {

namespace {

const char* const matchcommands[] = {menu::schedulemenu, menu::weekmatchesmenu,
                                     menu::matchstandingsmenu};

} // namespace

void MainWindow::wirematches() {
    connect(action(menu::matchsettingsmenu), &QAction::triggered, this, [this] {
        openwindow(new MatchSettingsWindow(g_, services_, datadir_, this),
                   [this] { showmatchcommands(true); });
    });
    connect(action(menu::schedulemenu), &QAction::triggered, this,
            [this] { openwindow(new ScheduleWindow(g_, services_, datadir_, this)); });
    connect(action(menu::weekmatchesmenu), &QAction::triggered, this,
            [this] { openwindow(new WeekMatchesWindow(g_, services_, datadir_, this)); });
    connect(action(menu::matchstandingsmenu), &QAction::triggered, this,
            [this] { openwindow(new MatchStandingsWindow(g_, services_, datadir_, this)); });
}

void MainWindow::showmatchcommands(bool leagueopen) {
    // Only whether it is on is read here: a damaged file is said so by the windows.
    const bool on = leagueopen && !g_.leaguefile.empty() &&
                    matchplay::loadmatches(g_, false, datadir_).file.settings.on;
    for (const char* name : matchcommands) actions_.at(name)->setEnabled(on);
}

} // namespace greenfold
