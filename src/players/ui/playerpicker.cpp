#include "players/ui/chooseplayer.h"

#include "model/golf1.h"
#include "players/pickers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

chooseplayer::chooseplayer(GOLF1& model, Services& services, QWidget* mainwindow)
    : PickerWindow(services, mainwindow, "chooseplayer", "Select Player", "Playerlabel",
                   "Player Listing", Clicks::window),
      g_(model) {
    acceptorclose("Accept highlighted name", "Close player list", [this] {
        accept();
    })->setDefault(true);
}

void chooseplayer::load() {
    showlist(QString::fromStdString(playerlisttitle(g_)), pickernames(g_));
}

void chooseplayer::accept() {
    const QListWidgetItem* item = chosenline();
    if (item == nullptr) return;
    const int p = findplayerexact(g_, item->text().toStdString());
    list1_->clearSelection();
    handover();
    emit accepted(p);
    close();
}

} // namespace greenfold
