#include "matchplay/ui/weekmatcheswindow.h"

#include "matchplay/matchforms.h"
#include "matchplay/matchstore.h"
#include "matchplay/matchtext.h"
#include "model/programstate.h"
#include "model/textline.h"
#include "platform/services.h"
#include "platform/widgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <memory>
#include <random>

namespace greenfold {

using namespace matchplay;

namespace {

constexpr int regularrole = Qt::UserRole;

const char* const howcaptions[] = {"&Plays",       "&Substitute:",     "&Absent",
                                   "Card d&rawn:", "&Teammate's card", "&Forfeits his match"};

} // namespace

WeekMatchesWindow::WeekMatchesWindow(ProgramState& model, Services& services,
                                     std::filesystem::path datadir, QWidget* mainwindow)
    : MatchWindow(model, services, std::move(datadir), mainwindow, "Weekform", "Week's Matches") {
    auto* weeklabel = label(this, "Weeklabel", "&Week");
    weekcombo_ = new QComboBox(this);
    weekcombo_->setObjectName("Weekcombo");
    weeklabel->setBuddy(weekcombo_);
    sheet_ = matchlist(this, "Sheetlist");
    sheet_->setMinimumSize(540, 200);
    slotbox_ = buildslot();
    matches_ = new QPlainTextEdit(this);
    matches_->setObjectName("Matchestext");
    matches_->setReadOnly(true);
    matches_->setLineWrapMode(QPlainTextEdit::NoWrap);
    matches_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    matches_->setMinimumSize(760, 300);
    QWidget* buttons = buildbuttons();
    auto engine = std::make_shared<std::mt19937>(std::random_device{}());
    draw_ = [engine](int count) { return count <= 1 ? 0 : int((*engine)() % unsigned(count)); };

    auto* top = new QHBoxLayout;
    top->addWidget(weeklabel);
    top->addWidget(weekcombo_);
    top->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addLayout(top, 0, 0, 1, 2);
    grid->addWidget(sheet_, 1, 0);
    grid->addWidget(slotbox_, 1, 1);
    grid->addWidget(matches_, 2, 0, 1, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(2, 1);

    connect(weekcombo_, &QComboBox::currentIndexChanged, this, &WeekMatchesWindow::showweek);
    connect(sheet_, &QListWidget::currentRowChanged, this, &WeekMatchesWindow::showslot);
}

QWidget* WeekMatchesWindow::buildslot() {
    auto* box = new QGroupBox("The Chosen Player's Slot", this);
    box->setObjectName("Frame1");
    auto* grid = new QGridLayout(box);
    how_ = new QButtonGroup(box);
    for (int k = plays; k <= forfeit; ++k) {
        QRadioButton* b = option(box, QString("Option1_%1").arg(k), howcaptions[k]);
        how_->addButton(b, k);
        grid->addWidget(b, k, 0);
    }
    subcombo_ = new QComboBox(box);
    subcombo_->setObjectName("Subcombo");
    subcombo_->setToolTip("Who plays his slot: his team's own players first");
    grid->addWidget(subcombo_, substitute, 1);
    drawcombo_ = new QComboBox(box);
    drawcombo_->setObjectName("Drawcombo");
    drawcombo_->setToolTip("The card the phantom plays: one drawn at random, or the one named");
    grid->addWidget(drawcombo_, drawn, 1);
    auto* applybutton = button(box, "Applybutton", "Appl&y", "Fill the slot as chosen");
    grid->addWidget(applybutton, forfeit + 1, 1, Qt::AlignRight);
    auto* mhlabel = label(box, "Mhlabel", "&Night's match handicap");
    mhspin_ = new QSpinBox(box);
    mhspin_->setObjectName("Mhspin");
    mhspin_->setRange(-maxtypedmh, maxtypedmh);
    mhspin_->setToolTip("For a player without an index: his match handicap tonight, as it is "
                        "played (a plus handicap below 0)");
    mhlabel->setBuddy(mhspin_);
    auto* mhbutton = button(box, "Mhbutton", "S&et", "Keep this match handicap for tonight");
    auto* mhrow = new QHBoxLayout;
    mhrow->addWidget(mhlabel);
    mhrow->addWidget(mhspin_);
    mhrow->addWidget(mhbutton);
    grid->addLayout(mhrow, forfeit + 2, 0, 1, 2);
    grid->setRowStretch(forfeit + 3, 1);
    connect(applybutton, &QPushButton::clicked, this, &WeekMatchesWindow::apply);
    connect(mhbutton, &QPushButton::clicked, this, &WeekMatchesWindow::sethandicap);
    return box;
}

QWidget* WeekMatchesWindow::buildbuttons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* printbutton =
        button(box, "Printbutton", "Print Res&ults", "Print every match of the week");
    auto* courselabel = label(box, "Courselabel", "C&ourse");
    coursecombo_ = new QComboBox(box);
    coursecombo_->setObjectName("Coursecombo");
    courselabel->setBuddy(coursecombo_);
    auto* cardsbutton = button(box, "Cardsbutton", "Print Score&cards",
                               "A card a match, with each player's strokes, for the night");
    auto* postbutton = button(box, "Postbutton", "Post to Tea&ms",
                              "Add the week's match points to the team records");
    auto* infobutton = button(box, "Infobutton", "&Help", "Help on match play");
    auto* donebutton = button(box, "Donebutton", "&Done", "Close this window");
    row->addWidget(printbutton);
    row->addSpacing(12);
    row->addWidget(courselabel);
    row->addWidget(coursecombo_);
    row->addWidget(cardsbutton);
    row->addSpacing(12);
    row->addWidget(postbutton);
    row->addStretch(1);
    row->addWidget(infobutton);
    row->addWidget(donebutton);
    connect(printbutton, &QPushButton::clicked, this, &WeekMatchesWindow::print);
    connect(cardsbutton, &QPushButton::clicked, this, &WeekMatchesWindow::printcards);
    connect(postbutton, &QPushButton::clicked, this, &WeekMatchesWindow::postteams);
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
    matchhelp(infobutton);
    return box;
}

void WeekMatchesWindow::load() {
    readseason();
    for (int c = 1; c <= g_.coursecount && c <= maxcourses; ++c)
        if (!g_.coursedata[c][courseline_name].empty())
            coursecombo_->addItem(QString::fromStdString(g_.coursedata[c][courseline_name]), c);
    const int opening = openingweek(season_.file.schedule, season_.nights);
    const Nights played = playednights(season_.file.schedule, season_.nights);
    {
        const QSignalBlocker quiet(weekcombo_);
        for (const Week& w : season_.file.schedule.weeks) {
            weekcombo_->addItem(QString::fromStdString(weekcaption(w, played)));
            weeks_.push_back(w.number);
            if (w.number == opening) weekcombo_->setCurrentIndex(weekcombo_->count() - 1);
        }
    }
    showweek();
    present(0, weekcombo_);
}

const Week* WeekMatchesWindow::chosenweek() const {
    const int k = weekcombo_->currentIndex();
    if (k < 0 || k >= int(weeks_.size())) return nullptr;
    return findweek(season_.file.schedule, weeks_[std::size_t(k)]);
}

std::string WeekMatchesWindow::chosenslot() const {
    const QListWidgetItem* item = sheet_->currentItem();
    return item ? item->data(regularrole).toString().toStdString() : std::string();
}

void WeekMatchesWindow::showweek() {
    sheet_->clear();
    matches_->clear();
    const Week* w = chosenweek();
    if (!w) {
        sheet_->addItem("The schedule has no weeks: make it with Results > Schedule.");
        enableslot(false);
        return;
    }
    const int course = season_.nights.count(w->number)
                           ? nightof(season_.nights, w->number).nightcourse
                           : cardcourse();
    if (const int k = coursecombo_->findData(course); k >= 0) coursecombo_->setCurrentIndex(k);
    showsheet(*w);
    showmatches(*w);
}

// The sheet as the matches take it: the stored one filled from the night's rounds.
void WeekMatchesWindow::showsheet(const Week& w) {
    if (!w.paired || w.cancelled) {
        sheet_->addItem(w.cancelled ? "This week is cancelled."
                                    : "A position week: paired from the standings once the week "
                                      "before has its rounds.");
        enableslot(false);
        return;
    }
    const WeekSheet* stored = season_.file.sheet(w.number);
    WeekSheet sheet = stored ? *stored : WeekSheet{};
    const NightInput& night = nightof(season_.nights, w.number);
    const bool rounds = night.rounds();
    fillsheet(sheet, w, season_.sides.sides, namesof(night), season_.file.settings, {});
    for (const Pair& p : w.pairs) {
        if (p.bye()) {
            sheet_->addItem(QString::fromStdString(p.side1 + " has the bye"));
            continue;
        }
        auto* head = new QListWidgetItem(QString::fromStdString(p.side1 + " v " + p.side2), sheet_);
        head->setFlags(Qt::ItemIsEnabled);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
        for (const std::string* side : {&p.side1, &p.side2})
            if (const SideSheet* ss = sheet.side(*side))
                for (const Entry& e : ss->entries) {
                    // Before the night a slot not set by hand waits for its round.
                    const std::string how = rounds || e.byhand ? entrytext(e) : "no round yet";
                    auto* item =
                        new QListWidgetItem(QString::fromStdString("  " + alignleft(*side, 14) +
                                                                   alignleft(e.player, 20) + how),
                                            sheet_);
                    item->setData(regularrole, QString::fromStdString(e.player));
                }
    }
    enableslot(true);
    for (int row = 0; row < sheet_->count(); ++row)
        if (!sheet_->item(row)->data(regularrole).toString().isEmpty()) {
            sheet_->setCurrentRow(row);
            break;
        }
}

void WeekMatchesWindow::showmatches(const Week& w) {
    QStringList text;
    for (const std::string& line :
         matcheslines(leaguename(), weekresult(season_, w), season_.file.settings))
        text.push_back(QString::fromStdString(line));
    matches_->setPlainText(text.join('\n'));
}

void WeekMatchesWindow::enableslot(bool on) {
    slotbox_->setEnabled(on);
    how_->button(teammate)->setEnabled(on && season_.file.settings.format == Format::teams);
    how_->button(absent)->setText(
        QString::fromStdString("&Absent: " + absentwords(season_.file.settings)));
}

// The slot's state in the option buttons, the players who may stand in, the cards that may
// be drawn and a handicap typed.
void WeekMatchesWindow::showslot() {
    const Week* w = chosenweek();
    const std::string regular = chosenslot();
    subcombo_->clear();
    drawcombo_->clear();
    if (!w || regular.empty()) return;
    WeekSheet sheet = season_.file.sheet(w->number) ? *season_.file.sheet(w->number) : WeekSheet{};
    const Names withrounds = namesof(nightof(season_.nights, w->number));
    fillsheet(sheet, *w, season_.sides.sides, withrounds, season_.file.settings, {});
    const Entry* e = sheet.entry(regular);
    const Pair* pair = pairof(sheet, *w, regular);
    if (!e || !pair) return;
    std::string sidename = pair->side1;
    if (const SideSheet* ss = sheet.side(pair->side2))
        for (const Entry& x : ss->entries)
            if (x.player == regular) sidename = pair->side2;
    std::vector<std::string> offered;
    if (const Side* side = findside(season_.sides.sides, sidename))
        offered = substitutesoffered(season_.roster, *side);
    for (const std::string& name : offered) subcombo_->addItem(QString::fromStdString(name));
    drawcombo_->addItem("at random");
    for (const std::string& name : drawcandidates(sheet, *pair, withrounds))
        drawcombo_->addItem(QString::fromStdString(name));
    How how = plays;
    const bool waiting = !nightof(season_.nights, w->number).rounds() && !e->byhand;
    if (waiting) {
        how = plays;
    } else if (e->kind == SlotKind::substitute) {
        how = substitute;
        subcombo_->setCurrentText(QString::fromStdString(e->substitute));
    } else if (e->kind == SlotKind::absent) {
        how = e->fill == AbsentFill::forfeit     ? forfeit
              : e->card == PhantomCard::draw     ? drawn
              : e->card == PhantomCard::teammate ? teammate
                                                 : absent;
        if (!e->drawn.empty()) drawcombo_->setCurrentText(QString::fromStdString(e->drawn));
    }
    if (QAbstractButton* b = how_->button(how); b && b->isEnabled()) b->setChecked(true);
    const std::string filler = e->kind == SlotKind::substitute ? e->substitute : regular;
    mhspin_->setValue(sheet.typedmh(filler).value_or(0));
}

int WeekMatchesWindow::cardcourse() const {
    if (!season_.results.lines.empty()) return season_.results.lines.back().course;
    return coursecombo_->count() > 0 ? coursecombo_->itemData(0).toInt() : 0;
}

} // namespace greenfold
