#include "players/ui/playerpicker.h"

#include "model/programstate.h"
#include "players/pickers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

PlayerPicker::PlayerPicker(ProgramState& model, Services& services, QWidget* mainwindow)
    : PickerWindow(services, mainwindow, "chooseplayer", "Select Player", "Playerlabel",
                   "Player Listing", Clicks::window),
      g_(model) {
    acceptorclose("Accept highlighted name", "Close player list", [this] {
        accept();
    })->setDefault(true);
}

void PlayerPicker::load() {
    showlist(QString::fromStdString(playerlisttitle(g_)), pickernames(g_));
}

void PlayerPicker::accept() {
    const QListWidgetItem* item = chosenline();
    if (item == nullptr) return;
    const int p = findplayerexact(g_, item->text().toStdString());
    list1_->clearSelection();
    handover();
    emit accepted(p);
    close();
}

} // namespace greenfold
