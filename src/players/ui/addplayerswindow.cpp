#include "players/ui/addplayerswindow.h"

#include "help/helpindex.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "players/roster.h"
#include "teams/teamfile.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace greenfold {

AddPlayersWindow::AddPlayersWindow(ProgramState& model, Services& services,
                                   std::filesystem::path datadir, QWidget* mainwindow)
    : FormWindow(services, mainwindow, "playform", "Add Players to League"), g_(model),
      datadir_(std::move(datadir)), teams_(std::make_unique<Teamdata>()) {
    auto* panel1 = new QGroupBox("Player Name", this);
    panel1->setObjectName("Panel3D1");
    text1_ = textbox(panel1, "Text1");
    noquotes(text1_);
    (new QVBoxLayout(panel1))->addWidget(text1_);

    auto* panel2 = new QGroupBox("Default Tee", this);
    panel2->setObjectName("Panel3D2");
    auto* tees = new QHBoxLayout(panel2);
    const char* captions[] = {"Red", "White", "Blue"};
    const char* colours[] = {"color: #c00000;", "color: #707070;", "color: #0000c0;"};
    for (int i = 0; i < 3; ++i) {
        option_[i] = option(panel2, QString("Option3D1_%1").arg(i), captions[i]);
        option_[i]->setStyleSheet(colours[i]);
        tees->addWidget(option_[i]);
    }
    // Most league players play the white (mens) tees.
    option_[1]->setChecked(true);

    playernumlabel_ = centredpanel(this, "playernumlabel");
    auto* addbutton =
        button(this, "addbutton", "Add Player", "Click or press Enter to Add Player name");
    auto* exitbutton = button(this, "exitbutton", "&Close", "Close player window");
    auto* infobutton = button(this, "infobutton", "&Help", "Information on adding players");
    // Enter in the name box adds the player; it must not also press a button.
    for (QPushButton* b : {addbutton, exitbutton, infobutton}) b->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(panel1, 0, 0, 1, 2);
    grid->addWidget(addbutton, 0, 2);
    grid->addWidget(panel2, 1, 0, 1, 2);
    grid->addWidget(playernumlabel_, 1, 2);
    grid->addWidget(infobutton, 2, 0);
    grid->addWidget(exitbutton, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
    connect(addbutton, &QPushButton::clicked, this, &AddPlayersWindow::add);
    connect(exitbutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, helpkey::players);
}

AddPlayersWindow::~AddPlayersWindow() = default;

void AddPlayersWindow::load() {
    setWindowTitle(QString::fromStdString(playerstitle(g_)));
    playernumlabel_->setText(QString::fromStdString(membercount(g_)));
    text1_->clear();
    // The flag decides whether the team file is written on closing; it must be current.
    loadteams(g_, *teams_, datadir_);
    resize(twips(5400), sizeHint().height());
    centrewindow(this, 90);
    show();
    text1_->setFocus();
}

int AddPlayersWindow::tee() const {
    for (int i = 0; i < 3; ++i)
        if (option_[i]->isChecked()) return i + 1;
    return tee_mens;
}

void AddPlayersWindow::add() {
    switch (addplayer(g_, text1_->text().toStdString(), tee())) {
    case AddResult::rejected:
        services_.dialogs.beep();
        return;
    case AddResult::duplicate:
        services_.dialogs.message(nametaken());
        break;
    case AddResult::added:
        playernumlabel_->setText(QString::fromStdString(membercount(g_)));
        break;
    }
    text1_->clear();
    text1_->setFocus();
}

bool AddPlayersWindow::eventFilter(QObject* watched, QEvent* event) {
    // The window sees every key first: Enter never reaches a button, and adds the typed
    // name when there is one.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!text1_->text().isEmpty()) add();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The title bar's close is the close button: the roster is saved either way.
void AddPlayersWindow::leaving() {
    Outcome out = whilebusy(services_.busy, [&] {
        return saveroster(g_, addkeepsteams(g_, datadir_) ? teams_.get() : nullptr, datadir_);
    });
    services_.dialogs.show(out);
}

} // namespace greenfold
