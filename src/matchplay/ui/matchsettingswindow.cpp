#include "matchplay/ui/matchsettingswindow.h"

#include "matchplay/league.h"
#include "matchplay/matchforms.h"
#include "matchplay/matchstore.h"
#include "matchplay/settings.h"
#include "platform/services.h"
#include "platform/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace greenfold {

using namespace matchplay;

namespace {

QSpinBox* spin(QWidget* parent, const char* name, int lo, int hi, const QString& tip) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(name);
    s->setRange(lo, hi);
    s->setToolTip(tip);
    return s;
}

QComboBox* combo(QWidget* parent, const char* name, const QStringList& items, const QString& tip) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->addItems(items);
    c->setToolTip(tip);
    return c;
}

void addrow(QFormLayout* form, QWidget* parent, const char* caption, QWidget* field) {
    auto* l = new QLabel(caption, parent);
    l->setBuddy(field);
    form->addRow(l, field);
}

QGroupBox* frame(QWidget* parent, const char* name, const char* caption, QFormLayout*& form) {
    auto* box = new QGroupBox(caption, parent);
    box->setObjectName(name);
    form = new QFormLayout(box);
    return box;
}

} // namespace

MatchSettingsWindow::MatchSettingsWindow(ProgramState& model, Services& services,
                                         std::filesystem::path datadir, QWidget* mainwindow)
    : MatchWindow(model, services, std::move(datadir), mainwindow, "Matchsetform",
                  "Match Play Settings") {
    // Made in the order they stand, so Tab goes through them that way.
    QWidget* matches = buildmatches();
    QWidget* points = buildpoints();
    QWidget* absent = buildabsent();
    QWidget* season = buildseason();
    auto* infobutton = button(this, "Infobutton", "&Help", "Help on match play");
    auto* defaultsbutton =
        button(this, "Defaultsbutton", "&Defaults", "Every setting back to its default");
    auto* savebutton = button(this, "Savebutton", "&Save", "Keep these settings");
    auto* cancelbutton = button(this, "Cancelbutton", "Cancel", "Close without saving");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(infobutton);
    buttons->addWidget(defaultsbutton);
    buttons->addStretch(1);
    buttons->addWidget(savebutton);
    buttons->addWidget(cancelbutton);
    auto* grid = new QGridLayout(this);
    grid->addWidget(matches, 0, 0);
    grid->addWidget(points, 0, 1);
    grid->addWidget(absent, 1, 0);
    grid->addWidget(season, 1, 1);
    grid->addLayout(buttons, 2, 0, 1, 2);
    savebutton->setDefault(true);

    connect(savebutton, &QPushButton::clicked, this, &MatchSettingsWindow::save);
    connect(cancelbutton, &QPushButton::clicked, this, &QWidget::close);
    connect(defaultsbutton, &QPushButton::clicked, this, &MatchSettingsWindow::defaults);
    matchhelp(infobutton);
    for (QComboBox* c : findChildren<QComboBox*>())
        connect(c, &QComboBox::currentIndexChanged, this, &MatchSettingsWindow::enable);
    for (QSpinBox* s : findChildren<QSpinBox*>())
        connect(s, &QSpinBox::valueChanged, this, &MatchSettingsWindow::enable);
}

