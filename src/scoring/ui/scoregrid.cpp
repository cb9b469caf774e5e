#include "scoring/ui/scoregrid.h"

#include "courses/courseedit.h"
#include "platform/widgets.h"
#include "scoring/scoreentry.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace greenfold {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

std::string text(const QLineEdit* box) {
    return box->text().toStdString();
}

// The width of the par and score sums.
constexpr int sumwidth = 40;

// Sets a box's text without the change coming back to us, cursor at the end.
void settext(QLineEdit* box, const std::string& value) {
    if (text(box) == value) return;
    const QSignalBlocker quiet(box);
    box->setText(qs(value));
    box->setCursorPosition(int(box->text().size()));
}

} // namespace

ScoreGrid::ScoreGrid(QWidget* parent) : QWidget(parent) {
    outlabel_ = numberpanel(this, "Outlabel", sumwidth);
    inlabel_ = numberpanel(this, "Inlabel", sumwidth);
    totallabel_ = numberpanel(this, "TotalLabel", sumwidth);
    totalscorelabel_ = numberpanel(this, "Totalscorelabel", sumwidth);
    outscoretext_ = box("outscoretext", 40);
    inscoretext_ = box("inscoretext", 40);
    for (QLineEdit* total : {outscoretext_, inscoretext_})
        connect(total, &QLineEdit::textChanged, this, &ScoreGrid::totalchanged);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    addnine(0);
    addnine(1);
    grid->addWidget(new QLabel("Total", this), 4, 11, Qt::AlignCenter);
    grid->addWidget(totallabel_, 5, 11);
    grid->addWidget(totalscorelabel_, 6, 11);
}

QLineEdit* ScoreGrid::box(const QString& name, int width) {
    auto* b = new QLineEdit(this);
    b->setObjectName(name);
    b->setFixedWidth(width);
    b->installEventFilter(this);
    return b;
}

// One nine: hole numbers, pars and scores, with its out or in column.
void ScoreGrid::addnine(int nine) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = nine * 4;
    grid->addWidget(new QLabel("Hole", this), row, 0);
    grid->addWidget(new QLabel("Par", this), row + 1, 0);
    grid->addWidget(new QLabel("Score", this), row + 2, 0);
    for (int k = 1; k <= 9; ++k) {
        const int h = nine * 9 + k;
        grid->addWidget(centredlabel(this, QString::number(h)), row, k);
        partext_[h] = box(QString("Partext_%1").arg(h), 28);
        scoretext_[h] = box(QString("scoretext_%1").arg(h), 28);
        grid->addWidget(partext_[h], row + 1, k);
        grid->addWidget(scoretext_[h], row + 2, k);
        connect(partext_[h], &QLineEdit::textChanged, this, [this, h] { parchanged(h); });
        connect(scoretext_[h], &QLineEdit::textChanged, this, [this, h] { holechanged(h); });
    }
    grid->addWidget(new QLabel(nine == 0 ? "Out" : "In", this), row, 10, Qt::AlignCenter);
    grid->addWidget(nine == 0 ? outlabel_ : inlabel_, row + 1, 10);
    grid->addWidget(nine == 0 ? outscoretext_ : inscoretext_, row + 2, 10);
    if (nine == 0) grid->setRowMinimumHeight(3, 6);
}

void ScoreGrid::showpars(const ProgramState& g, int course) {
    for (int h = 1; h <= 18; ++h) settext(partext_[h], " ");
    outlabel_->setText(qs(coursefield(g, course, courseline_outpar)));
    inlabel_->setText(qs(coursefield(g, course, courseline_inpar)));
    totallabel_->setText(qs(coursefield(g, course, courseline_totalpar)));
    for (int h = 1; h <= 18; ++h)
        settext(partext_[h], parbox(coursefield(g, course, courseline_par0 + h)));
}

void ScoreGrid::clearscores() {
    filling_ = true;
    for (int h = 1; h <= 18; ++h) scoretext_[h]->clear();
    outscoretext_->setText("  0");
    inscoretext_->setText("  0");
    filling_ = false;
}

void ScoreGrid::showround(const std::array<int16_t, maxholes + 1>& scores) {
    filling_ = true;
    for (int h = 1; h <= 18; ++h) scoretext_[h]->setText(qs(edithole(scores[h])));
    // The stored totals stand, also for a round that was entered as totals only.
    outscoretext_->setText(qs(edittotal(scores[19])));
    inscoretext_->setText(qs(edittotal(scores[20])));
    filling_ = false;
}

void ScoreGrid::sethole(int hole, const std::string& value) {
    filling_ = true;
    scoretext_[hole]->setText(qs(value));
    filling_ = false;
}

void ScoreGrid::focushole(int hole) {
    scoretext_[hole]->setFocus();
    scoretext_[hole]->selectAll();
}

DisplayedRound ScoreGrid::round(int tee) const {
    DisplayedRound d;
    d.tee = tee;
    for (int h = 1; h <= 18; ++h) d.holes[h] = text(scoretext_[h]);
    d.out = text(outscoretext_);
    d.in = text(inscoretext_);
    return d;
}

void ScoreGrid::holechanged(int hole) {
    const HoleBox shown = holebox(text(scoretext_[hole]), hole, entering_ && !filling_);
    settext(scoretext_[hole], shown.text);
    if (shown.advance) focushole(hole + 1);
    // The nine's total follows every change, an emptied box counting nothing, so the
    // total recorded is never one the boxes no longer show.
    const DisplayedRound d = round(0);
    if (hole <= 9)
        outscoretext_->setText(qs(outtotal(d.holes)));
    else
        inscoretext_->setText(qs(intotal(d.holes)));
}

void ScoreGrid::totalchanged() {
    totalscorelabel_->setText(qs(totalscore(text(outscoretext_), text(inscoretext_))));
}

// The par boxes change only what is shown; the course itself is edited elsewhere.
void ScoreGrid::parchanged(int hole) {
    settext(partext_[hole], parbox(text(partext_[hole])));
    std::array<std::string, 19> pars{};
    for (int h = 1; h <= 18; ++h) pars[h] = text(partext_[h]);
    (hole <= 9 ? outlabel_ : inlabel_)->setText(qs(parsum(pars, hole <= 9 ? 1 : 10)));
    totallabel_->setText(
        qs(parsum(outlabel_->text().toStdString(), inlabel_->text().toStdString())));
}

bool ScoreGrid::filterkey(QObject* watched, const QString& typed) {
    for (int h = 1; h <= 18; ++h) {
        for (auto* row : {&scoretext_, &partext_}) {
            if (watched != (*row)[h]) continue;
            switch (boxkey(typed.at(0).unicode(), h, 18)) {
            case KeyRule::pass:
                return false;
            case KeyRule::nextbox:
                (*row)[h + 1]->setFocus();
                (*row)[h + 1]->selectAll();
                return true;
            case KeyRule::discard:
                return true;
            }
        }
    }
    // The out and in boxes take digits only; Enter goes nowhere from them.
    return boxkey(typed.at(0).unicode(), 0, 0) != KeyRule::pass;
}

bool ScoreGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty()) return filterkey(watched, typed);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace greenfold
