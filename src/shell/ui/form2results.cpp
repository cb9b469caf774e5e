// The Results menu: the competition settings, a night's results and the season's
// standings of the open league.
#include "results/ui/compform.h"
#include "results/ui/nightform.h"
#include "results/ui/standform.h"
#include "shell/ui/form2.h"
#include "shell/ui/menunames.h"

#include <QAction>

namespace greenfold {

void Form2::wireresults() {
    connect(action(menu::competitionmenu), &QAction::triggered, this,
            [this] { openwindow(new Compform(g_, services_, datadir_, this)); });
    connect(action(menu::nightresultsmenu), &QAction::triggered, this,
            [this] { openwindow(new Nightform(g_, services_, datadir_, this)); });
    connect(action(menu::standingsmenu), &QAction::triggered, this,
            [this] { openwindow(new Standform(g_, services_, datadir_, this)); });
}

} // namespace greenfold