QWidget* MatchSettingsWindow::buildmatches() {
    QFormLayout* form = nullptr;
    QGroupBox* box = frame(this, "Frame1", "Matches and Strokes", form);
    on_ = checkbox(box, "Oncheck", "Match play is &on for this league");
    on_->setToolTip("With it on, the Results menu has the schedule, the week's matches and the "
                    "match standings. Default: off");
    form->addRow(on_);
    format_ = combo(box, "Formatcombo", {"Player against player", "Two-player teams"},
                    "Default: teams when the league has teams, else player against player");
    addrow(form, box, "&Format", format_);
    holes_ = combo(box, "Holescombo", {"9 holes", "18 holes"}, "Default: 9 holes");
    addrow(form, box, "Ho&les a match", holes_);
    nines_ = combo(box, "Ninescombo",
                   {"Front and back in turn, week 1 the front", "The front nine every week",
                    "The back nine every week"},
                   "Default: front and back in turn");
    addrow(form, box, "&Nines", nines_);
    allowance_ = spin(box, "Allowancespin", 0, 100,
                      "How much of his course handicap a player plays off. Default: 100 %");
    allowance_->setSuffix(" %");
    addrow(form, box, "Match &allowance", allowance_);
    strokes_ =
        combo(box, "Strokescombo",
              {"The higher handicap gets the difference", "Each player gets his full handicap"},
              "Default: the difference");
    addrow(form, box, "Stro&kes", strokes_);
    maxstrokes_ = spin(box, "Maxstrokesspin", 0, maxmaxstrokes, "Default: no limit");
    maxstrokes_->setSpecialValueText("no limit");
    addrow(form, box, "Most strokes &given", maxstrokes_);
    bestballallowance_ = spin(box, "Bestballallowancespin", 0, 100,
                              "The allowance of the best-ball handicaps (teams). Default: 90 %");
    bestballallowance_->setSuffix(" %");
    addrow(form, box, "Best-ball allo&wance", bestballallowance_);
    return box;
}

QWidget* MatchSettingsWindow::buildpoints() {
    QFormLayout* form = nullptr;
    QGroupBox* box = frame(this, "Frame2", "Points", form);
    holepoints_ = spin(box, "Holepointsspin", 0, maxsettingpoints, "Default: 1");
    addrow(form, box, "&Points a hole", holepoints_);
    halved_ = combo(box, "Halvedcombo", {"Split between the two", "Carried on to the next hole"},
                    "Default: split");
    addrow(form, box, "A hal&ved hole's points", halved_);
    nineholes_ = spin(box, "Nineholesspin", 0, maxsettingpoints,
                      "18-hole matches: for more holes won on each nine. Default: 0");
    addrow(form, box, "Each nine, more holes won", nineholes_);
    ninenet_ = spin(box, "Ninenetspin", 0, maxsettingpoints,
                    "18-hole matches: for the lower net on each nine. Default: 0");
    addrow(form, box, "Each nine, lower net", ninenet_);
    matchholes_ = spin(box, "Matchholesspin", 0, maxsettingpoints, "Default: 2");
    addrow(form, box, "The match, &more holes won", matchholes_);
    matchnet_ = spin(box, "Matchnetspin", 0, maxsettingpoints, "Default: 0");
    addrow(form, box, "The match, lowe&r net total", matchnet_);
    teamnet_ = spin(box, "Teamnetspin", 0, maxsettingpoints,
                    "Teams: for the lower net total of the two cards. Default: 1");
    addrow(form, box, "Team n&et total", teamnet_);
    aggregate_ = spin(box, "Aggregatespin", 0, maxsettingpoints,
                      "Teams: a hole, for the lower sum of the two nets. Default: 0");
    addrow(form, box, "Team aggregate, a hole", aggregate_);
    bestball_ = spin(box, "Bestballspin", 0, maxsettingpoints,
                     "Teams: a hole, for the better net of the two. Default: 0");
    addrow(form, box, "Best ball, a hole", bestball_);
    stake_ = label(box, "Stakelabel", "");
    form->addRow(stake_);
    return box;
}

QWidget* MatchSettingsWindow::buildabsent() {
    QFormLayout* form = nullptr;
    QGroupBox* box = frame(this, "Frame3", "Absent Players", form);
    absent_ = combo(box, "Absentcombo", {"A phantom plays for him", "He forfeits his match"},
                    "Default: a phantom");
    addrow(form, box, "Absent without a su&bstitute", absent_);
    card_ = combo(box, "Cardcombo",
                  {"A par card", "A card drawn from the night's", "His teammate's card"},
                  "Default: a par card, par plus the strokes of his handicap and the penalty");
    addrow(form, box, "The phantom's &card", card_);
    penalty_ = spin(box, "Penaltyspin", 0, maxpenalty,
                    "Strokes a phantom's par card carries over par. Default: 2");
    addrow(form, box, "Phantom's penalt&y strokes", penalty_);
    phantompoints_ = combo(box, "Phantompointscombo",
                           {"Count for the absent player's side", "Are lost"}, "Default: count");
    addrow(form, box, "Points a phantom w&ins", phantompoints_);
    cap_ = new QDoubleSpinBox(box);
    cap_->setObjectName("Capspin");
    cap_->setRange(0, maxsubstitutecap / 2.0);
    cap_->setSingleStep(0.5);
    cap_->setDecimals(1);
    cap_->setSpecialValueText("no limit");
    cap_->setToolTip("The points a substitute wins above this are lost. Default: no limit");
    addrow(form, box, "Most points a substit&ute wins", cap_);
    return box;
}

