// The roster and team commands.
#include "lists/views.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "players/ui/addplayerswindow.h"
#include "players/ui/playerorderwindow.h"
#include "players/ui/removeplayerwindow.h"
#include "players/ui/renameplayerwindow.h"
#include "shell/ui/mainwindow.h"
#include "teams/teamfile.h"
#include "teams/ui/teampointswindow.h"
#include "teams/ui/teamreportwindow.h"
#include "teams/ui/teamsetupwindow.h"

#include <QAction>

#include <memory>

namespace greenfold {

namespace {

// After the roster changed the round list is drawn again. A player's own rounds are
// found by his slot, which the change may have given to somebody else: that view
// falls back to the most recent rounds.
void redraw(MainWindow* main) {
    const int view = main->roundview().view;
    main->viewcommand(view == view_player ? view_recent : view);
}

// Opens a roster or team window; after a roster change the list is drawn again.
template <typename Window> void open(MainWindow* main, bool rosterchanges) {
    main->openwindow(new Window(main->model(), main->services(), main->datadir(), main),
                     [main, rosterchanges] {
                         if (rosterchanges) redraw(main);
                     });
}

// Point records and the team report belong to teams with players; without any there is
// nothing to do.
template <typename Window> void openforteams(MainWindow* main) {
    auto teams = std::make_unique<Teamdata>();
    loadteams(main->model(), *teams, main->datadir());
    if (main->model().teamsdefined == 1) open<Window>(main, false);
}

} // namespace

void MainWindow::wireroster() {
    auto on = [this](const char* name, auto command) {
        connect(action(name), &QAction::triggered, this, command);
    };
    on("Playermenu_1", [this] { open<AddPlayersWindow>(this, true); });
    on("Playermenu_2", [this] { open<PlayerOrderWindow>(this, true); });
    on("Playermenu_3", [this] { open<RemovePlayerWindow>(this, true); });
    on("Playernamesmenu", [this] { open<RenamePlayerWindow>(this, true); });
    on("defineteammenu", [this] { open<TeamSetupWindow>(this, false); });
    on("enterteamresultsmenu", [this] { openforteams<TeamPointsWindow>(this); });
    on("teamsummarymenu", [this] { openforteams<TeamReportWindow>(this); });
}

} // namespace greenfold
