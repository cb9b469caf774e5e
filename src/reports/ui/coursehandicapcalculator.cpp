#include "reports/ui/coursehandicapcalculator.h"

#include "platform/qtservices.h"

#include "help/helpindex.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "reports/chcpcalc.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace greenfold {

namespace {

QLineEdit* numberbox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(8);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

bool enterkey(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

CourseHandicapCalculator::CourseHandicapCalculator(Services& services, QWidget* mainwindow)
    : FormWindow(services, mainwindow, "CHcpform", "Course Handicaps") {
    text1_ = numberbox(this, "Text1");
    text2_ = numberbox(this, "Text2");
    for (QLineEdit* box : {text1_, text2_}) {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this] { hcpmessage_->clear(); });
    }
    hcpmessage_ = centredpanel(this, "Hcpmessage");
    hcpmessage_->setMinimumHeight(28);
    QFont big = hcpmessage_->font();
    big.setBold(true);
    hcpmessage_->setFont(big);
    auto* calcbutton = button(this, "Calcbutton", "Calculate");
    auto* closebutton = button(this, "closebutton", "Close");
    auto* infobutton = button(this, "infobutton", "Help");

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Enter Handicap Index", this), 0, 0);
    grid->addWidget(text1_, 0, 1);
    grid->addWidget(new QLabel("Enter Slope Rating", this), 1, 0);
    grid->addWidget(text2_, 1, 1);
    grid->addWidget(calcbutton, 2, 0, 1, 2);
    grid->addWidget(hcpmessage_, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(infobutton);
    buttons->addStretch(1);
    buttons->addWidget(closebutton);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(calcbutton, &QPushButton::clicked, this, &CourseHandicapCalculator::calculate);
    connect(closebutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, helpkey::coursehandicaps);
}

void CourseHandicapCalculator::load() {
    present(0, text1_);
}

void CourseHandicapCalculator::calculate() {
    const CalcAnswer answer =
        greenfold::calculate(text1_->text().toStdString(), text2_->text().toStdString());
    if (answer.beep) services_.dialogs.beep();
    hcpmessage_->setText(QString::fromStdString(answer.message));
    if (answer.done) {
        text1_->setFocus();
        text1_->selectAll();
    }
}

// Enter moves from the index to the slope, and on the slope works out the handicap;
// the key itself never reaches the boxes.
bool CourseHandicapCalculator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == text1_ && enterkey(event)) {
        text2_->setFocus();
        return true;
    }
    if (watched == text2_ && enterkey(event)) {
        calculate();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace greenfold
