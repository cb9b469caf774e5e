#include "scoring/ui/settingswindow.h"

#include "platform/qtservices.h"

#include "help/helpindex.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "results/nightrecord.h"
#include "scoring/methodswitch.h"
#include "scoring/settingsrules.h"
#include "whs/inifile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
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

constexpr const char* classictip =
    "Not used by the World Handicap System: it limits hole scores by net double bogey and "
    "works the index out from the best 8 of the last 20 differentials";
constexpr const char* allowancetip =
    "The share of the course handicap a player receives: used by the World Handicap System "
    "only";

} // namespace

SettingsWindow::SettingsWindow(ProgramState& model, Services& services,
                               std::filesystem::path datadir, std::string systemdir,
                               QWidget* mainwindow)
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

    connect(okbutton, &QPushButton::clicked, this, &SettingsWindow::accept);
    helpbutton(infobutton, helpkey::fonts);
    connect(list1_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showfont(item->text()); });
    connect(list1_, &QListWidget::currentTextChanged, this, [this](const QString& family) {
        if (!family.isEmpty()) showfont(family);
    });
}

QWidget* SettingsWindow::buildfonts() {
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

QWidget* SettingsWindow::buildoptions() {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildmethod(box));
    auto* factorrow = new QWidget(box);
    auto* factor = new QHBoxLayout(factorrow);
    factor->setContentsMargins(0, 0, 0, 0);
    factor->addWidget(new QLabel("Handicap Factor", factorrow));
    hcptext_ = textbox(factorrow, "hcptext");
    hcptext_->setMaximumWidth(60);
    factor->addWidget(hcptext_);
    factor->addWidget(note(factorrow, "Default factor is .96"));
    factor->addStretch(1);
    column->addWidget(factorrow);
    equitablecheck_ =
        checkbox(box, "Equitablecheck", "Use Equitable Stroke Control Limits on hole scores");
    averagecheck_ = checkbox(box, "Averagecheck", "Average all rounds played when a player has");
    hcplimitcheck_ = checkbox(box, "hcplimitcheck", "Limit Hcp. Indexes to 36.4 men && 40.4 women");
    dateremindcheck_ = checkbox(box, "dateremindcheck", "Double check dates when entering Rounds");
    column->addWidget(equitablecheck_);
    column->addWidget(averagecheck_);
    auto* averagenotes = new QWidget(box);
    auto* notes = new QVBoxLayout(averagenotes);
    notes->setContentsMargins(24, 0, 0, 0);
    notes->addWidget(note(averagenotes, "has less than 9 rounds recorded  (default is off)"));
    notes->addWidget(note(averagenotes, "Click on the info button regarding this option"));
    column->addWidget(averagenotes);
    column->addWidget(hcplimitcheck_);
    classiconly_ = {factorrow, equitablecheck_, averagecheck_, averagenotes, hcplimitcheck_};
    column->addWidget(dateremindcheck_);
    column->addWidget(buildnine(box));
    column->addStretch(1);
    return box;
}

