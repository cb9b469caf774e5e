#include "shell/ui/mainwindow.h"

#include "model/leaguelist.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/resources.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "shell/startup.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace greenfold {

namespace {

// The large layout needs a screen wider than 640 pixels.
bool largescreen(const ProgramState& g) {
    return g.screenwidth >= 641;
}

QFont listfont() {
    QFont courier("Courier New");
    courier.setStyleHint(QFont::TypeWriter);
    courier.setFixedPitch(true);
    if (!QFontInfo(courier).fixedPitch())
        courier = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    courier.setPointSize(9);
    return courier;
}

QTimer* maketimer(QObject* parent, const char* name, int ms, bool singleshot) {
    auto* t = new QTimer(parent);
    t->setObjectName(name);
    t->setInterval(ms);
    t->setSingleShot(singleshot);
    return t;
}

} // namespace

MainWindow::MainWindow(ProgramState& model, Services& services, QWidget* parent)
    : QMainWindow(parent), g_(model), services_(services) {
    initresources();
    setObjectName("Form2");
    setWindowTitle("Greenfold");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    buildtoolbar(central);
    layout->addWidget(findChild<QWidget*>("Toolpanel"));
    auto* panels = new QHBoxLayout;
    messagepanel_ = new QLabel(noleaguetext, central);
    messagepanel_->setObjectName("messagepanel");
    actionmessage_ = new QLabel(central);
    actionmessage_->setObjectName("actionmessage");
    for (QLabel* l : {messagepanel_, actionmessage_}) {
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setMinimumHeight(22);
    }
    panels->addWidget(messagepanel_, 3);
    panels->addWidget(actionmessage_, 2);
    layout->addLayout(panels);
    coursepanel_ = buildcoursepanel(central);
    layout->addWidget(coursepanel_);
    layout->addWidget(buildbody(central), 1);
    setCentralWidget(central);

    timer1_ = maketimer(this, "Timer1", 500, true);
    messagetimer_ = maketimer(this, "messagetimer", 3000, false);
    viewtimer_ = maketimer(this, "ViewTimer", 1500, true);
    connect(timer1_, &QTimer::timeout, this, &MainWindow::showplayerrounds);
    connect(messagetimer_, &QTimer::timeout, this, &MainWindow::clearhints);
    connect(viewtimer_, &QTimer::timeout, this, [this] {
        if (view_.view == view_recent || view_.view == view_date) viewcommand(view_.view);
    });
    buildmenus();
    hidescrollers();
}

QAction* MainWindow::action(const QString& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::load(const std::filesystem::path& datadir, const std::string& systemdir) {
    datadir_ = datadir;
    systemdir_ = systemdir;
    applylayout();
    centrewindow(this, 100);
    Outcome started = startup(g_, datadir, systemdir);
    services_.dialogs.show(started);
    refreshleaguemenu();
    // Without a league open, no command that needs one is offered, whether or not the
    // latest-league record could be read.
    setleaguecommands(false);
}

void MainWindow::applylayout() {
    const bool large = largescreen(g_);
    const int minw = twips(large ? 10500 : 8655), minh = twips(large ? 7500 : 6030);
    setMinimumSize(minw, minh);
    resize(minw, minh);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    syncscrollers();
}

void MainWindow::changeEvent(QEvent* event) {
    // A minimised main window shows the program's short caption.
    if (event->type() == QEvent::WindowStateChange)
        setWindowTitle(isMinimized() ? "G.F.D." : "Greenfold");
    QMainWindow::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    services_.help.quit();
    QMainWindow::closeEvent(event);
    QApplication::quit();
}

QFrame* MainWindow::buildcoursepanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName("Selectcoursepanel");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* combo = new QComboBox(panel);
    combo->setObjectName("Selectcoursecombo");
    combo->setEditable(true);
    auto* ok = new QPushButton("OK", panel);
    ok->setObjectName("okordeletebutton");
    auto* cancel = new QPushButton("Cancel", panel);
    cancel->setObjectName("okordeletecancel");
    auto* row = new QHBoxLayout(panel);
    row->addWidget(new QLabel("Select a course:", panel));
    row->addWidget(combo, 1);
    row->addWidget(ok);
    row->addWidget(cancel);
    connect(cancel, &QPushButton::clicked, panel, &QFrame::hide);
    panel->hide();
    return panel;
}

