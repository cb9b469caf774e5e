// The Analysis menu: handicap trends, scoring averages, league handicaps.
#include "charts/ui/chartwindows.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/menunames.h"

#include <QAction>

namespace greenfold {

void MainWindow::wirecharts() {
    connect(action(menu::leaguehcmenu), &QAction::triggered, this,
            [this] { opencompare(this, g_, services_); });
    // The tag tells the player picker which chart to open once a player is chosen.
    connect(action(menu::graphmenu_0), &QAction::triggered, this, [this] {
        tag = ChartTag::line;
        openchartpicker(this, g_, services_, tag);
    });
    connect(action(menu::graphmenu_1), &QAction::triggered, this, [this] {
        tag = ChartTag::pie;
        openchartpicker(this, g_, services_, tag);
    });
}

} // namespace greenfold
