#include "results/ui/standingswindow.h"

#include "help/helpindex.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "publish/matchpage.h"
#include "publish/webpage.h"
#include "reports/ui/printcommands.h"
#include "results/night.h"
#include "results/resultstext.h"
#include "results/standings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

StandingsWindow::StandingsWindow(ProgramState& model, Services& services,
                                 std::filesystem::path datadir, QWidget* mainwindow)
    : ResultsWindow(model, services, std::move(datadir), mainwindow, "Standform",
                    "Season Standings") {
    list1_ = resultslist(this, "List1");
    auto* printbutton = button(this, "Printbutton", "&Print", "Print the season's standings");
    auto* webbutton = button(this, "Webbutton", "Save as &Web Page...",
                             "Write the standings and the newest night as a web page");
    auto* infobutton = button(this, "Infobutton", "&Help", "Help on results and standings");
    auto* donebutton = button(this, "Donebutton", "&Done", "Close this window");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printbutton);
    buttons->addWidget(webbutton);
    buttons->addStretch(1);
    buttons->addWidget(infobutton);
    buttons->addWidget(donebutton);
    auto* top = new QHBoxLayout;
    top->addStretch(1);
    top->addWidget(buildseasons(this));
    auto* grid = new QGridLayout(this);
    grid->addLayout(top, 0, 0);
    grid->addWidget(list1_, 1, 0);
    grid->addLayout(buttons, 2, 0);
    list1_->setMinimumSize(520, 360);

    connect(printbutton, &QPushButton::clicked, this, &StandingsWindow::print);
    connect(webbutton, &QPushButton::clicked, this, &StandingsWindow::saveweb);
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, helpkey::results);
}

void StandingsWindow::load() {
    loadseasons();
    readresults();
    showstandings();
    present(0, list1_);
}

void StandingsWindow::seasonchanged() {
    showstandings();
}

void StandingsWindow::showstandings() {
    list1_->clear();
    lines_.clear();
    if (seasonnights(file_).empty()) {
        list1_->addItem(QString::fromStdString(nonighttext(file_)));
        return;
    }
    lines_ = standingslines(leaguename(), file_, standings(file_));
    addlines(list1_, lines_);
}

void StandingsWindow::print() {
    if (lines_.empty())
        services_.dialogs.message(nothingtodo(file_, SeasonCommand::print));
    else
        printlines(lines_);
}

void StandingsWindow::saveweb() {
    if (lines_.empty()) {
        services_.dialogs.message(nothingtodo(file_, SeasonCommand::webpage));
        return;
    }
    const auto file = services_.dialogs.savefile("Save as Web Page", "Web page (*.html)", "html");
    if (!file) return;
    const std::string page = webpage(leaguename(), file_, newestskins(g_, file_), todaysdate(),
                                     matchsections(g_, datadir_));
    const Outcome saved = savewebpage(fs::path(*file), page);
    if (!saved) {
        services_.dialogs.show(saved);
        return;
    }
    services_.dialogs.message({"The standings are written to " + *file + " as a web page.",
                               "Save as Web Page", Icon::information});
}

} // namespace greenfold
