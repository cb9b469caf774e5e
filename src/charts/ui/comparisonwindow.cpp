#include "charts/ui/comparisonwindow.h"

#include "platform/qtservices.h"

#include "charts/compare.h"
#include "charts/ui/chartparts.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "reports/ui/printcommands.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace greenfold {

namespace {

// The chart is columns of characters: Courier New, or a monospaced font where it is
// not installed.
QFont chartfont() {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    for (const char* family : {"Courier New", "Liberation Mono", "Cousine", "DejaVu Sans Mono"}) {
        if (QFontDatabase::hasFamily(family)) {
            f = QFont(family);
            break;
        }
    }
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setPointSize(9);
    return f;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

} // namespace

ComparisonWindow::ComparisonWindow(ProgramState& model, Services& services, QWidget* mainwindow)
    : FormWindow(services, mainwindow, "compareform", "Greenfold"), g_(model) {
    auto* printbutton = button(this, "Command3d1", "Print listing");
    auto* donebutton = button(this, "donebutton", "&Done", "Close handicap window");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(printbutton);
    buttons->addWidget(donebutton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildchart(), 1);
    layout->addLayout(buttons);

    connect(printbutton, &QPushButton::clicked, this, &ComparisonWindow::print);
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
}

QWidget* ComparisonWindow::buildchart() {
    const QFont font = chartfont();
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel3D1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* heading = chartpanel(panel, "Panel3D2", "Hcp Index");
    list1_ = listbox(panel, "List1");
    list1_->setFont(font);
    list1_->setUniformItemSizes(true);
    // The captions start one column to the right of the list's text, so that the last
    // digit of each tick stands over the column of the stars for that index.
    const int inset = list1_->frameWidth() +
                      list1_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list1_) +
                      QFontMetrics(font).horizontalAdvance(QChar('X'));
    auto* scale = new QGridLayout;
    scale->setContentsMargins(inset, 0, 0, 0);
    scale->addWidget(caption(panel, "Label1_0", scalecaption0, font), 0, 0);
    scale->addWidget(caption(panel, "Label1_1", QString::fromStdString(scalecaption1()), font), 0,
                     0);
    auto* column = new QVBoxLayout(panel);
    column->addWidget(heading, 0, Qt::AlignHCenter);
    column->addLayout(scale);
    column->addWidget(list1_, 1);
    // Room for the longest line: 72 columns, the sign and an index such as 12.3.
    list1_->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QString(80, 'X')) +
                            2 * list1_->frameWidth() +
                            list1_->verticalScrollBar()->sizeHint().width());
    list1_->setMinimumHeight(QFontMetrics(font).lineSpacing() * 18);
    return panel;
}

void ComparisonWindow::load() {
    list1_->clear();
    addlines(list1_, comparelines(g_));
    present(0);
}

void ComparisonWindow::print() {
    if (services_.dialogs.message(listquestion(), Buttons::okcancel, Answer::ok) != Answer::ok)
        return;
    std::vector<std::string> lines;
    for (int i = 0; i < list1_->count(); ++i)
        lines.push_back(list1_->item(i)->text().toStdString());
    const std::string date = todaysdate();
    runprint(services_, [&](PrintSurface& s) { printcomparison(s, g_, lines, date); });
}

} // namespace greenfold
