#include "results/ui/standform.h"

#include "help/helpindex.h"
#include "platform/widgets.h"
#include "results/night.h"
#include "results/resultstext.h"
#include "results/standings.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

Standform::Standform(GOLF1& model, Services& services, std::filesystem::path datadir,
                     QWidget* mainwindow)
    : ResultsWindow(model, services, std::move(datadir), mainwindow, "Standform",
                    "Season Standings") {
    list1_ = resultslist(this, "List1");
    auto* printbutton = button(this, "Printbutton", "&Print", "Print the season's standings");
    auto* infobutton = button(this, "Infobutton", "&Help", "Help on results and standings");
    auto* donebutton = button(this, "Donebutton", "&Done", "Close this window");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printbutton);
    buttons->addStretch(1);
    buttons->addWidget(infobutton);
    buttons->addWidget(donebutton);
    auto* grid = new QGridLayout(this);
    grid->addWidget(list1_, 0, 0);
    grid->addLayout(buttons, 1, 0);
    list1_->setMinimumSize(520, 360);

    connect(printbutton, &QPushButton::clicked, this, &Standform::print);
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, helpkey::results);
}

void Standform::load() {
    readresults();
    if (seasonnights(file_).empty()) {
        list1_->addItem("No rounds have been recorded since results were kept.");
    } else {
        lines_ = standingslines(leaguename(), file_, standings(file_));
        addlines(list1_, lines_);
    }
    present(0, list1_);
}

void Standform::print() {
    if (!lines_.empty()) printlines(lines_);
}

} // namespace greenfold
