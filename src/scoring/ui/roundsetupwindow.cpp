#include "scoring/ui/roundsetupwindow.h"

#include "courses/courseedit.h"
#include "help/helpindex.h"
#include "matchplay/cards.h"
#include "model/coursefile.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/widgets.h"
#include "reports/printsteps.h"
#include "reports/scorecards.h"
#include "reports/ui/printcommands.h"
#include "results/resultsfile.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace greenfold {

namespace {

// The width of the month, day and year panels.
constexpr int datewidth = 36;

} // namespace

RoundSetupWindow::RoundSetupWindow(ProgramState& model, Services& services,
                                   std::filesystem::path datadir, QWidget* mainwindow)
    : FormWindow(services, mainwindow, "selectplayers",
                 "Player & Course Selection for Score Entry"),
      g_(model), datadir_(std::move(datadir)) {
    auto* instruction = new QLabel("Select the players who participated, the course, and edit "
                                   "the date if necessary.",
                                   this);
    instruction->setObjectName("instructionpanel");
    instruction->setFrameStyle(QFrame::Panel | QFrame::Raised);
    instruction->setWordWrap(true);
    instruction->setMargin(4);
    list1_ = listbox(this, "List1");
    list1_->setSelectionMode(QAbstractItemView::MultiSelection);
    coursecombo_ = new QComboBox(this);
    coursecombo_->setObjectName("coursecombo");
    coursecombo_->setEditable(true);
    coursecombo_->setInsertPolicy(QComboBox::NoInsert);
    coursecombo_->setMinimumWidth(200);
    auto* allbutton = button(this, "allbutton", "Select All", "");
    QWidget* date = builddate();
    QWidget* cards = buildcards();

    auto* grid = new QGridLayout(this);
    grid->addWidget(instruction, 0, 0, 1, 2);
    grid->addWidget(list1_, 1, 0, 5, 1);
    grid->addWidget(new QLabel("Course Played", this), 1, 1);
    grid->addWidget(coursecombo_, 2, 1);
    grid->addWidget(new QLabel("Date of Round", this), 3, 1);
    grid->addWidget(date, 4, 1, Qt::AlignLeft);
    grid->addWidget(cards, 5, 1, Qt::AlignBottom);
    grid->setRowStretch(5, 1);
    grid->addWidget(allbutton, 6, 0);
    grid->addWidget(commandrow({"acceptbutton", "&Accept", "Accept selection - continue",
                                "Close Player Selection window", "Help on entering rounds",
                                helpkey::enteringscores},
                               [this] { accept(); }),
                    6, 1);

    connect(allbutton, &QPushButton::clicked, this, &RoundSetupWindow::selectall);
}

// Scorecards for the night before it is played: the holes they show and the command.
QWidget* RoundSetupWindow::buildcards() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* cardslabel = new QLabel("Ho&les on the cards", box);
    cardscombo_ = new QComboBox(box);
    cardscombo_->setObjectName("cardscombo");
    cardscombo_->addItems({"18 holes", "Front nine", "Back nine"});
    cardslabel->setBuddy(cardscombo_);
    auto* cardsbutton = button(box, "cardsbutton", "Print Sco&recards",
                               "A card for every four players, with each one's strokes");
    row->addWidget(cardslabel);
    row->addWidget(cardscombo_);
    row->addWidget(cardsbutton);
    connect(cardsbutton, &QPushButton::clicked, this, &RoundSetupWindow::printcards);
    return box;
}

SpinButton* RoundSetupWindow::datespin(QWidget* parent, const char* name, const char* tip,
                                       void (RoundSetupWindow::*step)(bool)) {
    auto* spin = new SpinButton(name, parent);
    spin->setToolTip(tip);
    connect(spin, &SpinButton::up, this, [this, step] { (this->*step)(true); });
    connect(spin, &SpinButton::down, this, [this, step] { (this->*step)(false); });
    return spin;
}

