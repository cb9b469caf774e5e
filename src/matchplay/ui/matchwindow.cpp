#include "matchplay/ui/matchwindow.h"

#include "help/helpindex.h"
#include "matchplay/matchprint.h"
#include "matchplay/matchstore.h"
#include "model/leaguelist.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "reports/ui/printcommands.h"

#include <QFontDatabase>
#include <QListWidget>

namespace greenfold {

MatchWindow::MatchWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                         QWidget* mainwindow, const char* name, const QString& caption)
    : FormWindow(services, mainwindow, name, caption),
      own_(std::make_unique<matchplay::MatchSeason>()), g_(model), datadir_(std::move(datadir)),
      season_(*own_) {}

MatchWindow::~MatchWindow() = default;

void MatchWindow::readseason() {
    season_ = whilebusy(services_.busy, [&] { return matchplay::openseason(g_, datadir_); });
    services_.dialogs.show(season_.read);
    matchplay::complete(season_);
}

void MatchWindow::refresh() {
    matchplay::refreshseason(season_, g_);
    matchplay::complete(season_);
}

bool MatchWindow::savefile() {
    const Outcome saved = whilebusy(services_.busy, [&] {
        LeagueCommit commit(datadir_, g_.leaguefile);
        matchplay::stagematches(g_, season_.file, commit);
        return commit.run(g_.damagedfiles);
    });
    if (saved) return true;
    services_.dialogs.show(saved);
    readseason();
    return false;
}

void MatchWindow::printlines(const std::vector<std::string>& lines, bool onepage) {
    const std::string date = todaysdate();
    runprint(services_,
             [&](PrintSurface& s) { matchplay::printmatchlines(s, g_, lines, date, onepage); });
}

void MatchWindow::matchhelp(QAbstractButton* button) {
    helpbutton(button, helpkey::matchplay);
}

std::string MatchWindow::leaguename() const {
    return greenfold::leaguename(g_);
}

QListWidget* matchlist(QWidget* parent, const char* name) {
    QListWidget* list = listbox(parent, name);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return list;
}

} // namespace greenfold
