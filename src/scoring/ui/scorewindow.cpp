#include "scoring/ui/scorewindow.h"

#include "help/helpindex.h"
#include "matchplay/matchstore.h"
#include "model/leaguefile.h"
#include "model/programstate.h"
#include "model/textline.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "scoring/roundslots.h"
#include "scoring/scoreentry.h"
#include "scoring/ui/scoregrid.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace greenfold {

namespace {

// The window's two widths: the card alone, and the card with the calculation panel.
constexpr int narrowtwips = 5700;
constexpr int widetwips = 8595;

// A centred text panel that wraps.
QLabel* textpanel(QWidget* parent, const char* name, const QString& text = {}) {
    QLabel* l = centredpanel(parent, name, text);
    l->setWordWrap(true);
    return l;
}

bool bothzero(const DisplayedRound& d) {
    return leadingnumber(d.out) == 0 && leadingnumber(d.in) == 0;
}

} // namespace

ScoreWindow::ScoreWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                         ScoreSession session, QWidget* mainwindow)
    : FormWindow(services, mainwindow, "roundsform", "Enter Scores"), g_(model),
      datadir_(std::move(datadir)), session_(std::move(session)), book_(model, datadir_) {
    card_ = new QWidget(this);
    pnamelabel_ = textpanel(card_, "Pnamelabel");
    bigfont(pnamelabel_, 2);
    namelabel_ = textpanel(card_, "Namelabel");
    grid_ = new ScoreGrid(card_);
    eqlabel_ = textpanel(card_, "eqlabel");
    eqlabel_->setStyleSheet("color: #8b0000;");
    eqlabel_->hide();
    auto* cardlayout = new QVBoxLayout(card_);
    cardlayout->setContentsMargins(0, 0, 0, 0);
    cardlayout->addWidget(pnamelabel_);
    cardlayout->addWidget(namelabel_);
    cardlayout->addWidget(grid_);
    cardlayout->addWidget(buildtees());
    cardlayout->addWidget(eqlabel_);
    cardlayout->addWidget(buildbuttons());
    cardlayout->addStretch(1);

    panel_ = buildpanel();
    panel_->hide();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(card_);
    layout->addWidget(panel_, 1);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(600);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, &ScoreWindow::recordnow);
}

QWidget* ScoreWindow::buildtees() {
    auto* box = new QWidget(card_);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    tees_ = new QButtonGroup(box);
    const char* captions[] = {"", "Ladies Tee", "Mens Tee", "Pro Tee"};
    for (int t = 1; t <= 3; ++t) {
        QRadioButton* b = option(box, QString("teebutton_%1").arg(t), captions[t]);
        tees_->addButton(b, t);
        row->addWidget(b);
    }
    return box;
}

QWidget* ScoreWindow::buildbuttons() {
    auto* box = new QWidget(card_);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* recordbutton = button(box, "recordbutton", "&Record", "Write scores to file");
    skipbutton_ = button(box, "skipbutton", "Skip Player", "Skip this player");
    deletebutton_ = button(box, "deletebutton", "&Delete", "Delete this round");
    auto* cancelbutton = button(box, "cancelbutton", "&Cancel", "Cancel score entry");
    auto* infobutton = button(box, "infobutton", "&Help", "Help on entering scores");
    auto* mathbutton = button(box, "Command3D1", "View Math", "Show calculation panel");
    grid->addWidget(recordbutton, 0, 0);
    grid->addWidget(skipbutton_, 0, 1);
    grid->addWidget(deletebutton_, 0, 1);
    grid->addWidget(cancelbutton, 0, 2);
    grid->addWidget(mathbutton, 1, 0);
    grid->addWidget(infobutton, 1, 2);
    connect(recordbutton, &QPushButton::clicked, this, &ScoreWindow::record);
    connect(skipbutton_, &QPushButton::clicked, this, &ScoreWindow::skip);
    connect(deletebutton_, &QPushButton::clicked, this, &ScoreWindow::deleteround);
    connect(cancelbutton, &QPushButton::clicked, this, &ScoreWindow::cancel);
    connect(mathbutton, &QPushButton::clicked, this, &ScoreWindow::viewmath);
    helpbutton(infobutton, session_.editslot > 0 ? helpkey::editround : helpkey::enteringscores);
    return box;
}

// The steps wrap at the panel's edge, so every line shows whole however long it is.
QWidget* ScoreWindow::buildpanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    pausebar_ = new QWidget(panel);
    auto* bar = new QHBoxLayout(pausebar_);
    bar->setContentsMargins(0, 0, 0, 0);
    pauselabel_ = label(pausebar_, "pauselabel", "");
    pauselabel_->setWordWrap(true);
    continuebutton_ = button(pausebar_, "continuebutton", "", "Go on after reading the steps");
    bar->addWidget(pauselabel_, 1);
    bar->addWidget(continuebutton_);
    pausebar_->hide();
    list1_ = listbox(panel, "List1");
    list1_->setWordWrap(true);
    list1_->setTextElideMode(Qt::ElideNone);
    list1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list1_->setResizeMode(QListView::Adjust);
    column->addWidget(pausebar_);
    column->addWidget(list1_, 1);
    connect(continuebutton_, &QPushButton::clicked, this, &ScoreWindow::endpause);
    return panel;
}

