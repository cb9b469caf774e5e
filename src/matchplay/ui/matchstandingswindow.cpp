#include "matchplay/ui/matchstandingswindow.h"

#include "matchplay/matchforms.h"
#include "matchplay/matchstore.h"
#include "matchplay/matchtext.h"
#include "platform/services.h"
#include "platform/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

using namespace matchplay;

MatchStandingsWindow::MatchStandingsWindow(ProgramState& model, Services& services,
                                           std::filesystem::path datadir, QWidget* mainwindow)
    : MatchWindow(model, services, std::move(datadir), mainwindow, "Matchstandform",
                  "Match Standings") {
    list1_ = matchlist(this, "List1");
    list1_->setSelectionMode(QAbstractItemView::NoSelection);
    auto* printbutton = button(this, "Printbutton", "&Print", "Print the match standings");
    auto* infobutton = button(this, "Infobutton", "&Help", "Help on match play");
    auto* donebutton = button(this, "Donebutton", "&Done", "Close this window");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printbutton);
    buttons->addStretch(1);
    buttons->addWidget(infobutton);
    buttons->addWidget(donebutton);
    auto* grid = new QGridLayout(this);
    grid->addWidget(list1_, 0, 0);
    grid->addLayout(buttons, 1, 0);
    list1_->setMinimumSize(600, 380);

    connect(printbutton, &QPushButton::clicked, this, &MatchStandingsWindow::print);
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
    matchhelp(infobutton);
}

void MatchStandingsWindow::load() {
    readseason();
    lines_ =
        standingslines(leaguename(), standings(season_.file, season_.sides.sides, season_.nights));
    if (season_.file.settings.format == Format::teams) {
        const auto players =
            playerpoints(workoutseason(season_.file, season_.sides.sides, season_.nights));
        if (!players.empty()) {
            lines_.push_back("");
            for (const std::string& l : playerslines(players)) lines_.push_back(l);
        }
    }
    addlines(list1_, lines_);
    present(0, list1_);
}

void MatchStandingsWindow::print() {
    printlines(lines_);
}

} // namespace greenfold
