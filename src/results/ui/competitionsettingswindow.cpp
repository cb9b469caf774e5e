#include "results/ui/competitionsettingswindow.h"

#include "help/helpindex.h"
#include "model/programstate.h"
#include "model/textline.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "results/competition.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace greenfold {

namespace {

QSpinBox* spin(QWidget* parent, const char* name, int lo, int hi) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(lo, hi);
    return s;
}

// Option buttons numbered in the group as the setting they stand for.
QButtonGroup* options(QWidget* parent, QBoxLayout* into, const char* name,
                      std::initializer_list<const char*> captions) {
    auto* group = new QButtonGroup(parent);
    int k = 0;
    for (const char* caption : captions) {
        QRadioButton* b = option(parent, QString("%1_%2").arg(name).arg(k), caption);
        group->addButton(b, k++);
        into->addWidget(b);
    }
    return group;
}

void addrow(QFormLayout* form, QWidget* parent, const char* caption, QWidget* field) {
    QLabel* l = new QLabel(caption, parent);
    l->setBuddy(field);
    form->addRow(l, field);
}

} // namespace

CompetitionSettingsWindow::CompetitionSettingsWindow(ProgramState& model, Services& services,
                                                     std::filesystem::path datadir,
                                                     QWidget* mainwindow)
    : ResultsWindow(model, services, std::move(datadir), mainwindow, "Compform",
                    "Competition Settings") {
    QWidget* scoring = buildscoring();
    QWidget* flights = buildflights();
    QWidget* skins = buildskins();
    // Made in the order they stand, so Tab goes through them that way.
    auto* infobutton = button(this, "Infobutton", "&Help", "Help on results and standings");
    auto* savebutton = button(this, "Savebutton", "&Save", "Keep these settings");
    auto* cancelbutton = button(this, "Cancelbutton", "Cancel", "Close without saving");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(infobutton);
    buttons->addStretch(1);
    buttons->addWidget(savebutton);
    buttons->addWidget(cancelbutton);
    auto* grid = new QGridLayout(this);
    grid->addWidget(scoring, 0, 0);
    grid->addWidget(flights, 0, 1);
    grid->addWidget(skins, 1, 0, 1, 2);
    grid->addLayout(buttons, 2, 0, 1, 2);
    savebutton->setDefault(true);

    connect(savebutton, &QPushButton::clicked, this, &CompetitionSettingsWindow::save);
    connect(cancelbutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, helpkey::results);
}

QWidget* CompetitionSettingsWindow::buildscoring() {
    auto* frame = new QGroupBox("Places and Points", this);
    frame->setObjectName("Frame1");
    auto* box = new QVBoxLayout(frame);
    auto* form = new QFormLayout;
    allowance_ = spin(frame, "Allowancespin", 0, 100);
    allowance_->setSuffix(" %");
    allowance_->setToolTip("The share of each player's handicap that counts in the night's "
                           "net scores, places, skins and points. Under the World Handicap "
                           "System it is taken of the unrounded course handicap, rounded once; "
                           "the C Hcp of the lists has its own allowance under Settings.");
    addrow(form, frame, "Allo&wance for the night's competitions", allowance_);
    box->addLayout(form);
    scoring_ = options(frame, box, "Option1",
                       {"&Net scores win the night", "&Gross scores win the night"});
    box->addSpacing(6);
    ties_ = options(
        frame, box, "Option2",
        {"Ti&es share the place and its points", "&Countback on the last 9, 6, 3 and 1 holes"});
    auto* more = new QFormLayout;
    points_ = textbox(frame, "Pointstext");
    points_->setMaxLength(120);
    addrow(more, frame, "&Points by place", points_);
    participation_ = spin(frame, "Partspin", 0, 9999);
    addrow(more, frame, "Pa&rticipation points", participation_);
    best_ = spin(frame, "Bestspin", 0, 999);
    best_->setSpecialValueText("all");
    addrow(more, frame, "&Best nights that count", best_);
    box->addLayout(more);
    box->addStretch(1);
    return frame;
}