QWidget* MatchSettingsWindow::buildseason() {
    QFormLayout* form = nullptr;
    QGroupBox* box = frame(this, "Frame4", "Season", form);
    byepoints_ = spin(box, "Byepointsspin", 0, maxbyepoints,
                      "Points a side gets for a week with the bye. Default: 0");
    addrow(form, box, "Points for a bye", byepoints_);
    tiebreaks_ = checkbox(box, "Tiebreakcheck", "&Ties on points: head to head, then matches won");
    tiebreaks_->setToolTip("Without it, sides level on points share the place. Default: on");
    form->addRow(tiebreaks_);
    form->addRow(
        new QLabel("Players who only come in as substitutes\n(player against player):", box));
    substitutes_ = listbox(box, "Substitutelist");
    substitutes_->setMinimumHeight(120);
    form->addRow(substitutes_);
    auto* note = new QLabel("The weeks, the first date, the no-play dates and the position weeks "
                            "are chosen in Results > Schedule.",
                            box);
    note->setWordWrap(true);
    form->addRow(note);
    return box;
}

void MatchSettingsWindow::load() {
    readseason();
    showsettings(season_.file.settings);
    showsubstitutes();
    present(0, on_);
}

void MatchSettingsWindow::showsettings(const MatchSettings& s) {
    on_->setChecked(s.on);
    format_->setCurrentIndex(int(s.format));
    holes_->setCurrentIndex(s.holes == 18 ? 1 : 0);
    nines_->setCurrentIndex(int(s.nines));
    allowance_->setValue(s.allowance);
    strokes_->setCurrentIndex(int(s.strokes));
    maxstrokes_->setValue(s.maxstrokes);
    bestballallowance_->setValue(s.bestballallowance);
    holepoints_->setValue(s.holepoints);
    halved_->setCurrentIndex(int(s.halved));
    nineholes_->setValue(s.nineholespoints);
    ninenet_->setValue(s.ninenetpoints);
    matchholes_->setValue(s.matchholespoints);
    matchnet_->setValue(s.matchnetpoints);
    teamnet_->setValue(s.teamnetpoints);
    aggregate_->setValue(s.teamaggregatepoints);
    bestball_->setValue(s.bestballpoints);
    absent_->setCurrentIndex(int(s.absent));
    card_->setCurrentIndex(int(s.phantomcard));
    penalty_->setValue(s.penalty);
    phantompoints_->setCurrentIndex(int(s.phantompoints));
    cap_->setValue(s.substitutecap ? s.substitutecap->halves / 2.0 : 0);
    byepoints_->setValue(s.byepoints);
    tiebreaks_->setChecked(s.tiebreaks);
    enable();
}

