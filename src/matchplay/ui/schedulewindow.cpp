#include "matchplay/ui/schedulewindow.h"

#include "matchplay/matchforms.h"
#include "matchplay/matchstore.h"
#include "matchplay/matchtext.h"
#include "platform/services.h"
#include "platform/widgets.h"

#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace greenfold {

using namespace matchplay;

namespace {

void addrow(QFormLayout* form, QWidget* parent, const char* caption, QWidget* field) {
    auto* l = new QLabel(caption, parent);
    l->setBuddy(field);
    form->addRow(l, field);
}

NightDate today() {
    const QDate d = QDate::currentDate();
    return {int16_t(d.month()), int16_t(d.day()), int16_t(d.year() % 100)};
}

std::string pairstext(const Week& w) {
    if (!w.paired) return "paired from the standings when the week before is played";
    std::string out;
    for (const Pair& p : w.pairs)
        out += (out.empty() ? "" : "\n") +
               (p.bye() ? p.side1 + " has the bye" : p.side1 + " v " + p.side2);
    return out;
}

} // namespace

ScheduleWindow::ScheduleWindow(ProgramState& model, Services& services,
                               std::filesystem::path datadir, QWidget* mainwindow)
    : MatchWindow(model, services, std::move(datadir), mainwindow, "Scheduleform", "Schedule") {
    QWidget* makebox = buildmake();
    table_ = new QTableWidget(this);
    table_->setObjectName("Weektable");
    table_->setColumnCount(4);
    table_->setHorizontalHeaderLabels({"Week", "Date", "Nine", "Matches"});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setMinimumSize(560, 300);
    QWidget* weekbox = buildweek();
    auto* printbutton = button(this, "Printbutton", "P&rint", "Print the whole schedule");
    auto* infobutton = button(this, "Infobutton", "&Help", "Help on match play");
    auto* donebutton = button(this, "Donebutton", "&Done", "Close this window");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printbutton);
    buttons->addStretch(1);
    buttons->addWidget(infobutton);
    buttons->addWidget(donebutton);
    auto* grid = new QGridLayout(this);
    grid->addWidget(makebox, 0, 0);
    grid->addWidget(table_, 1, 0);
    grid->addWidget(weekbox, 2, 0);
    grid->addLayout(buttons, 3, 0);

    connect(printbutton, &QPushButton::clicked, this, &ScheduleWindow::print);
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
    connect(table_, &QTableWidget::itemSelectionChanged, this, &ScheduleWindow::showsides);
    matchhelp(infobutton);
}

QWidget* ScheduleWindow::buildmake() {
    auto* box = new QGroupBox("Make the Schedule", this);
    box->setObjectName("Frame1");
    auto* row = new QHBoxLayout(box);
    auto* left = new QFormLayout;
    first_ = textbox(box, "Firstdatetext");
    first_->setToolTip("The date of week 1, MM/DD/YY");
    addrow(left, box, "&First date", first_);
    weeks_ = new QSpinBox(box);
    weeks_->setObjectName("Weeksspin");
    weeks_->setRange(0, maxweeks);
    weeks_->setSpecialValueText("one round");
    weeks_->setToolTip("Weeks in the season; \"one round\": every side meets every other once");
    addrow(left, box, "&Weeks", weeks_);
    auto* right = new QFormLayout;
    skip_ = textbox(box, "Skiptext");
    skip_->setToolTip("Dates without a match, MM/DD/YY, a space between two: the week moves on "
                      "to the next free date");
    addrow(right, box, "&No-play dates", skip_);
    positions_ = textbox(box, "Positiontext");
    positions_->setToolTip("Weeks paired from the standings, 1st v 2nd, 3rd v 4th: week numbers "
                           "with a space between two");
    addrow(right, box, "&Position weeks", positions_);
    auto* makebutton = button(box, "Makebutton", "&Make Schedule", "Make the season's schedule");
    row->addLayout(left);
    row->addLayout(right, 1);
    row->addWidget(makebutton, 0, Qt::AlignBottom);
    connect(makebutton, &QPushButton::clicked, this, &ScheduleWindow::make);
    return box;
}

QWidget* ScheduleWindow::buildweek() {
    auto* box = new QGroupBox("The Chosen Week", this);
    box->setObjectName("Frame2");
    auto* row = new QHBoxLayout(box);
    auto* postponebutton = button(box, "Postponebutton", "P&ostpone",
                                  "Rained off: this week and every later week move on a date");
    auto* cancelbutton =
        button(box, "Cancelweekbutton", "&Cancel Week", "Rained off: its matches are not played");
    side1_ = new QComboBox(box);
    side1_->setObjectName("Side1combo");
    side2_ = new QComboBox(box);
    side2_->setObjectName("Side2combo");
    auto* swaplabel = new QLabel("&Swap", box);
    swaplabel->setBuddy(side1_);
    auto* swapbutton =
        button(box, "Swapbutton", "Swap Sid&es", "The two sides change places in the week");
    row->addWidget(postponebutton);
    row->addWidget(cancelbutton);
    row->addSpacing(16);
    row->addWidget(swaplabel);
    row->addWidget(side1_);
    row->addWidget(new QLabel("with", box));
    row->addWidget(side2_);
    row->addWidget(swapbutton);
    row->addStretch(1);
    connect(postponebutton, &QPushButton::clicked, this, &ScheduleWindow::postpone);
    connect(cancelbutton, &QPushButton::clicked, this, &ScheduleWindow::cancel);
    connect(swapbutton, &QPushButton::clicked, this, &ScheduleWindow::swap);
    return box;
}

