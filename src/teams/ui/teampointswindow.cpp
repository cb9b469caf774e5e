#include "teams/ui/teampointswindow.h"

#include "help/helpindex.h"
#include "model/programstate.h"
#include "model/textline.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "teams/teamfile.h"
#include "teams/teampoints.h"
#include "teams/teamrules.h"

#include <QCheckBox>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace greenfold {

TeamPointsWindow::TeamPointsWindow(ProgramState& model, Services& services,
                                   std::filesystem::path datadir, QWidget* mainwindow)
    : TeamWindow(model, services, std::move(datadir), mainwindow, "teamdataform", "Greenfold") {
    teamnamelabel_ = panel(this, "TeamNameLabel");
    bigfont(teamnamelabel_, 2);
    recordnumberlabel_ = panel(this, "RecordNumberLabel");
    membertext_ = new QPlainTextEdit(this);
    membertext_->setObjectName("Membertext");
    membertext_->setReadOnly(true);
    membertext_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    membertext_->setFixedHeight(membertext_->fontMetrics().lineSpacing() * 3 + 12);
    datetext_ = textbox(this, "DateText");
    datecheck_ = checkbox(this, "DateCheck", "Begin each line with -->");
    text1_ = textbox(this, "Text1");
    manualtext_ = textbox(this, "ManualText");
    calculatedtext_ = textbox(this, "Calculatedtext");
    auto* addbutton = button(this, "Addbutton", "Add Event Information");
    auto* removebutton = button(this, "Removebutton", "Remove Entry");
    list1_ = listbox(this, "List1");
    list1_->setSelectionMode(QAbstractItemView::MultiSelection);
    QFont courier("Courier New");
    courier.setStyleHint(QFont::Monospace);
    courier.setFixedPitch(true);
    list1_->setFont(courier);
    totallabel_ = panel(this, "TotalLabel");
    auto* prevteambutton = button(this, "prevteambutton", "Previous Team");
    auto* nextteambutton = button(this, "nextteambutton", "Next Team");
    auto* exitbutton = button(this, "exitbutton", "&Close", "Save the point records and close");
    auto* image1 = new QToolButton(this);
    image1->setObjectName("Image1");
    image1->setIcon(QIcon(":/pictures/tool4.png"));
    image1->setIconSize(QSize(24, 24));
    image1->setAutoRaise(true);
    image1->setToolTip("Help on team data");

    auto* grid = new QGridLayout(this);
    grid->addWidget(teamnamelabel_, 0, 0, 1, 3);
    grid->addWidget(recordnumberlabel_, 0, 3);
    grid->addWidget(label(this, "Label1", "Team members:"), 1, 0);
    grid->addWidget(membertext_, 2, 0, 1, 4);
    grid->addWidget(datecheck_, 3, 0);
    grid->addWidget(datetext_, 3, 1);
    grid->addWidget(label(this, "Label2", "Event or Comment"), 4, 0, 1, 2);
    grid->addWidget(label(this, "Label3", "Points or count"), 4, 2);
    grid->addWidget(label(this, "Label4", "Pts. to Add"), 4, 3);
    grid->addWidget(text1_, 5, 0, 1, 2);
    grid->addWidget(manualtext_, 5, 2);
    grid->addWidget(calculatedtext_, 5, 3);
    grid->addWidget(addbutton, 6, 2);
    grid->addWidget(removebutton, 6, 3);
    grid->addWidget(list1_, 7, 0, 1, 4);
    auto* total = new QHBoxLayout;
    total->addStretch(1);
    total->addWidget(label(this, "Label5", "Calculated running total:"));
    total->addWidget(totallabel_);
    grid->addLayout(total, 8, 0, 1, 4);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(image1);
    bottom->addStretch(1);
    bottom->addWidget(prevteambutton);
    bottom->addWidget(nextteambutton);
    bottom->addWidget(exitbutton);
    grid->addLayout(bottom, 9, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(7, 1);
    totallabel_->setMinimumWidth(twips(1200));
    totallabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resize(QFontMetrics(courier).horizontalAdvance(QString(80, 'M')) + 60, twips(7600));

    connect(addbutton, &QPushButton::clicked, this, &TeamPointsWindow::add);
    connect(removebutton, &QPushButton::clicked, this, &TeamPointsWindow::removeentries);
    connect(datecheck_, &QCheckBox::clicked, this, &TeamPointsWindow::datechecked);
    connect(nextteambutton, &QPushButton::clicked, this, [this] { switchteam(true); });
    connect(prevteambutton, &QPushButton::clicked, this, [this] { switchteam(false); });
    connect(exitbutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(image1, helpkey::teams);
}

void TeamPointsWindow::load() {
    readteams();
    showmembers();
    const QDate today = QDate::currentDate();
    datetext_->setText(
        QString::fromStdString(reportdate(today.year(), today.month(), today.day())));
    listinfo();
    centrewindow(this, 0);
    show();
    text1_->setFocus();
}

void TeamPointsWindow::showmembers() {
    membertext_->setPlainText(QString::fromStdString(greenfold::showmembers(g_, *teams_)));
    teamnamelabel_->setText(QString::fromStdString(teams_->teamname[teams_->currentteam]));
    recordnumberlabel_->setText(QString::fromStdString(teamcaption(*teams_)));
}

void TeamPointsWindow::listinfo() {
    list1_->clear();
    addlines(list1_, greenfold::listinfo(*teams_));
    text1_->clear();
    manualtext_->clear();
    calculatedtext_->clear();
    if (datecheck_->isChecked())
        text1_->setText(QString::fromStdString(dateprefix(datetext_->text().toStdString())));
    totallabel_->setText(QString::fromStdString(totaltext(*teams_)));
}

void TeamPointsWindow::checkfornewinfo() {
    if (calculatedtext_->text().isEmpty() && manualtext_->text().isEmpty()) return;
    if (services_.dialogs.message(unsavedpoints(), Buttons::yesno, Answer::no) == Answer::yes)
        add();
}

void TeamPointsWindow::add() {
    Teamstep step =
        addevent(*teams_, text1_->text().toStdString(), manualtext_->text().toStdString(),
                 calculatedtext_->text().toStdString());
    if (step.beep) services_.dialogs.beep();
    if (step.message) services_.dialogs.message(*step.message);
    if (step.done) listinfo();
}

void TeamPointsWindow::removeentries() {
    std::vector<int> rows;
    for (int i = 0; i < list1_->count(); ++i)
        if (list1_->item(i)->isSelected()) rows.push_back(i);
    if (rows.empty()) {
        services_.dialogs.beep();
        return;
    }
    removeevents(*teams_, rows);
    listinfo();
}

void TeamPointsWindow::switchteam(bool next) {
    checkfornewinfo();
    if (next ? nextteam(*teams_) : prevteam(*teams_)) showmembers();
    listinfo();
}

void TeamPointsWindow::datechecked() {
    if (text1_->text().isEmpty() && datecheck_->isChecked())
        text1_->setText(QString::fromStdString(dateprefix(datetext_->text().toStdString())));
}

void TeamPointsWindow::leaving() {
    checkfornewinfo();
    Outcome out = writeteams();
    services_.dialogs.show(out);
}

} // namespace greenfold
