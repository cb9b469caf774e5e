#include "courses/ui/coursewindow.h"

#include "help/helpindex.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/widgets.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace greenfold {

namespace {

// The width of the par sums and the rating and slope panels.
constexpr int panelwidth = 48;

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

CourseWindow::CourseWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                           int c, QWidget* mainwindow)
    : FormWindow(services, mainwindow, "course", "Course Information"), g_(model),
      datadir_(std::move(datadir)), course_(c) {
    nametext_ = textbox(this, "Nametext");
    initialstext_ = textbox(this, "initialstext");
    initialstext_->setMaximumWidth(70);

    auto* top = new QGridLayout;
    top->addWidget(new QLabel("Course Name :", this), 0, 0);
    top->addWidget(nametext_, 0, 1);
    top->addWidget(new QLabel("Initials :", this), 0, 2);
    top->addWidget(initialstext_, 0, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buildpars());
    layout->addWidget(buildratings(), 0, Qt::AlignHCenter);
    layout->addWidget(commandrow({"savebutton", "&Save", "Save course information to disk",
                                  "Close course window", "Help on Courses", helpkey::courses},
                                 [this] { save(); }));
}

QLineEdit* CourseWindow::numberbox(QWidget* parent, const QString& name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFixedWidth(30);
    box->installEventFilter(this);
    return box;
}

// Rows of each nine: the hole numbers, the pars, the stroke indexes. The boxes are made
// pars first, then stroke indexes, so Tab walks each row from hole 1 to 18.
QWidget* CourseWindow::buildpars() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    outlabel_ = numberpanel(box, "Outlabel", panelwidth);
    inlabel_ = numberpanel(box, "Inlabel", panelwidth);
    totallabel_ = numberpanel(box, "TotalLabel", panelwidth);
    for (int h = 1; h <= 18; ++h) {
        partext_[h] = numberbox(box, QString("Partext_%1").arg(h));
        partext_[h]->setText(" ");
        connect(partext_[h], &QLineEdit::textChanged, this, [this, h] { parchanged(h); });
    }
    for (int h = 1; h <= 18; ++h) {
        sitext_[h] = numberbox(box, QString("sitext_%1").arg(h));
        sitext_[h]->setMaxLength(2);
        sitext_[h]->setToolTip("Stroke index: the order in which the holes receive handicap "
                               "strokes, 1 the hardest hole");
    }
    for (int nine = 0; nine < 2; ++nine) {
        const int row = nine * 3;
        grid->addWidget(new QLabel("Hole", box), row, 0);
        grid->addWidget(new QLabel("Par", box), row + 1, 0);
        grid->addWidget(new QLabel("S.I.", box), row + 2, 0);
        for (int k = 1; k <= 9; ++k) {
            const int h = nine * 9 + k;
            grid->addWidget(centredlabel(box, QString::number(h)), row, k);
            grid->addWidget(partext_[h], row + 1, k);
            grid->addWidget(sitext_[h], row + 2, k);
        }
        grid->addWidget(new QLabel(nine == 0 ? "Out" : "In", box), row, 10, Qt::AlignCenter);
        grid->addWidget(nine == 0 ? outlabel_ : inlabel_, row + 1, 10);
    }
    grid->addWidget(new QLabel("Total", box), 3, 11, Qt::AlignCenter);
    grid->addWidget(totallabel_, 4, 11);
    return box;
}

QWidget* CourseWindow::buildratings() {
    auto* box = new QWidget(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 8, 0, 8);
    grid->addWidget(new QLabel("Rating", box), 0, 1, 1, 2, Qt::AlignCenter);
    grid->addWidget(new QLabel("Slope", box), 0, 3, 1, 2, Qt::AlignCenter);
    const char* tees[] = {"", "Red (Ladies)", "White (Mens)", "Blue (Pro)"};
    const char* ratenames[] = {"", "redratepanel", "whiteratepanel", "blueratepanel"};
    const char* slopenames[] = {"", "redslopepanel", "whiteslopepanel", "Blueslopepanel"};
    const char* ratespins[] = {"", "redrateingspin", "Whiteratingspin", "blueratingspin"};
    const char* slopespins[] = {"", "redslopespin", "whiteslopespin", "blueslopespin"};
    for (int t = 1; t <= 3; ++t) {
        grid->addWidget(new QLabel(tees[t], box), t, 0);
        ratepanel_[t] = numberpanel(box, ratenames[t], panelwidth);
        slopepanel_[t] = numberpanel(box, slopenames[t], panelwidth);
        auto* ratespin = new SpinButton(ratespins[t], box);
        auto* slopespin = new SpinButton(slopespins[t], box);
        grid->addWidget(ratepanel_[t], t, 1);
        grid->addWidget(ratespin, t, 2);
        grid->addWidget(slopepanel_[t], t, 3);
        grid->addWidget(slopespin, t, 4);
        ratingnote_[t] = new QLabel(box);
        ratingnote_[t]->setObjectName(QString("ratingnote_%1").arg(t));
        ratingnote_[t]->setToolTip("The rating is below three quarters of the course's par: a "
                                   "nine's own rating. The World Handicap System rates a nine "
                                   "with it, and 18 holes with twice it.");
        grid->addWidget(ratingnote_[t], t, 5);
        stepper(ratespin, ratepanel_[t], true);
        stepper(slopespin, slopepanel_[t], false);
    }
    return box;
}

