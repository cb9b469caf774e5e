#include "charts/ui/chartplayerpicker.h"

#include "platform/qtservices.h"

#include "charts/chartplayer.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "players/pickers.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

ChartPlayerPicker::ChartPlayerPicker(ProgramState& model, Services& services, QWidget* mainwindow)
    : PickerWindow(services, mainwindow, "ANchooseplayer", "Select Player", "Playerlabel",
                   "Player Listing", Clicks::titleonly),
      g_(model) {
    title_->setMargin(2);
    acceptorclose("accept selection", "Close player list", [this] { accept(); })->setDefault(true);
}

void ChartPlayerPicker::load() {
    title_->setText(QString::fromStdString(playerlisttitle(g_)));
    list1_->clear();
    slots_ = listedslots(g_);
    for (int p : slots_) list1_->addItem(QString::fromStdString(g_.playername[p]));
    adjustSize();
    centrewindow(this, 90);
    resize(300, 380);
    show();
    list1_->setFocus();
}

void ChartPlayerPicker::accept() {
    const int row = list1_->currentRow();
    if (highlighted() == nullptr || row < 0 || row >= int(slots_.size())) {
        services_.dialogs.beep();
        return;
    }
    services_.busy.begin();
    const int p = slots_[std::size_t(row)];
    list1_->clearSelection();
    handover();
    emit chosen(p);
    close();
    services_.busy.end();
}

void ChartPlayerPicker::leaving() {
    list1_->clearSelection();
}

} // namespace greenfold