QWidget* CompetitionSettingsWindow::buildflights() {
    auto* frame = new QGroupBox("Flights", this);
    frame->setObjectName("Frame2");
    auto* box = new QVBoxLayout(frame);
    flights_ = options(frame, box, "Option3", {"No f&lights", "By h&and", "By han&dicap"});
    auto* form = new QFormLayout;
    flightcount_ = spin(frame, "Flightspin", 1, maxflights);
    addrow(form, frame, "Number of fligh&ts", flightcount_);
    box->addLayout(form);
    draw_ = options(frame, box, "Option4",
                    {"Drawn at the season's &first night", "Drawn e&very night"});
    flightnote_ = label(frame, "Flightnote", "");
    flightnote_->setWordWrap(true);
    box->addWidget(flightnote_);
    table_ = new QTableWidget(frame);
    table_->setObjectName("Flighttable");
    table_->setColumnCount(2);
    table_->setHorizontalHeaderLabels({"Player", "Flight"});
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setMinimumHeight(200);
    box->addWidget(table_);
    connect(flights_, &QButtonGroup::idClicked, this, &CompetitionSettingsWindow::enableflights);
    connect(draw_, &QButtonGroup::idClicked, this, &CompetitionSettingsWindow::showflights);
    connect(flightcount_, &QSpinBox::valueChanged, this, &CompetitionSettingsWindow::showflights);
    return frame;
}

// Skins and team points share a row under the other two.
QWidget* CompetitionSettingsWindow::buildskins() {
    auto* frame = new QGroupBox("Skins and Teams", this);
    frame->setObjectName("Frame3");
    auto* grid = new QGridLayout(frame);
    auto* left = new QFormLayout;
    skins_ = new QComboBox(frame);
    skins_->setObjectName("Skinscombo");
    skins_->addItems({"Off", "Gross", "Net", "Gross and net"});
    addrow(left, frame, "S&kins", skins_);
    stake_ = new QDoubleSpinBox(frame);
    stake_->setObjectName("Stakespin");
    stake_->setDecimals(2);
    stake_->setRange(0, maxpotcents / 100.0);
    stake_->setToolTip("Each player's stake a night; gross and net skins each have a pot of "
                       "their own");
    addrow(left, frame, "Stake per player, each ga&me", stake_);
    grid->addLayout(left, 0, 0);
    auto* right = new QVBoxLayout;
    carry_ = checkbox(frame, "Carrycheck", "A tied hole carr&ies its skin to the next");
    split_ = checkbox(frame, "Splitcheck",
                      "A carr&y past the last hole is split among the night's winners");
    right->addWidget(carry_);
    right->addWidget(split_);
    grid->addLayout(right, 0, 1);
    auto* team = new QFormLayout;
    teambest_ = spin(frame, "Teamspin", 0, maxplayers);
    teambest_->setSpecialValueText("all its players");
    teambest_->setPrefix("its best ");
    teambest_->setToolTip("A team's points for a night are its players' points added up: all "
                          "of them, or only its best players'");
    connect(teambest_, &QSpinBox::valueChanged, this,
            [this](int n) { teambest_->setSuffix(n == 1 ? " player" : " players"); });
    addrow(team, frame, "Each night a team sc&ores the points of", teambest_);
    grid->addLayout(team, 1, 0, 1, 2);
    connect(skins_, &QComboBox::currentIndexChanged, this, &CompetitionSettingsWindow::enableskins);
    connect(carry_, &QCheckBox::toggled, this, &CompetitionSettingsWindow::enableskins);
    return frame;
}

void CompetitionSettingsWindow::load() {
    readresults();
    showsettings();
    present(0, allowance_);
}

void CompetitionSettingsWindow::showsettings() {
    const CompetitionSettings& s = file_.settings;
    handflights_.clear();
    for (int p = 1; p <= g_.playercount; ++p)
        handflights_.push_back(QString::fromStdString(handflight(s, g_.playername[p])));
    allowance_->setValue(s.allowance);
    scoring_->button(int(s.scoring))->setChecked(true);
    ties_->button(int(s.ties))->setChecked(true);
    points_->setText(QString::fromStdString(pointstableline(s.points)));
    participation_->setValue(s.participation);
    best_->setValue(s.bestnights);
    flights_->button(int(s.flights))->setChecked(true);
    flightcount_->setValue(s.flightcount);
    draw_->button(int(s.draw))->setChecked(true);
    skins_->setCurrentIndex(int(s.skins.mode));
    carry_->setChecked(s.skins.carryover);
    split_->setChecked(s.skins.splitlast);
    stake_->setValue(s.skins.potcents / 100.0);
    teambest_->setValue(s.teambest);
    teambest_->setSuffix(s.teambest == 1 ? " player" : " players");
    enableflights();
    enableskins();
}