void MatchSettingsWindow::showsubstitutes() {
    substitutes_->clear();
    const auto& marked = season_.file.substituteonly;
    for (const std::string& name : leagueplayers(g_)) {
        auto* item = new QListWidgetItem(QString::fromStdString(name), substitutes_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        const bool on = std::find(marked.begin(), marked.end(), name) != marked.end();
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
}

// Only what the format and the holes use can be changed; the points at stake follow.
void MatchSettingsWindow::enable() {
    const bool teams = format_->currentIndex() == int(Format::teams);
    const bool eighteen = holes_->currentIndex() == 1;
    nines_->setEnabled(!eighteen);
    nineholes_->setEnabled(eighteen);
    ninenet_->setEnabled(eighteen);
    for (QWidget* w :
         std::initializer_list<QWidget*>{teamnet_, aggregate_, bestball_, bestballallowance_})
        w->setEnabled(teams);
    card_->setEnabled(absent_->currentIndex() == int(AbsentFill::phantom));
    substitutes_->setEnabled(!teams);
    const MatchSettings s = shown();
    QString stake = QString("At stake: %1 points a match")
                        .arg(QString::fromStdString(pointstext(singlestake(s))));
    if (teams)
        stake = QString("At stake: %1 points a single match, %2 a team match")
                    .arg(QString::fromStdString(pointstext(singlestake(s))),
                         QString::fromStdString(pointstext(teamstake(s))));
    stake_->setText(stake);
}

MatchSettings MatchSettingsWindow::shown() const {
    MatchSettings s;
    s.on = on_->isChecked();
    s.format = Format(format_->currentIndex());
    s.holes = holes_->currentIndex() == 1 ? 18 : 9;
    s.nines = Nines(nines_->currentIndex());
    s.allowance = allowance_->value();
    s.bestballallowance = bestballallowance_->value();
    s.strokes = Strokes(strokes_->currentIndex());
    s.maxstrokes = maxstrokes_->value();
    s.holepoints = holepoints_->value();
    s.halved = Halved(halved_->currentIndex());
    s.nineholespoints = nineholes_->value();
    s.ninenetpoints = ninenet_->value();
    s.matchholespoints = matchholes_->value();
    s.matchnetpoints = matchnet_->value();
    s.teamnetpoints = teamnet_->value();
    s.teamaggregatepoints = aggregate_->value();
    s.bestballpoints = bestball_->value();
    s.absent = AbsentFill(absent_->currentIndex());
    s.phantomcard = PhantomCard(card_->currentIndex());
    s.penalty = penalty_->value();
    s.phantompoints = PhantomPoints(phantompoints_->currentIndex());
    const int halves = int(std::lround(cap_->value() * 2));
    if (halves > 0) s.substitutecap = Points{halves};
    s.byepoints = byepoints_->value();
    s.tiebreaks = tiebreaks_->isChecked();
    return s;
}

std::vector<std::string> MatchSettingsWindow::shownsubstitutes() const {
    std::vector<std::string> out;
    for (int row = 0; row < substitutes_->count(); ++row)
        if (substitutes_->item(row)->checkState() == Qt::Checked)
            out.push_back(substitutes_->item(row)->text().toStdString());
    return out;
}

void MatchSettingsWindow::defaults() {
    MatchSettings s = defaultsettings(leaguehasteams(g_, *season_.teams));
    s.on = on_->isChecked();
    showsettings(s);
}

// As greenfold-cli's matchplay command: the settings and the marks changed, the schedule's
// unplayed weeks cleared when the matches change shape, the weeks filled, the file written.
void MatchSettingsWindow::save() {
    const MatchSettings before = season_.file.settings;
    const std::vector<std::string> sidesbefore = sidenames(season_);
    season_.file.settings = shown();
    const std::vector<std::string> marked = shownsubstitutes();
    for (const std::string& name : leagueplayers(g_))
        marksubstituteonly(season_.file, name,
                           std::find(marked.begin(), marked.end(), name) != marked.end());
    refreshseason(season_, g_);
    if (reshapes(before, season_.file.settings) || sidenames(season_) != sidesbefore) {
        Schedule cleared = season_.file.schedule;
        clearunplayed(cleared, playednights(cleared, season_.nights));
        const int gone = int(season_.file.schedule.weeks.size() - cleared.weeks.size());
        if (gone > 0 && services_.dialogs.message(clearquestion(gone), Buttons::yesno,
                                                  Answer::no) != Answer::yes) {
            readseason();
            return;
        }
        season_.file.schedule = std::move(cleared);
        refreshseason(season_, g_);
    }
    complete(season_);
    if (savefile()) close();
}

} // namespace greenfold
