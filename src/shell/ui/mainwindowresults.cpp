// The Results menu: the competition settings, a night's results and the season's
// standings of the open league; and the File menu's new season.
#include "matchplay/matchstore.h"
#include "platform/services.h"
#include "results/newseason.h"
#include "results/ui/competitionsettingswindow.h"
#include "results/ui/nightresultswindow.h"
#include "results/ui/standingswindow.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/menunames.h"

#include <QAction>

namespace greenfold {

namespace {

// Asked first; the open league's nights and team points are put aside.
void newseason(MainWindow& main) {
    Dialogs& dialogs = main.services().dialogs;
    SeasonStart start = planseason(main.model(), main.datadir());
    if (!start.plan) {
        dialogs.message(start.refusal);
        return;
    }
    start.plan->started = todaysnight();
    const Message question = newseasonquestion(main.model(), *start.plan);
    if (dialogs.message(question, Buttons::yesno, Answer::no) != Answer::yes) return;
    ProgramState& g = main.model();
    const auto dir = main.datadir();
    dialogs.show(startseason(g, *start.plan, dir, [&](LeagueCommit& commit) {
        return matchplay::stagenewseason(g, commit, dir);
    }));
}

} // namespace

void MainWindow::wireresults() {
    connect(action(menu::competitionmenu), &QAction::triggered, this,
            [this] { openwindow(new CompetitionSettingsWindow(g_, services_, datadir_, this)); });
    connect(action(menu::nightresultsmenu), &QAction::triggered, this,
            [this] { openwindow(new NightResultsWindow(g_, services_, datadir_, this)); });
    connect(action(menu::standingsmenu), &QAction::triggered, this,
            [this] { openwindow(new StandingsWindow(g_, services_, datadir_, this)); });
    connect(action(menu::newseasonmenu), &QAction::triggered, this, [this] { newseason(*this); });
}

} // namespace greenfold