QWidget* SettingsWindow::buildnine(QWidget* parent) {
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

QWidget* SettingsWindow::buildmethod(QWidget* parent) {
    auto* group = new QGroupBox("Handicap method", parent);
    auto* column = new QVBoxLayout(group);
    methodoption_ = new QButtonGroup(group);
    const char* captions[] = {"Classic (lowest differentials x factor)",
                              "World Handicap System (2024)"};
    for (int i = 0; i < 2; ++i) {
        QRadioButton* choice = option(group, QString("methodoption_%1").arg(i + 1), captions[i]);
        methodoption_->addButton(choice, i + 1);
        column->addWidget(choice);
    }
    allowancerow_ = new QWidget(group);
    auto* row = new QHBoxLayout(allowancerow_);
    row->setContentsMargins(24, 0, 0, 0);
    row->addWidget(new QLabel("C Hcp allowance %", allowancerow_));
    allowancecombo_ = new QComboBox(allowancerow_);
    allowancecombo_->setObjectName("allowancecombo");
    allowancecombo_->setToolTip("The share of the course handicap the lists, cards and charts "
                                "show as C Hcp. A night's results take the allowance of "
                                "Competition Settings, which a new results file starts with.");
    allowancecombo_->setEditable(true);
    allowancecombo_->addItems({"100", "95", "90", "85"});
    allowancecombo_->setValidator(new QIntValidator(1, 100, allowancecombo_));
    allowancecombo_->setMaximumWidth(70);
    row->addWidget(allowancecombo_);
    row->addWidget(note(allowancerow_, "100 match play, 95 individual stroke play, 85 four-ball"));
    row->addStretch(1);
    column->addWidget(allowancerow_);
    connect(methodoption_, &QButtonGroup::idToggled, this, [this] { showmethod(); });
    return group;
}

// The settings the chosen method does not use are greyed out, and their tips say why.
void SettingsWindow::showmethod() {
    const bool whs = methodoption_->checkedId() == 2;
    for (QWidget* w : classiconly_) {
        w->setEnabled(!whs);
        w->setToolTip(whs ? classictip : "");
    }
    allowancerow_->setEnabled(whs);
    allowancerow_->setToolTip(whs ? "" : allowancetip);
}

void SettingsWindow::load() {
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
    allowancecombo_->setEditText(QString::fromStdString(now.allowance));
    methodoption_->button(now.method == HandicapMethod::whs ? 2 : 1)->setChecked(true);
    showmethod();
    QWidget* first = hcptext_;
    if (now.method == HandicapMethod::whs) first = methodoption_->button(2);
    present(0, first);
}

// The label shows the name of the font in the font itself.
void SettingsWindow::showfont(const QString& family) {
    fontlabel_->setText(family);
    QFont f(family);
    f.setPointSize(12);
    fontlabel_->setFont(f);
}

SettingsChoice SettingsWindow::chosen() const {
    SettingsChoice choice;
    choice.font = fontlabel_->text().toStdString();
    choice.ninehole = std::max(0, nineholeoption_->checkedId());
    choice.hcplimit = hcplimitcheck_->isChecked();
    choice.dateremind = dateremindcheck_->isChecked();
    choice.esc = equitablecheck_->isChecked();
    choice.average = averagecheck_->isChecked();
    choice.factor = hcptext_->text().toStdString();
    choice.method = methodoption_->checkedId() == 2 ? HandicapMethod::whs : HandicapMethod::classic;
    choice.allowance = allowancecombo_->currentText().toStdString();
    return choice;
}

// A league with rounds is asked whether to work them out again under the new method,
// with the table of indexes before and after. False when nothing may change: the user
// cancelled, or no copy of the league file could be kept before the replay.
bool SettingsWindow::switchmethod(const SettingsChoice& choice, Outcome& out) {
    ReplayPreview preview =
        whilebusy(services_.busy, [&] { return previewreplay(g_, choice, datadir_); });
    const Answer answer = services_.dialogs.message(replayquestion(g_, preview),
                                                    Buttons::yesnocancel, Answer::cancel);
    if (answer == Answer::cancel) return false;
    if (answer == Answer::no) {
        out = takesettings(g_, choice, datadir_);
        return true;
    }
    out = whilebusy(services_.busy, [&] {
        // The league, its copies and its nights' handicaps are written together; the
        // worked-out league becomes the open one only when they were.
        ReplayWrite written = writereplayed(*preview.after, datadir_);
        if (written.outcome) {
            g_ = std::move(*preview.after);
            written.outcome.merge(preview.read);
        }
        return written.outcome;
    });
    if (out.ok) return true;
    services_.dialogs.show(out);
    return false;
}

void SettingsWindow::accept() {
    const SettingsChoice choice = chosen();
    Outcome changed;
    if (choice.method != g_.method && leaguehasrounds(g_)) {
        if (!switchmethod(choice, changed)) return;
    } else {
        changed = takesettings(g_, choice, datadir_);
    }
    close();
    services_.dialogs.show(changed);
    services_.dialogs.show(savebothsettings(g_, datadir_, systemdir_));
    services_.dialogs.show(whs::savemethod(g_, systemdir_));
    if (choice.average && g_.method == HandicapMethod::classic)
        services_.dialogs.message(averagingnotice());
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ninehelp_ && event->type() == QEvent::MouseButtonRelease) {
        services_.help.show(helpkey::ninehole);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace greenfold