// The panels change only through their spins.
void CourseWindow::stepper(SpinButton* spin, QLabel* panel, bool rating) {
    auto step = [this, panel, rating](bool up) {
        const std::string now = panel->text().toStdString();
        panel->setText(qs(rating ? steprating(now, up) : stepslope(now, up)));
        shownotes();
    };
    connect(spin, &SpinButton::up, panel, [step] { step(true); });
    connect(spin, &SpinButton::down, panel, [step] { step(false); });
}

void CourseWindow::load() {
    Outcome opened = opencourse(g_, course_);
    if (!opened) {
        services_.dialogs.show(opened);
        close();
        return;
    }
    showform(courseform(g_, course_));
    present(100, nametext_);
}

void CourseWindow::showform(const CourseForm& f) {
    nametext_->setText(qs(f.name));
    initialstext_->setText(qs(f.initials));
    for (int h = 1; h <= 18; ++h) partext_[h]->setText(qs(f.pars[h]));
    for (int h = 1; h <= 18; ++h) sitext_[h]->setText(qs(f.strokeindexes[h]));
    outlabel_->setText(qs(f.outpar));
    inlabel_->setText(qs(f.inpar));
    totallabel_->setText(qs(f.totalpar));
    for (int t = 1; t <= 3; ++t) {
        ratepanel_[t]->setText(qs(f.ratings[t]));
        slopepanel_[t]->setText(qs(f.slopes[t]));
    }
    shownotes();
}

void CourseWindow::shownotes() {
    if (!ratingnote_[1]) return; // the pars are filled in before the ratings are built
    const CourseForm f = form();
    for (int t = 1; t <= 3; ++t) ratingnote_[t]->setText(qs(ratingnote(f, t)));
}

CourseForm CourseWindow::form() const {
    CourseForm f;
    f.name = nametext_->text().toStdString();
    f.initials = initialstext_->text().toStdString();
    for (int h = 1; h <= 18; ++h) f.pars[h] = partext_[h]->text().toStdString();
    for (int h = 1; h <= 18; ++h) f.strokeindexes[h] = sitext_[h]->text().toStdString();
    f.outpar = outlabel_->text().toStdString();
    f.inpar = inlabel_->text().toStdString();
    f.totalpar = totallabel_->text().toStdString();
    for (int t = 1; t <= 3; ++t) {
        f.ratings[t] = ratepanel_[t]->text().toStdString();
        f.slopes[t] = slopepanel_[t]->text().toStdString();
    }
    return f;
}

void CourseWindow::parchanged(int hole) {
    QLineEdit* box = partext_[hole];
    const std::string shown = parbox(box->text().toStdString());
    if (box->text().toStdString() != shown) {
        box->setText(qs(shown)); // comes back here once with the text settled
        box->setCursorPosition(int(box->text().size()));
        return;
    }
    CourseForm f = form();
    if (hole <= 9)
        outlabel_->setText(qs(parsum(f.pars, 1)));
    else
        inlabel_->setText(qs(parsum(f.pars, 10)));
    totallabel_->setText(
        qs(parsum(outlabel_->text().toStdString(), inlabel_->text().toStdString())));
    shownotes();
}

// A key typed in a box of one row of numbers: false when the box is not in the row or
// the key is the box's own to take.
bool CourseWindow::boxtyped(const std::array<QLineEdit*, 19>& row, QObject* watched, QChar typed) {
    for (int h = 1; h <= 18; ++h) {
        if (watched != row[h]) continue;
        switch (boxkey(typed.unicode(), h, 18)) {
        case KeyRule::pass:
            return false;
        case KeyRule::nextbox:
            row[h + 1]->setFocus();
            row[h + 1]->selectAll();
            return true;
        case KeyRule::discard:
            return true;
        }
    }
    return false;
}

bool CourseWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (typed.isEmpty()) return false;
    return boxtyped(partext_, watched, typed.at(0)) || boxtyped(sitext_, watched, typed.at(0));
}

void CourseWindow::save() {
    Outcome saved = savecourse(g_, course_, form(), datadir_);
    services_.dialogs.show(saved);
    if (saved) close();
}

} // namespace greenfold
