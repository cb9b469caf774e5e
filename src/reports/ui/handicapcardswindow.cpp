#include "reports/ui/handicapcardswindow.h"

#include "platform/qtservices.h"

#include "model/programstate.h"
#include "model/settingsfile.h"
#include "model/textline.h"
#include "platform/qtprintsurface.h"
#include "platform/resources.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "reports/cardlayout.h"
#include "reports/ui/printcommands.h"
#include "scoring/settingsrules.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace greenfold {

namespace {

QLineEdit* box(QWidget* parent, const char* name) {
    QLineEdit* b = textbox(parent, name);
    b->setMaximumWidth(90);
    return b;
}

float boxvalue(const QLineEdit* b) {
    return float(leadingnumber(b->text().toStdString()));
}

} // namespace

HandicapCardsWindow::HandicapCardsWindow(ProgramState& model, Services& services,
                                         QWidget* mainwindow)
    : FormWindow(services, mainwindow, "HcpCards", "Handicap Card Printing"), g_(model) {
    initresources();
    list1_ = listbox(this, "List1");
    list1_->setSelectionMode(QAbstractItemView::MultiSelection);
    auto* picture1 = new QLabel(this);
    picture1->setObjectName("Picture1");
    picture1->setPixmap(QPixmap(cardlogo).scaledToHeight(100, Qt::SmoothTransformation));
    auto* selectall = button(this, "selectallbutton", "Select All");
    auto* unmarkall = button(this, "Command1", "Un-mark All");
    printcountlabel_ = new QLabel(this);
    printcountlabel_->setObjectName("printcountlabel");
    auto* printbutton =
        button(this, "PrintButton", "&Print Cards", "Print hcp cards for selected players");
    auto* donebutton = button(this, "donebutton", "&Done", "Close hcp card window");
    auto* infobutton = button(this, "infobutton", "Help");
    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(250);

    auto* side = new QVBoxLayout;
    side->addWidget(picture1, 0, Qt::AlignHCenter);
    side->addWidget(selectall);
    side->addWidget(unmarkall);
    side->addWidget(printcountlabel_);
    side->addStretch(1);
    side->addWidget(printbutton);
    side->addWidget(infobutton);
    side->addWidget(donebutton);
    auto* top = new QHBoxLayout;
    auto* listcolumn = new QVBoxLayout;
    listcolumn->addWidget(new QLabel("Click to Select the Players who need Handicap Cards", this));
    listcolumn->addWidget(list1_, 1);
    top->addLayout(listcolumn, 1);
    top->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(buildadjustments());
    resize(520, 520);

    connect(selectall, &QPushButton::clicked, list1_, &QListWidget::selectAll);
    connect(unmarkall, &QPushButton::clicked, list1_, &QListWidget::clearSelection);
    connect(list1_, &QListWidget::itemSelectionChanged, this, &HandicapCardsWindow::showcount);
    connect(timer1_, &QTimer::timeout, this, &HandicapCardsWindow::showcount);
    connect(printbutton, &QPushButton::clicked, this, &HandicapCardsWindow::print);
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, "Printing");
    connect(pscalingtext_, &QLineEdit::textChanged, this, [this] {
        g_.pscaling = cardscaling(pscalingtext_->text().toStdString(), g_.pscaling);
    });
}

QWidget* HandicapCardsWindow::buildadjustments() {
    auto* panel = new QWidget(this);
    text1_ = box(panel, "Text1");
    text1_->setMaximumWidth(QWIDGETSIZE_MAX);
    text1_->setToolTip("Date which will appear on printed cards");
    hoffsettext_ = box(panel, "hoffsettext");
    wdoffsettext_ = box(panel, "WDOffSetText");
    pscalingtext_ = box(panel, "pscalingtext");
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow("Date or optional comment that will appear on printed cards", text1_);
    form->addRow("Starting height Offset", hoffsettext_);
    form->addRow("Width Offset", wdoffsettext_);
    form->addRow("Vertical Scaling factor", pscalingtext_);
    return panel;
}

void HandicapCardsWindow::load() {
    if (g_.pscaling == 0) g_.pscaling = 1;
    hoffsettext_->setText(QString::fromStdString(generalformat(g_.hoffset)));
    wdoffsettext_->setText(QString::fromStdString(generalformat(g_.wdoffset)));
    pscalingtext_->setText(QString::fromStdString(formatpattern(g_.pscaling, "#0.000")));
    for (int p = 1; p <= g_.playercount && p <= maxplayers; ++p)
        list1_->addItem(QString::fromStdString(g_.playername[p]));
    text1_->setText(QString::fromStdString(todaysdate()));
    showcount();
    centrewindow(this, 0);
    timer1_->start();
    show();
}

void HandicapCardsWindow::showcount() {
    printcountlabel_->setText(
        QString::fromStdString(cardcountlabel(int(list1_->selectedItems().size()))));
}

void HandicapCardsWindow::readadjustments() {
    g_.hoffset = boxvalue(hoffsettext_);
    g_.wdoffset = boxvalue(wdoffsettext_);
    g_.pscaling = cardscaling(pscalingtext_->text().toStdString(), g_.pscaling);
}

void HandicapCardsWindow::print() {
    if (services_.dialogs.message(cardsquestion(), Buttons::okcancel, Answer::ok) != Answer::ok)
        return;
    std::vector<int> lines;
    for (int i = 0; i < list1_->count(); ++i)
        if (list1_->item(i)->isSelected()) lines.push_back(i);
    const std::vector<int> players = selectcards(g_, lines);
    if (players.empty()) {
        services_.dialogs.message(noplayersselected());
        return;
    }
    readadjustments();
    pscalingtext_->setText(QString::fromStdString(generalformat(g_.pscaling)));
    const std::string note = text1_->text().toStdString();
    runprint(services_, [this, &players, &note](PrintSurface& s) {
        printcardjob(s, g_, players, note, PrintPicture{cardlogo, {}});
    });
}

void HandicapCardsWindow::leaving() {
    timer1_->stop();
    readadjustments();
    if (!savesettings(g_, settingsdir(g_)))
        services_.dialogs.message({"The card adjustments could not be saved in\r\n" + g_.inipath,
                                   "Greenfold", Icon::exclamation});
}

} // namespace greenfold