// By hand the table takes each player's flight; by handicap it shows the draw, read only.
void CompetitionSettingsWindow::showflights() {
    keephandflights();
    const int mode = flights_->checkedId();
    tablemode_ = mode;
    std::vector<std::string> roster;
    for (int p = 1; p <= g_.playercount; ++p) roster.push_back(g_.playername[p]);
    handflights_.resize(roster.size());
    FlightDrawView drawn;
    if (mode == int(FlightMode::byhandicap)) drawn = flightdraw(file_, shownsettings(), roster);
    flightnote_->setText(QString::fromStdString(drawn.note));
    flightnote_->setVisible(!drawn.note.empty());
    table_->setRowCount(int(roster.size()));
    for (std::size_t row = 0; row < roster.size(); ++row) {
        auto* name = new QTableWidgetItem(QString::fromStdString(roster[row]));
        name->setFlags(Qt::ItemIsEnabled);
        table_->setItem(int(row), 0, name);
        const bool byhand = mode != int(FlightMode::byhandicap);
        auto* flight = new QTableWidgetItem(
            byhand ? handflights_[row] : QString::fromStdString(drawn.rows[row].flight));
        if (!byhand) flight->setFlags(Qt::ItemIsEnabled);
        table_->setItem(int(row), 1, flight);
    }
}

// The flights typed by hand are kept while the table shows a draw.
void CompetitionSettingsWindow::keephandflights() {
    if (tablemode_ == int(FlightMode::byhandicap)) return;
    for (int row = 0; row < table_->rowCount() && row < int(handflights_.size()); ++row)
        if (const QTableWidgetItem* flight = table_->item(row, 1))
            handflights_[std::size_t(row)] = flight->text();
}

void CompetitionSettingsWindow::enableskins() {
    const bool on = skins_->currentIndex() != int(SkinsMode::off);
    carry_->setEnabled(on);
    split_->setEnabled(on && carry_->isChecked());
    stake_->setEnabled(on);
}

// Only the choices of the way flights are made can be changed.
void CompetitionSettingsWindow::enableflights() {
    const int mode = flights_->checkedId();
    flightcount_->setEnabled(mode == int(FlightMode::byhandicap));
    for (QAbstractButton* b : draw_->buttons()) b->setEnabled(mode == int(FlightMode::byhandicap));
    table_->setEnabled(mode != int(FlightMode::none));
    showflights();
}

CompetitionSettings CompetitionSettingsWindow::shownsettings() const {
    CompetitionSettings s = file_.settings;
    s.allowance = allowance_->value();
    s.scoring = Scoring(scoring_->checkedId());
    s.ties = TieRule(ties_->checkedId());
    s.participation = participation_->value();
    s.bestnights = best_->value();
    s.flights = FlightMode(flights_->checkedId());
    s.flightcount = flightcount_->value();
    s.draw = FlightDraw(draw_->checkedId());
    s.skins = {SkinsMode(skins_->currentIndex()), carry_->isChecked(), split_->isChecked(),
               int(std::lround(stake_->value() * 100))};
    s.teambest = teambest_->value();
    // Players not on the roster keep the flight they were given.
    std::erase_if(s.assigned, [&](const FlightAssignment& a) {
        for (int p = 1; p <= g_.playercount; ++p)
            if (g_.playername[p] == a.player) return true;
        return false;
    });
    const bool typed = tablemode_ != int(FlightMode::byhandicap);
    for (int p = 1; p <= g_.playercount; ++p) {
        const std::size_t row = std::size_t(p - 1);
        const QTableWidgetItem* cell = typed ? table_->item(int(row), 1) : nullptr;
        const QString flight = cell                        ? cell->text()
                               : row < handflights_.size() ? handflights_[row]
                                                           : QString();
        s.assigned.push_back({g_.playername[p], stripcontrols(flight.trimmed().toStdString())});
    }
    return s;
}

void CompetitionSettingsWindow::save() {
    const auto points = readpointstable(points_->text().toStdString());
    if (!points) {
        services_.dialogs.message(pointstablerefused());
        points_->setFocus();
        return;
    }
    CompetitionSettings s = shownsettings();
    s.points = *points;
    changesettings(file_, std::move(s), g_);
    const Outcome saved =
        whilebusy(services_.busy, [&] { return saveresults(g_, file_, datadir_); });
    services_.dialogs.show(saved);
    if (saved) close();
}

} // namespace greenfold
