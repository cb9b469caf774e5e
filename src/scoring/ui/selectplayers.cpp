#include "scoring/ui/selectplayers.h"

#include "courses/courseedit.h"
#include "help/helpindex.h"
#include "model/coursefile.h"
#include "model/golf1.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/spinbutton.h"
#include "platform/widgets.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace greenfold {

namespace {

// A centred number panel.
QLabel* numberpanel(QWidget* parent, const QString& name) {
    QLabel* l = panel(parent, name);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(36);
    return l;
}

} // namespace

selectplayers::selectplayers(GOLF1& model, Services& services, std::filesystem::path datadir,
                             QWidget* mainwindow)
    : FormWindow(mainwindow), g_(model), services_(services), datadir_(std::move(datadir)) {
    setObjectName("selectplayers");
    setWindowTitle("Player & Course Selection for Score Entry");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* instruction = new QLabel("Select the players who participated, the course, and edit "
                                   "the date if necessary.",
                                   this);
    instruction->setObjectName("instructionpanel");
    instruction->setFrameStyle(QFrame::Panel | QFrame::Raised);
    instruction->setWordWrap(true);
    instruction->setMargin(4);
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    list1_->setSelectionMode(QAbstractItemView::MultiSelection);
    coursecombo_ = new QComboBox(this);
    coursecombo_->setObjectName("coursecombo");
    coursecombo_->setEditable(true);
    coursecombo_->setInsertPolicy(QComboBox::NoInsert);
    coursecombo_->setMinimumWidth(200);
    auto* allbutton = button(this, "allbutton", "Select All", "");

    auto* grid = new QGridLayout(this);
    grid->addWidget(instruction, 0, 0, 1, 2);
    grid->addWidget(list1_, 1, 0, 5, 1);
    grid->addWidget(new QLabel("Course Played", this), 1, 1);
    grid->addWidget(coursecombo_, 2, 1);
    grid->addWidget(new QLabel("Date of Round", this), 3, 1);
    grid->addWidget(builddate(), 4, 1, Qt::AlignLeft);
    grid->setRowStretch(5, 1);
    grid->addWidget(allbutton, 6, 0);
    grid->addWidget(buildbuttons(), 6, 1);

    connect(allbutton, &QPushButton::clicked, this, &selectplayers::selectall);
}

SpinButton* selectplayers::datespin(QWidget* parent, const char* name, const char* tip,
                                    void (selectplayers::*step)(bool)) {
    auto* spin = new SpinButton(name, parent);
    spin->setToolTip(tip);
    connect(spin, &SpinButton::up, this, [this, step] { (this->*step)(true); });
    connect(spin, &SpinButton::down, this, [this, step] { (this->*step)(false); });
    return spin;
}

QWidget* selectplayers::builddate() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    monthlabel_ = numberpanel(box, "Monthlabel");
    daylabel_ = numberpanel(box, "daylabel");
    yearlabel_ = numberpanel(box, "yearlabel");
    row->addWidget(monthlabel_);
    row->addWidget(datespin(box, "monthspin", "Change month", &selectplayers::stepmonth));
    row->addSpacing(6);
    row->addWidget(daylabel_);
    row->addWidget(datespin(box, "Dayspin", "Change Day", &selectplayers::stepday));
    row->addSpacing(6);
    row->addWidget(yearlabel_);
    yearspin_ = datespin(box, "Yearspin", "Change Year", &selectplayers::stepyear);
    row->addWidget(yearspin_);
    return box;
}

QWidget* selectplayers::buildbuttons() {
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    auto* acceptbutton = button(box, "acceptbutton", "&Accept", "Accept selection - continue");
    auto* cancelbutton = button(box, "cancelbutton", "&Cancel", "Close Player Selection window");
    auto* infobutton = button(box, "infobutton", "&Help", "Help on entering rounds");
    row->addWidget(acceptbutton);
    row->addWidget(cancelbutton);
    row->addWidget(infobutton);
    connect(acceptbutton, &QPushButton::clicked, this, &selectplayers::accept);
    connect(cancelbutton, &QPushButton::clicked, this, &selectplayers::cancel);
    connect(infobutton, &QPushButton::clicked, this,
            [this] { services_.help.show(helpkey::enteringscores); });
    return box;
}

void selectplayers::load(const QDate& today) {
    month_ = today.month();
    day_ = today.day();
    year_ = today.year() % 100;
    showdate();
    players_ = setupplayers(g_);
    for (const auto& name : players_.names) list1_->addItem(QString::fromStdString(name));
    services_.dialogs.show(loadcourses(g_, datadir_));
    {
        const QSignalBlocker quiet(coursecombo_);
        for (const auto& name : coursenames(g_))
            coursecombo_->addItem(QString::fromStdString(name));
        coursecombo_->setCurrentIndex(-1);
        coursecombo_->clearEditText();
    }
    adjustSize();
    centrewindow(this, 100);
    show();
    list1_->setFocus();
}

void selectplayers::showdate() {
    monthlabel_->setText(QString::fromStdString(monthshort(g_, month_)));
    daylabel_->setText(QString::number(day_));
    yearlabel_->setText(QString::fromStdString(yeartext(year_)));
    yearspin_->setToolTip(QString::fromStdString(yearcaption(year_)));
}

void selectplayers::stepmonth(bool up) {
    month_ = greenfold::stepmonth(month_, up);
    showdate();
}

void selectplayers::stepday(bool up) {
    day_ = greenfold::stepday(day_, up);
    showdate();
}

void selectplayers::stepyear(bool up) {
    year_ = greenfold::stepyear(year_, up);
    showdate();
}

void selectplayers::selectall() {
    list1_->selectAll();
}

void selectplayers::accept() {
    std::vector<int> chosen;
    for (int row = 0; row < list1_->count(); ++row)
        if (list1_->item(row)->isSelected())
            chosen.push_back(players_.playerslots[std::size_t(row)]);
    const SetupDate date{month_, day_, year_};
    const SetupResult result =
        acceptsetup(g_, chosen, coursecombo_->currentText().toStdString(), date);
    switch (result.check) {
    case SetupCheck::nocourse:
        services_.dialogs.message(nocoursemessage());
        return;
    case SetupCheck::noplayers:
        services_.dialogs.message(noplayersmessage());
        return;
    case SetupCheck::ok:
        break;
    }
    if (g_.dateremind == 1) {
        const std::string name = coursefield(g_, result.session.course, courseline_name);
        if (services_.dialogs.message(datequestion(date, name), Buttons::yesno, Answer::no) !=
            Answer::yes)
            return;
    }
    done_ = true;
    emit accepted(result.session);
    close();
}

void selectplayers::cancel() {
    close();
}

void selectplayers::closeEvent(QCloseEvent* event) {
    // Closing the window any other way than Accept is Cancel: nobody waits for entry.
    if (!done_) {
        done_ = true;
        emit closed();
    }
    QWidget::closeEvent(event);
}

} // namespace greenfold