QWidget* RoundSetupWindow::builddate() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    monthlabel_ = numberpanel(box, "Monthlabel", datewidth);
    daylabel_ = numberpanel(box, "daylabel", datewidth);
    yearlabel_ = numberpanel(box, "yearlabel", datewidth);
    row->addWidget(monthlabel_);
    row->addWidget(datespin(box, "monthspin", "Change month", &RoundSetupWindow::stepmonth));
    row->addSpacing(6);
    row->addWidget(daylabel_);
    row->addWidget(datespin(box, "Dayspin", "Change Day", &RoundSetupWindow::stepday));
    row->addSpacing(6);
    row->addWidget(yearlabel_);
    yearspin_ = datespin(box, "Yearspin", "Change Year", &RoundSetupWindow::stepyear);
    row->addWidget(yearspin_);
    return box;
}

void RoundSetupWindow::load(const QDate& today) {
    month_ = today.month();
    day_ = today.day();
    year_ = today.year() % 100;
    showdate();
    players_ = setupplayers(g_);
    addlines(list1_, players_.names);
    services_.dialogs.show(loadcourses(g_, datadir_));
    {
        const QSignalBlocker quiet(coursecombo_);
        for (const auto& name : coursenames(g_))
            coursecombo_->addItem(QString::fromStdString(name));
        coursecombo_->setCurrentIndex(-1);
        coursecombo_->clearEditText();
    }
    present(100, list1_);
}

void RoundSetupWindow::showdate() {
    monthlabel_->setText(QString::fromStdString(monthshort(g_, month_)));
    daylabel_->setText(QString::number(day_));
    yearlabel_->setText(QString::fromStdString(yeartext(year_)));
    yearspin_->setToolTip(QString::fromStdString(yearcaption(year_)));
}

void RoundSetupWindow::stepmonth(bool up) {
    month_ = greenfold::stepmonth(month_, up);
    showdate();
}

void RoundSetupWindow::stepday(bool up) {
    day_ = greenfold::stepday(day_, up);
    showdate();
}

void RoundSetupWindow::stepyear(bool up) {
    year_ = greenfold::stepyear(year_, up);
    showdate();
}

void RoundSetupWindow::selectall() {
    list1_->selectAll();
}

std::optional<SetupResult> RoundSetupWindow::chosensetup() {
    std::vector<int> chosen;
    for (int row = 0; row < list1_->count(); ++row)
        if (list1_->item(row)->isSelected())
            chosen.push_back(players_.playerslots[std::size_t(row)]);
    const SetupDate date{month_, day_, year_};
    SetupResult result = acceptsetup(g_, chosen, coursecombo_->currentText().toStdString(), date);
    if (result.check != SetupCheck::ok) {
        services_.dialogs.message(result.check == SetupCheck::nocourse ? nocoursemessage()
                                                                       : noplayersmessage());
        return std::nullopt;
    }
    return result;
}

void RoundSetupWindow::printcards() {
    const auto setup = chosensetup();
    if (!setup) return;
    const ScoreSession& s = setup->session;
    const LoadedResults results = loadresults(g_, datadir_);
    const matchplay::Nine nines[] = {matchplay::Nine::all, matchplay::Nine::front,
                                     matchplay::Nine::back};
    const auto cards = matchplay::nightcards(g_, results.file, s.waiting, s.course,
                                             {int16_t(s.month), int16_t(s.day), int16_t(s.year)},
                                             nines[std::clamp(cardscombo_->currentIndex(), 0, 2)]);
    const std::string font = reportfontname(g_);
    runprint(services_, [&](PrintSurface& surface) { printscorecards(surface, cards, font); });
}

void RoundSetupWindow::accept() {
    const auto setup = chosensetup();
    if (!setup) return;
    const SetupResult& result = *setup;
    const SetupDate date{month_, day_, year_};
    if (g_.dateremind == 1) {
        const std::string name = coursefield(g_, result.session.course, courseline_name);
        if (services_.dialogs.message(datequestion(date, name), Buttons::yesno, Answer::no) !=
            Answer::yes)
            return;
    }
    handover();
    emit accepted(result.session);
    close();
}

} // namespace greenfold
