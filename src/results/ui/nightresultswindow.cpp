#include "results/ui/nightresultswindow.h"

#include "help/helpindex.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "publish/teampost.h"
#include "results/night.h"
#include "results/resultstext.h"
#include "results/skins.h"
#include "results/skinstext.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

NightResultsWindow::NightResultsWindow(ProgramState& model, Services& services,
                                       std::filesystem::path datadir, QWidget* mainwindow)
    : ResultsWindow(model, services, std::move(datadir), mainwindow, "Nightform", "Night Results") {
    auto* nightlabel = label(this, "Nightlabel", "&Night of");
    nightcombo_ = new QComboBox(this);
    nightcombo_->setObjectName("Nightcombo");
    nightlabel->setBuddy(nightcombo_);
    list1_ = resultslist(this, "List1");
    auto* printbutton = button(this, "Printbutton", "&Print", "Print this night's results");
    skinsbutton_ = button(this, "Skinsbutton", "Print &Skins", "Print this night's skins");
    auto* postbutton =
        button(this, "Postbutton", "Post to &Teams", "Add this night's points to the team records");
    auto* infobutton = button(this, "Infobutton", "&Help", "Help on results and standings");
    auto* donebutton = button(this, "Donebutton", "&Done", "Close this window");

    auto* top = new QHBoxLayout;
    top->addWidget(nightlabel);
    top->addWidget(nightcombo_);
    top->addStretch(1);
    top->addWidget(buildseasons(this));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printbutton);
    buttons->addWidget(skinsbutton_);
    buttons->addWidget(postbutton);
    buttons->addStretch(1);
    buttons->addWidget(infobutton);
    buttons->addWidget(donebutton);
    auto* grid = new QGridLayout(this);
    grid->addLayout(top, 0, 0);
    grid->addWidget(list1_, 1, 0);
    grid->addLayout(buttons, 2, 0);
    list1_->setMinimumSize(620, 360);

    connect(nightcombo_, &QComboBox::currentIndexChanged, this, &NightResultsWindow::shownight);
    connect(printbutton, &QPushButton::clicked, this, &NightResultsWindow::print);
    connect(skinsbutton_, &QPushButton::clicked, this, &NightResultsWindow::printskins);
    connect(postbutton, &QPushButton::clicked, this, &NightResultsWindow::postteams);
    connect(donebutton, &QPushButton::clicked, this, &QWidget::close);
    helpbutton(infobutton, helpkey::results);
}

void NightResultsWindow::load() {
    loadseasons();
    readresults();
    shownights();
    present(0, nightcombo_);
}

void NightResultsWindow::seasonchanged() {
    shownights();
}

// The chosen season's nights, the newest shown; a season without one says so.
void NightResultsWindow::shownights() {
    nights_ = seasonnights(file_);
    skinsbutton_->setEnabled(file_.settings.skins.mode != SkinsMode::off);
    nightcombo_->blockSignals(true);
    nightcombo_->clear();
    for (const NightDate& n : nights_) nightcombo_->addItem(QString::fromStdString(nighttext(n)));
    nightcombo_->blockSignals(false);
    nightcombo_->setEnabled(!nights_.empty());
    list1_->clear();
    if (nights_.empty()) list1_->addItem(QString::fromStdString(nonighttext(file_)));
    shownight(0);
}

void NightResultsWindow::postteams() {
    const int k = nightcombo_->currentIndex();
    if (k < 0 || k >= int(nights_.size())) {
        services_.dialogs.message(nothingtodo(file_, SeasonCommand::postteams));
        return;
    }
    if (season().kept()) {
        services_.dialogs.message(keptseasonreadonly(season()));
        return;
    }
    const NightDate night = nights_[std::size_t(k)];
    if (!hasteams(g_, datadir_)) {
        services_.dialogs.message(noteams());
        return;
    }
    if (services_.dialogs.message(postquestion(night), Buttons::yesno, Answer::yes) != Answer::yes)
        return;
    services_.dialogs.show(whilebusy(
        services_.busy, [&] { return greenfold::postteams(g_, file_, night, datadir_); }));
}

std::vector<std::string> NightResultsWindow::shownlines() const {
    const int k = nightcombo_->currentIndex();
    if (k < 0 || k >= int(nights_.size())) return {};
    return nightlines(leaguename(), nightresults(file_, nights_[std::size_t(k)]));
}

// The skins sheet of the chosen night; nothing when the league plays no skins.
std::vector<std::string> NightResultsWindow::skinslines() const {
    const int k = nightcombo_->currentIndex();
    if (k < 0 || k >= int(nights_.size()) || file_.settings.skins.mode == SkinsMode::off) return {};
    return greenfold::skinslines(leaguename(), nightskins(file_, g_, nights_[std::size_t(k)]));
}

void NightResultsWindow::shownight(int) {
    const std::vector<std::string> lines = shownlines();
    if (lines.empty()) return;
    list1_->clear();
    addlines(list1_, lines);
    if (const std::vector<std::string> skins = skinslines(); !skins.empty()) {
        list1_->addItem("");
        addlines(list1_, skins);
    }
}

void NightResultsWindow::print() {
    const std::vector<std::string> lines = shownlines();
    if (lines.empty())
        services_.dialogs.message(nothingtodo(file_, SeasonCommand::print));
    else
        printlines(lines);
}

void NightResultsWindow::printskins() {
    const std::vector<std::string> lines = skinslines();
    if (lines.empty())
        services_.dialogs.message(nothingtodo(file_, SeasonCommand::printskins));
    else
        printlines(lines);
}

} // namespace greenfold
