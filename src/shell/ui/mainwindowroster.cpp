// The roster and team commands.
#include "lists/views.h"
#include "model/golf1.h"
#include "platform/services.h"
#include "players/ui/playernm.h"
#include "players/ui/playform.h"
#include "players/ui/rmplayer.h"
#include "players/ui/sortform.h"
#include "shell/ui/form2.h"
#include "teams/teamfile.h"
#include "teams/ui/createteamsform.h"
#include "teams/ui/printteamform.h"
#include "teams/ui/teamdataform.h"

#include <QAction>

#include <memory>

namespace greenfold {

namespace {

// After the roster changed the round list is drawn again. A player's own rounds are
// found by his slot, which the change may have given to somebody else: that view
// falls back to the most recent rounds.
void redraw(Form2* main) {
    const int view = main->roundview().view;
    main->viewcommand(view == view_player ? view_recent : view);
}

// Opens a roster or team window; after a roster change the list is drawn again.
template <typename Window> void open(Form2* main, bool rosterchanges) {
    main->openwindow(new Window(main->model(), main->services(), main->datadir(), main),
                     [main, rosterchanges] {
                         if (rosterchanges) redraw(main);
                     });
}

// Point records and the team report belong to teams with players; without any there is
// nothing to do.
template <typename Window> void openforteams(Form2* main) {
    auto teams = std::make_unique<Teamdata>();
    loadteams(main->model(), *teams, main->datadir());
    if (main->model().teamsdefined == 1) open<Window>(main, false);
}

} // namespace

void Form2::wireroster() {
    auto on = [this](const char* name, auto command) {
        connect(action(name), &QAction::triggered, this, command);
    };
    on("Playermenu_1", [this] { open<playform>(this, true); });
    on("Playermenu_2", [this] { open<sortform>(this, true); });
    on("Playermenu_3", [this] { open<RMplayer>(this, true); });
    on("Playernamesmenu", [this] { open<Playernm>(this, true); });
    on("defineteammenu", [this] { open<createteamsform>(this, false); });
    on("enterteamresultsmenu", [this] { openforteams<teamdataform>(this); });
    on("teamsummarymenu", [this] { openforteams<PrintTeamform>(this); });
}

} // namespace greenfold
