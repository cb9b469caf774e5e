#include "players/ui/removeplayerwindow.h"

#include "help/helpindex.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "players/pickers.h"
#include "players/roster.h"
#include "teams/teamfile.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace greenfold {

RemovePlayerWindow::RemovePlayerWindow(ProgramState& model, Services& services,
                                       std::filesystem::path datadir, QWidget* mainwindow)
    : PickerWindow(services, mainwindow, "RMplayer", QString(), "Playerlabel", "Player Listing",
                   Clicks::window),
      g_(model), datadir_(std::move(datadir)), teams_(std::make_unique<Teamdata>()) {
    auto* removebutton = button(this, "removebutton", "Remove Player", "");
    auto* exitbutton = button(this, "exitbutton", "&Close", "Close the Remove Player window");
    auto* infobutton = button(this, "infobutton", "&Help", "Help on removing players");
    arrange({removebutton, infobutton, exitbutton});
    resize(twips(5000), twips(5200));

    connect(removebutton, &QPushButton::clicked, this, &RemovePlayerWindow::remove);
    connect(list1_, &QListWidget::itemDoubleClicked, this, &RemovePlayerWindow::remove);
    connect(exitbutton, &QPushButton::clicked, this, &RemovePlayerWindow::exit);
    helpbutton(infobutton, helpkey::players);
}

RemovePlayerWindow::~RemovePlayerWindow() = default;

void RemovePlayerWindow::load() {
    // Read once, before the first removal: the removals move the team numbers in memory,
    // and a second read would put the file's older numbers back over them.
    loadteams(g_, *teams_, datadir_);
    showlist(QString::fromStdString(leagueplayerlist(g_)), pickernames(g_));
}

void RemovePlayerWindow::remove() {
    const QListWidgetItem* item = chosenline();
    if (item == nullptr) return;
    const std::string name = item->text().toStdString();
    if (services_.dialogs.message(removequestion(name), Buttons::yesno, Answer::no) !=
        Answer::yes) {
        list1_->clearSelection();
        return;
    }
    const int row = list1_->row(item);
    if (removeplayer(g_, name)) results_.removed(name);
    fill(pickernames(g_));
    list1_->setCurrentRow(std::min(row, list1_->count() - 1), QItemSelectionModel::NoUpdate);
    list1_->clearSelection();
}

void RemovePlayerWindow::leaving() {
    list1_->clearSelection();
    Outcome out =
        whilebusy(services_.busy, [&] { return results_.save(g_, teams_.get(), datadir_); });
    services_.dialogs.show(out);
}

} // namespace greenfold