void ScheduleWindow::load() {
    readseason();
    showplan();
    showweeks(openingweek(season_.file.schedule, season_.nights));
    present(0, season_.file.schedule.weeks.empty() ? static_cast<QWidget*>(first_)
                                                   : static_cast<QWidget*>(table_));
}

void ScheduleWindow::showplan() {
    const SchedulePlan& plan = season_.file.schedule.plan;
    first_->setText(QString::fromStdString(
        nighttext(offeredfirst(season_.file.schedule, season_.results, today()))));
    weeks_->setValue(plan.weeks);
    skip_->setText(QString::fromStdString(datestext(plan.skip)));
    positions_->setText(QString::fromStdString(weekstext(plan.positions)));
}

void ScheduleWindow::showweeks(int select) {
    const Schedule& s = season_.file.schedule;
    const Nights played = playednights(s, season_.nights);
    table_->clearContents();
    table_->setRowCount(int(s.weeks.size()));
    int row = 0, chosen = -1;
    for (const Week& w : s.weeks) {
        std::string state = w.cancelled ? "cancelled" : ninetext(w.nine);
        if (weekplayed(w, played)) state += ", played";
        const std::string cells[] = {std::to_string(w.number), nighttext(w.date), state,
                                     pairstext(w)};
        for (int c = 0; c < 4; ++c)
            table_->setItem(row, c, new QTableWidgetItem(QString::fromStdString(cells[c])));
        if (w.number == select) chosen = row;
        ++row;
    }
    for (int c = 0; c < 3; ++c) table_->resizeColumnToContents(c);
    table_->resizeRowsToContents();
    if (chosen >= 0) table_->selectRow(chosen);
    showsides();
}

int ScheduleWindow::chosenweek() const {
    const auto rows = table_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return 0;
    return table_->item(rows.front().row(), 0)->text().toInt();
}

// The sides of the chosen week, for a swap.
void ScheduleWindow::showsides() {
    side1_->clear();
    side2_->clear();
    const Week* w = findweek(season_.file.schedule, chosenweek());
    if (!w) return;
    for (const Pair& p : w->pairs)
        for (const std::string* side : {&p.side1, &p.side2})
            if (!side->empty()) {
                side1_->addItem(QString::fromStdString(*side));
                side2_->addItem(QString::fromStdString(*side));
            }
    side2_->setCurrentIndex(side2_->count() > 1 ? 1 : 0);
}

// As greenfold-cli's schedule --make; --force once the secretary agrees.
void ScheduleWindow::make() {
    SchedulePlan plan;
    const auto first = readnightdate(first_->text().trimmed().toStdString());
    if (!first) {
        services_.dialogs.message(baddate("first date"));
        first_->setFocus();
        return;
    }
    const auto skip = readdates(skip_->text().toStdString());
    if (!skip) {
        services_.dialogs.message(baddate("no-play dates"));
        skip_->setFocus();
        return;
    }
    const auto positions = readweeks(positions_->text().toStdString());
    if (!positions) {
        services_.dialogs.message(badweeks());
        positions_->setFocus();
        return;
    }
    plan = {weeks_->value(), *first, *skip, *positions};
    const Schedule& old = season_.file.schedule;
    const Nights played = playednights(old, season_.nights);
    if (!old.weeks.empty() && services_.dialogs.message(replacequestion(old, played),
                                                        Buttons::yesno, Answer::no) != Answer::yes)
        return;
    const Outcome made = newschedule(season_.file, season_.sides, plan, played, true);
    if (!made) {
        services_.dialogs.show(made);
        return;
    }
    refresh();
    if (savefile()) showweeks(openingweek(season_.file.schedule, season_.nights));
}

void ScheduleWindow::rainout(bool postponing) {
    const Week* w = findweek(season_.file.schedule, chosenweek());
    if (!w) {
        services_.dialogs.message(noweekchosen());
        return;
    }
    const int number = w->number;
    const Message asked = postponing ? postponequestion(*w) : cancelquestion(*w);
    if (services_.dialogs.message(asked, Buttons::yesno, Answer::no) != Answer::yes) return;
    const Nights played = playednights(season_.file.schedule, season_.nights);
    const Outcome done = postponing ? matchplay::postpone(season_.file.schedule, number, played)
                                    : matchplay::cancel(season_.file.schedule, number, played);
    if (!done) {
        services_.dialogs.show(done);
        return;
    }
    refresh();
    if (savefile()) showweeks(number);
}

void ScheduleWindow::postpone() {
    rainout(true);
}

void ScheduleWindow::cancel() {
    rainout(false);
}

void ScheduleWindow::swap() {
    const int number = chosenweek();
    if (number == 0) {
        services_.dialogs.message(noweekchosen());
        return;
    }
    const Outcome done = swapsides(
        season_.file.schedule, number, side1_->currentText().toStdString(),
        side2_->currentText().toStdString(), playednights(season_.file.schedule, season_.nights));
    if (!done) {
        services_.dialogs.show(done);
        return;
    }
    refresh();
    if (savefile()) showweeks(number);
}

void ScheduleWindow::print() {
    if (season_.file.schedule.weeks.empty()) {
        services_.dialogs.beep();
        return;
    }
    printlines(schedulelines(leaguename(), season_.file.schedule), true);
}

} // namespace greenfold
