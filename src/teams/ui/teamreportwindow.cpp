#include "teams/ui/teamreportwindow.h"

#include "help/helpindex.h"
#include "model/programstate.h"
#include "platform/qtprintsurface.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "reports/ui/printcommands.h"
#include "teams/teamfile.h"
#include "teams/teamreport.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace greenfold {

TeamReportWindow::TeamReportWindow(ProgramState& model, Services& services,
                                   std::filesystem::path datadir, QWidget* mainwindow)
    : TeamWindow(model, services, std::move(datadir), mainwindow, "PrintTeamform",
                 "Team Report Printing Options") {
    QWidget* types = buildtypes();
    auto* printbutton = button(this, "Printbutton", "&Print", "Print the team summary report");
    auto* setupbutton =
        button(this, "Printsetupbutton", "Printer Setup", "Choose the printer to print on");
    auto* donebutton = button(this, "Donebutton", "&Done", "Close this window");
    auto* infobutton = button(this, "Infobutton", "&Help", "Help on team data");

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(printbutton);
    buttons->addWidget(setupbutton);
    buttons->addStretch(1);
    buttons->addWidget(infobutton);
    buttons->addWidget(donebutton);
    auto* grid = new QGridLayout(this);
    grid->addWidget(types, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->setColumnStretch(0, 1);
    resize(twips(6000), twips(2600));

    connect(printbutton, &QPushButton::clicked, this, &TeamReportWindow::print);
    connect(setupbutton, &QPushButton::clicked, this, [this] { printersetup(services_, this); });
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, helpkey::teams);
}

QWidget* TeamReportWindow::buildtypes() {
    auto* frame = new QGroupBox("Report Types", this);
    frame->setObjectName("Frame1");
    namescheck_ = checkbox(frame, "Namescheck", "List Team member names ");
    lastonly_ = option(frame, "Option1_0", "Print each Teams last event only");
    auto* all = option(frame, "Option1_1", "Include all Team events");
    // The whole record is what a league usually hands round; the newest event alone is
    // the weekly standing.
    all->setChecked(true);
    auto* types = new QVBoxLayout(frame);
    types->addWidget(namescheck_);
    types->addSpacing(8);
    types->addWidget(lastonly_);
    types->addWidget(all);
    return frame;
}

void TeamReportWindow::load() {
    readteams();
    centrewindow(this, 0);
    show();
}

void TeamReportWindow::print() {
    const Teamreportoptions options{namescheck_->isChecked(), lastonly_->isChecked()};
    const std::string date = todaysdate();
    runprint(services_, [&](PrintSurface& s) { printteamreport(s, g_, *teams_, options, date); });
}

} // namespace greenfold
