#include "teams/ui/teamsetupwindow.h"

#include "help/helpindex.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "teams/teamfile.h"
#include "teams/teamrules.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace greenfold {

namespace {

QListWidget* namelist(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    // The move buttons take every selected line: a click adds a name to the selection.
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    return list;
}

std::vector<std::string> selectednames(const QListWidget* list) {
    std::vector<std::string> names;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->isSelected()) names.push_back(list->item(i)->text().toStdString());
    return names;
}

void fill(QListWidget* list, const std::vector<std::string>& names) {
    list->clear();
    addlines(list, names);
}

} // namespace

TeamSetupWindow::TeamSetupWindow(ProgramState& model, Services& services,
                                 std::filesystem::path datadir, QWidget* mainwindow)
    : TeamWindow(model, services, std::move(datadir), mainwindow, "createteamsform",
                 "Greenfold Team Set-up") {
    list1_ = namelist(this, "List1");
    list2_ = namelist(this, "List2");
    teamnametext_ = textbox(this, "teamnametext");
    recordnumberlabel_ = centredpanel(this, "recordnumberlabel", "Team # 0 in Record");
    startlabel_ = label(this, "startlabel",
                        "Type a team name in the box in the upper right to begin, then select "
                        "players from the list on the left.");
    startlabel_->setWordWrap(true);
    startlabel_->setStyleSheet("color: #a00000;");
    auto* addbutton = button(this, "addbutton", "Add  >>");
    auto* removebutton = button(this, "removebutton", "<<  Remove");
    createbutton_ = button(this, "createbutton", "Create Additonal Teams");
    auto* deleteteambutton = button(this, "deleteteambutton", "Remove Team");
    auto* nextteambutton = button(this, "nextteambutton", "Next Team");
    auto* prevteambutton = button(this, "prevteambutton", "Previous Team");
    auto* infobutton = button(this, "Infobutton", "&Help");
    auto* exitbutton = button(this, "Exitbutton", "&Close", "Save the teams and close");

    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(label(this, "Label3", "Move players"), 0, Qt::AlignHCenter);
    middle->addWidget(label(this, "Label4", "to or from teams"), 0, Qt::AlignHCenter);
    middle->addWidget(addbutton);
    middle->addWidget(removebutton);
    middle->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(label(this, "Label1", "Unassigned Members"), 0, 0);
    grid->addWidget(list1_, 1, 0, 3, 1);
    grid->addLayout(middle, 1, 1, 3, 1);
    grid->addWidget(label(this, "Label2", "Team Name"), 0, 2, 1, 2);
    grid->addWidget(teamnametext_, 1, 2, 1, 2);
    grid->addWidget(list2_, 2, 2, 1, 2);
    grid->addWidget(recordnumberlabel_, 3, 2, 1, 2);
    grid->addWidget(prevteambutton, 4, 2);
    grid->addWidget(nextteambutton, 4, 3);
    grid->addWidget(createbutton_, 5, 2);
    grid->addWidget(deleteteambutton, 5, 3);
    grid->addWidget(startlabel_, 4, 0, 2, 2);
    grid->addWidget(infobutton, 6, 0, Qt::AlignLeft);
    grid->addWidget(exitbutton, 6, 3);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);
    resize(twips(8400), twips(6000));

    connect(teamnametext_, &QLineEdit::textEdited, this, &TeamSetupWindow::named);
    connect(addbutton, &QPushButton::clicked, this, &TeamSetupWindow::addplayers);
    connect(removebutton, &QPushButton::clicked, this, &TeamSetupWindow::removeplayers);
    connect(createbutton_, &QPushButton::clicked, this, &TeamSetupWindow::create);
    connect(deleteteambutton, &QPushButton::clicked, this, &TeamSetupWindow::deleteteam);
    connect(nextteambutton, &QPushButton::clicked, this, [this] {
        if (nextteam(*teams_)) AddNamestoList();
    });
    connect(prevteambutton, &QPushButton::clicked, this, [this] {
        if (prevteam(*teams_)) AddNamestoList();
    });
    helpbutton(infobutton, helpkey::teams);
    connect(exitbutton, &QPushButton::clicked, this, &QWidget::close);
}

void TeamSetupWindow::load() {
    // Read from nothing, so a league without a team file never shows the team numbers
    // of the league open before it.
    readteams();
    AddNamestoList();
    const bool none = teams_->teamcount == 0;
    createbutton_->setEnabled(!none);
    startlabel_->setVisible(none);
    centrewindow(this, 0);
    show();
    teamnametext_->setFocus();
}

void TeamSetupWindow::AddNamestoList() {
    const Teamview view = teamview(g_, *teams_);
    fill(list1_, view.unassigned);
    fill(list2_, view.members);
    teamnametext_->setText(QString::fromStdString(view.name));
    recordnumberlabel_->setText(QString::fromStdString(view.caption));
}

void TeamSetupWindow::named(const QString& text) {
    createbutton_->setEnabled(true);
    nameteam(*teams_, text.toStdString());
    recordnumberlabel_->setText(QString::fromStdString(teamcaption(*teams_)));
}

void TeamSetupWindow::answer(const Teamstep& step) {
    if (step.beep) services_.dialogs.beep();
    if (step.message) services_.dialogs.message(*step.message);
}

void TeamSetupWindow::addplayers() {
    Teamstep step = assignplayers(g_, *teams_, selectednames(list1_));
    answer(step);
    AddNamestoList();
}

void TeamSetupWindow::removeplayers() {
    releaseplayers(g_, *teams_, selectednames(list2_));
    AddNamestoList();
}

void TeamSetupWindow::create() {
    Teamstep step = createteam(*teams_, teamnametext_->text().toStdString());
    answer(step);
    if (!step.done) return;
    AddNamestoList();
    startlabel_->hide();
    teamnametext_->setFocus();
}

void TeamSetupWindow::deleteteam() {
    Teamstep step = removeteam(g_, *teams_);
    answer(step);
    if (step.done) AddNamestoList();
}

void TeamSetupWindow::leaving() {
    Outcome out = writeteams();
    g_.teamsdefined = teamsin(g_);
    services_.dialogs.show(out);
}

} // namespace greenfold
