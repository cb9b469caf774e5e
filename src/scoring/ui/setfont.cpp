#include "scoring/ui/setfont.h"

#include "platform/qtservices.h"

#include "help/helpindex.h"
#include "model/golf1.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "scoring/settingsrules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace greenfold {

namespace {

QLabel* note(QWidget* parent, const char* text) {
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setPointSize(std::max(6, f.pointSize() - 1));
    l->setFont(f);
    return l;
}

// Font names for reports, monospaced ones first since only they keep columns straight.
QStringList printfonts() {
    QStringList families = QFontDatabase::families();
    std::stable_partition(families.begin(), families.end(),
                          [](const QString& f) { return QFontDatabase::isFixedPitch(f); });
    return families;
}

} // namespace

Setfont::Setfont(GOLF1& model, Services& services, std::filesystem::path datadir,
                 std::string systemdir, QWidget* mainwindow)
    : FormWindow(services, mainwindow, "Setfont", "Greenfold Settings"), g_(model),
      datadir_(std::move(datadir)), systemdir_(std::move(systemdir)) {
    auto* okbutton = button(this, "okbutton", "OK", "Accept choices");
    auto* infobutton = button(this, "infobutton", "&Help", "Help with GFD settings");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(okbutton);
    buttons->addWidget(infobutton);

    auto* columns = new QHBoxLayout;
    columns->addWidget(buildfonts());
    columns->addWidget(buildoptions(), 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);

    connect(okbutton, &QPushButton::clicked, this, &Setfont::accept);
    helpbutton(infobutton, helpkey::fonts);
    connect(list1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showfont(item->text()); });
    connect(list1_, &QListWidget::currentTextChanged, this, [this](const QString& family) {
        if (!family.isEmpty()) showfont(family);
    });
}

QWidget* Setfont::buildfonts() {
    auto* box = new QGroupBox("Report Font", this);
    auto* column = new QVBoxLayout(box);
    column->addWidget(new QLabel("Current font", box));
    fontlabel_ = panel(box, "fontlabel");
    fontlabel_->setMinimumHeight(30);
    column->addWidget(fontlabel_);
    list1_ = listbox(box, "List1");
    list1_->setMinimumWidth(200);
    column->addWidget(list1_, 1);
    column->addWidget(note(box, "Courier New is the recommended Font"));
    column->addWidget(note(box, "MonoSpaced fonts are required for straight columns."));
    return box;
}

QWidget* Setfont::buildoptions() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    auto* factor = new QHBoxLayout;
    factor->addWidget(new QLabel("Handicap Factor", box));
    hcptext_ = textbox(box, "hcptext");
    hcptext_->setMaximumWidth(60);
    factor->addWidget(hcptext_);
    factor->addWidget(note(box, "Default factor is .96"));
    factor->addStretch(1);
    column->addLayout(factor);
    equitablecheck_ =
        checkbox(box, "Equitablecheck", "Use Equitable Stroke Control Limits on hole scores");
    averagecheck_ = checkbox(box, "Averagecheck", "Average all rounds played when a player has");
    hcplimitcheck_ = checkbox(box, "hcplimitcheck", "Limit Hcp. Indexes to 36.4 men && 40.4 women");
    dateremindcheck_ = checkbox(box, "dateremindcheck", "Double check dates when entering Rounds");
    column->addWidget(equitablecheck_);
    column->addWidget(averagecheck_);
    auto* averagenotes = new QVBoxLayout;
    averagenotes->setContentsMargins(24, 0, 0, 0);
    averagenotes->addWidget(note(box, "has less than 9 rounds recorded  (default is off)"));
    averagenotes->addWidget(note(box, "Click on the info button regarding this option"));
    column->addLayout(averagenotes);
    column->addWidget(hcplimitcheck_);
    column->addWidget(dateremindcheck_);
    column->addWidget(buildnine(box));
    column->addStretch(1);
    return box;
}

QWidget* Setfont::buildnine(QWidget* parent) {
    auto* group = new QGroupBox("Nine Hole Round Processing ", parent);
    auto* grid = new QGridLayout(group);
    nineholeoption_ = new QButtonGroup(group);
    const char* captions[] = {"", "Double Nine hole scores", "Divide Rating by 2",
                              "Use adjusted (9 hole) ratings"};
    for (int i = 1; i <= 3; ++i) {
        QRadioButton* choice = option(group, QString("Nineholeoption_%1").arg(i), captions[i]);
        nineholeoption_->addButton(choice, i);
        grid->addWidget(choice, i - 1, 0);
    }
    auto* important = new QLabel("Important!", group);
    important->setStyleSheet("color: #b00000; font-weight: bold;");
    grid->addWidget(important, 0, 1, Qt::AlignCenter);
    ninehelp_ = new QLabel("Click here for Help", group);
    ninehelp_->setObjectName("ninehelppanel");
    ninehelp_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ninehelp_->setAlignment(Qt::AlignCenter);
    ninehelp_->setCursor(Qt::PointingHandCursor);
    ninehelp_->installEventFilter(this);
    grid->addWidget(ninehelp_, 1, 1);
    grid->addWidget(new QLabel("regarding nine hole rounds.", group), 2, 1, Qt::AlignCenter);
    return group;
}

void Setfont::load() {
    const SettingsChoice now = currentsettings(g_);
    showfont(QString::fromStdString(now.font));
    {
        const QSignalBlocker quiet(list1_);
        list1_->addItems(printfonts());
        const auto found = list1_->findItems(fontlabel_->text(), Qt::MatchFixedString);
        if (!found.isEmpty()) list1_->setCurrentItem(found.front());
    }
    if (QAbstractButton* option = nineholeoption_->button(now.ninehole)) option->setChecked(true);
    hcplimitcheck_->setChecked(now.hcplimit);
    dateremindcheck_->setChecked(now.dateremind);
    equitablecheck_->setChecked(now.esc);
    averagecheck_->setChecked(now.average);
    hcptext_->setText(QString::fromStdString(now.factor));
    present(0, hcptext_);
}

// The label shows the name of the font in the font itself.
void Setfont::showfont(const QString& family) {
    fontlabel_->setText(family);
    QFont f(family);
    f.setPointSize(12);
    fontlabel_->setFont(f);
}

void Setfont::accept() {
    SettingsChoice choice;
    choice.font = fontlabel_->text().toStdString();
    choice.ninehole = std::max(0, nineholeoption_->checkedId());
    choice.hcplimit = hcplimitcheck_->isChecked();
    choice.dateremind = dateremindcheck_->isChecked();
    choice.esc = equitablecheck_->isChecked();
    choice.average = averagecheck_->isChecked();
    choice.factor = hcptext_->text().toStdString();
    applysettings(g_, choice);
    close();
    services_.dialogs.show(savebothsettings(g_, datadir_, systemdir_));
    if (choice.average) services_.dialogs.message(averagingnotice());
}

bool Setfont::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ninehelp_ && event->type() == QEvent::MouseButtonRelease) {
        services_.help.show(helpkey::ninehole);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace greenfold