QWidget* MainWindow::buildbody(QWidget* parent) {
    auto* body = new QWidget(parent);
    body->setObjectName("Panel3D1");
    body->setMouseTracking(true);
    body->installEventFilter(this);
    list1_ = new QListWidget(body);
    list1_->setObjectName("List1");
    list2_ = new QListWidget(body);
    list2_->setObjectName("List2");
    for (QListWidget* l : {list1_, list2_}) {
        l->setFont(listfont());
        l->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        l->setMouseTracking(true);
        l->viewport()->setMouseTracking(true);
        l->viewport()->installEventFilter(this);
        l->setUniformItemSizes(true);
        l->setTextElideMode(Qt::ElideNone);
    }
    list1_->setFixedWidth(QFontMetrics(listfont()).horizontalAdvance(QString(32, 'W')));
    vscroll1_ = new QScrollBar(Qt::Vertical, body);
    vscroll1_->setObjectName("VScroll1");
    hscroll1_ = new QScrollBar(Qt::Horizontal, body);
    hscroll1_->setObjectName("HScroll1");
    picture1_ = new QFrame(body);
    picture1_->setObjectName("Picture1");
    picture2_ = new QFrame(body);
    picture2_->setObjectName("Picture2");
    for (QFrame* f : {picture1_, picture2_}) f->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    spin1_ = new SpinButton("Spin1", body);
    spin1_->setToolTip("Step through the rounds");

    auto* grid = new QGridLayout(body);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(list1_, 0, 0);
    grid->addWidget(list2_, 0, 1);
    grid->addWidget(vscroll1_, 0, 2);
    grid->addWidget(picture1_, 1, 0);
    grid->addWidget(hscroll1_, 1, 1);
    grid->addWidget(picture2_, 1, 2);
    grid->addWidget(spin1_, 0, 3, 2, 1, Qt::AlignTop);

    // The two lists scroll together, whatever moves either of them (VScroll1, the wheel,
    // keys, a click on a partly shown row); the round list alone scrolls sideways.
    for (QScrollBar* bar : {vscroll1_, list1_->verticalScrollBar(), list2_->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &MainWindow::scrollto);
    connect(hscroll1_, &QScrollBar::valueChanged, list2_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(list2_->horizontalScrollBar(), &QScrollBar::valueChanged, hscroll1_,
            &QScrollBar::setValue);
    for (QScrollBar* inner : {list2_->verticalScrollBar(), list2_->horizontalScrollBar()})
        connect(inner, &QScrollBar::rangeChanged, this, &MainWindow::syncscrollers);
    connect(spin1_, &SpinButton::up, this, [this] { spin(true); });
    connect(spin1_, &SpinButton::down, this, [this] { spin(false); });
    return body;
}

void MainWindow::scrollto(int top) {
    // Setting a bar to the value it holds signals nothing, so this settles at once.
    for (QScrollBar* bar : {vscroll1_, list1_->verticalScrollBar(), list2_->verticalScrollBar()})
        bar->setValue(top);
}

void MainWindow::syncscrollers() {
    if (list2_ == nullptr) return;
    QScrollBar* v = list2_->verticalScrollBar();
    vscroll1_->setRange(v->minimum(), v->maximum());
    vscroll1_->setPageStep(v->pageStep());
    QScrollBar* h = list2_->horizontalScrollBar();
    hscroll1_->setRange(h->minimum(), h->maximum());
    hscroll1_->setPageStep(h->pageStep());
}

void MainWindow::hidescrollers() {
    for (QWidget* w :
         std::initializer_list<QWidget*>{hscroll1_, vscroll1_, picture1_, picture2_, spin1_})
        w->hide();
}

void MainWindow::showlines(const ListLines& lines) {
    list1_->clear();
    list2_->clear();
    for (const auto& n : lines.names) list1_->addItem(QString::fromStdString(n));
    for (const auto& r : lines.rounds) list2_->addItem(QString::fromStdString(r));
    vscroll1_->setValue(0);
    hscroll1_->setValue(0);
    syncscrollers();
}

ListLines MainWindow::shownlines() const {
    ListLines lines;
    for (int i = 0; i < list1_->count(); ++i)
        lines.names.push_back(list1_->item(i)->text().toStdString());
    for (int i = 0; i < list2_->count(); ++i)
        lines.rounds.push_back(list2_->item(i)->text().toStdString());
    return lines;
}

void MainWindow::openwindow(FormWindow* window, const std::function<void()>& then) {
    holdmainwindow(this, window, then);
    window->load();
}

void MainWindow::startviewtimer() {
    viewtimer_->start();
}

void MainWindow::redrawview() {
    if (g_.leaguefile.empty()) return;
    if (view_.view == view_player) {
        if (view_.player >= 1 && view_.player <= g_.playercount) showplayerrounds();
        return;
    }
    if (view_.view == view_date) {
        const int shown = view_.dateindex;
        builddates(g_, view_);
        if (shown >= 1 && shown <= int(view_.datekeys.size())) {
            view_.dateindex = shown;
            showlines(showdate(g_, view_));
            return;
        }
    }
    if (auto lines = refreshview(g_, view_)) showlines(*lines);
}

} // namespace greenfold