void ScoreWindow::load() {
    const bool editing = session_.editslot > 0;
    grid_->setentering(!editing);
    grid_->showpars(g_, session_.course);
    skipbutton_->setVisible(!editing);
    skipbutton_->setEnabled(!editing);
    deletebutton_->setVisible(editing);
    deletebutton_->setEnabled(editing);
    namelabel_->setText(QString::fromStdString(roundheading(g_, session_)));
    firstplayer(session_);
    showplayer();
    if (editing && session_.player != 0)
        grid_->showround(g_.holescore[session_.player][session_.editslot]);
    const std::optional<std::string> notice = limitnotice(g_, editing);
    eqlabel_->setText(QString::fromStdString(notice.value_or("")));
    eqlabel_->setVisible(notice.has_value());
    place();
    show();
    grid_->focushole(1);
}

void ScoreWindow::place() {
    const int margins = layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const int narrow = std::max(twips(narrowtwips), card_->sizeHint().width() + margins);
    // The other method's steps are longer lines: its panel is as wide as they need.
    int panel = twips(widetwips - narrowtwips);
    if (g_.method == HandicapMethod::whs)
        panel = std::max(panel, list1_->fontMetrics().horizontalAdvance(QString(64, 'n')));
    const int wide = narrow + panel;
    panel_->setVisible(panelopen_);
    setFixedWidth(panelopen_ ? wide : narrow);
    adjustSize();
    if (isMinimized() || isMaximized()) return;
    centrewindow(this, 100);
}

void ScoreWindow::showplayer() {
    const int p = session_.player;
    pnamelabel_->setText(p != 0 ? QString::fromStdString(g_.playername[p]) : QString());
    selecttee(p != 0 ? g_.playertee[p] : 0);
    if (session_.editslot == 0) grid_->clearscores();
}

void ScoreWindow::selecttee(int tee) {
    // A player without a valid default tee starts with none chosen; recording then asks
    // for one.
    tees_->setExclusive(false);
    for (QAbstractButton* b : tees_->buttons()) b->setChecked(false);
    tees_->setExclusive(true);
    if (QAbstractButton* b = tees_->button(tee)) b->setChecked(true);
}

int ScoreWindow::tee() const {
    const int id = tees_->checkedId();
    return id < 0 ? 0 : id;
}

void ScoreWindow::record() {
    if (timer1_->isActive()) return;
    const DisplayedRound shown = grid_->round(tee());
    pending_ = shown;
    if (!bothzero(shown)) {
        // A round the engine would refuse is refused before stroke control lowers a hole.
        Outcome check = checkround(g_, session_.entry(shown));
        if (!check) {
            services_.dialogs.show(check);
            return;
        }
        const HoleLimits limited = limitholes(g_, session_.entry(shown));
        for (int h = 1; h <= 18; ++h)
            if (limited.shown.holes[h] != shown.holes[h]) grid_->sethole(h, limited.shown.holes[h]);
        pending_ = limited.recorded;
    }
    timer1_->start();
}

void ScoreWindow::recordnow() {
    RecordResult result = book_.record(session_.entry(pending_));
    services_.dialogs.show(result.outcome);
    if (!result.stored) {
        grid_->focushole(1);
        return;
    }
    ++recorded_;
    list1_->clear();
    addlines(list1_, result.panel);
    if (panelopen_) {
        pause();
        return;
    }
    list1_->clear();
    advance();
}

// The card waits and the panel stays to be read and scrolled until the button is pressed.
void ScoreWindow::pause() {
    const bool last = session_.editslot > 0 || session_.waiting.size() <= 1;
    const int p = session_.player;
    pauselabel_->setText(
        QString::fromStdString(pausingtext(p != 0 ? g_.playername[p] : std::string(), last)));
    continuebutton_->setText(QString::fromStdString(continuecaption(last)));
    paused_ = true;
    card_->setEnabled(false);
    pausebar_->show();
    continuebutton_->setDefault(true);
    continuebutton_->setFocus();
}

void ScoreWindow::endpause() {
    if (!paused_) return;
    paused_ = false;
    pausebar_->hide();
    card_->setEnabled(true);
    list1_->clear();
    advance();
}

void ScoreWindow::advance() {
    if (!nextplayer(session_)) {
        endrun(true);
        return;
    }
    showplayer();
    grid_->focushole(1);
}

void ScoreWindow::skip() {
    if (timer1_->isActive()) return;
    grid_->focushole(1);
    advance();
}

// Cancel abandons the player on screen only: rounds already recorded in this run are
// in the model and the list, so they are saved as at the end of a run.
void ScoreWindow::cancel() {
    endrun(recorded_ > 0);
}

void ScoreWindow::deleteround() {
    const Answer answer =
        services_.dialogs.message(deleteroundquestion(g_), Buttons::yesno, Answer::no);
    if (answer != Answer::yes) return;
    DeleteResult result = book_.remove(session_.player, session_.editslot, tee());
    services_.dialogs.show(result.outcome);
    list1_->clear();
    endrun(result.deleted);
}

void ScoreWindow::viewmath() {
    if (paused_) return; // the panel stays open until the pause ends
    panelopen_ = !panelopen_;
    place();
}

void ScoreWindow::endrun(bool save) {
    finishrun(save);
    close();
}

void ScoreWindow::finishrun(bool save) {
    timer1_->stop();
    ended_ = true;
    if (!save) return;
    emit saving(true);
    // The night's match sheets are filled (and any card drawn) with the same save.
    Outcome saved = whilebusy(services_.busy, [&] {
        return book_.save([&](LeagueCommit& commit) {
            return matchplay::stagecompletion(g_, book_.file(), commit, datadir_);
        });
    });
    emit saving(false);
    services_.dialogs.show(saved);
}

// However the window goes, the main window redraws its list.
void ScoreWindow::leaving() {
    if (!ended_) finishrun(recorded_ > 0); // the title bar's close: as Cancel
}

} // namespace greenfold
