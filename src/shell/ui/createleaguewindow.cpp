#include "shell/ui/createleaguewindow.h"

#include "help/helpindex.h"
#include "model/leaguelist.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace greenfold {

CreateLeagueWindow::CreateLeagueWindow(ProgramState& model, Services& services,
                                       std::filesystem::path datadir, QWidget* mainwindow)
    : FormWindow(services, mainwindow, "Createleagueform", "Create League File"), g_(model),
      datadir_(std::move(datadir)) {
    text1_ = textbox(this, "Text1");
    text1_->setMaxLength(int(maxleaguename));
    text1_->setToolTip("30 char max, do not include suffix");
    text1_->installEventFilter(this);
    auto* label1 = label(this, "Label1", ".LGE");
    auto* okbutton = button(this, "okbutton", "Create a new league file");
    auto* deletebutton = button(this, "deletebutton", "Delete league file");
    auto* closebutton = button(this, "Command3d1", "Close File create/delete window");
    auto* infobutton = button(this, "infobutton", "Help with league files");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Enter a name for the League file you wish to create.", this), 0, 0,
                    1, 2);
    grid->addWidget(text1_, 1, 0);
    grid->addWidget(label1, 1, 1);
    grid->addWidget(new QLabel("League files are automatically stored", this), 2, 0, 1, 2);
    grid->addWidget(new QLabel("in the GFD program directory", this), 3, 0, 1, 2);
    grid->addWidget(okbutton, 4, 0, 1, 2);
    grid->addWidget(deletebutton, 5, 0, 1, 2);
    grid->addWidget(infobutton, 6, 0, 1, 2);
    grid->addWidget(closebutton, 7, 0, 1, 2);

    connect(okbutton, &QPushButton::clicked, this, &CreateLeagueWindow::createleague);
    connect(deletebutton, &QPushButton::clicked, this, &CreateLeagueWindow::deleteleague);
    connect(closebutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, helpkey::leaguefiles);
}

void CreateLeagueWindow::load() {
    present(0, text1_);
}

bool CreateLeagueWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        // Editing keys pass; a typed character must be one a league name may hold.
        if (!typed.isEmpty() && typed.at(0).isPrint() && !acceptkey(typed.at(0).unicode()))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CreateLeagueWindow::finish(const LeagueStep& step, bool closeafter) {
    if (step.beep) services_.dialogs.beep();
    services_.dialogs.show(step.outcome);
    if (step.cleartext) text1_->clear();
    if (closeafter) close();
}

void CreateLeagueWindow::createleague() {
    const std::string name = text1_->text().toStdString();
    LeagueStep step =
        whilebusy(services_.busy, [&] { return greenfold::createleague(g_, name, datadir_); });
    const bool done = step.outcome.ok && !step.beep;
    if (done) emit listchanged();
    finish(step, done);
}

void CreateLeagueWindow::deleteleague() {
    const std::string name = text1_->text().toStdString();
    LeagueStep check = checkdelete(g_, name);
    if (!check.outcome.ok || check.beep) {
        finish(check, false);
        return;
    }
    Question q = deletequestion();
    const Answer answer = services_.dialogs.message(q.message, Buttons::yesno,
                                                    q.defaultno ? Answer::no : Answer::yes);
    if (answer != Answer::yes) return;
    // The league's team data go with it when it has a team file.
    const bool teams = std::filesystem::exists(findfile(datadir_, name + teamsuffix));
    LeagueStep step = greenfold::deleteleague(g_, name, true, teams, datadir_);
    emit listchanged();
    finish(step, true);
}

} // namespace greenfold
