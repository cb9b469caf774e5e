#include "scoring/ui/roundpicker.h"

#include "model/programstate.h"
#include "platform/services.h"
#include "players/pickers.h"
#include "scoring/scoreentry.h"

#include <QLabel>
#include <QListWidget>

namespace greenfold {

RoundPicker::RoundPicker(ProgramState& model, Services& services, QWidget* mainwindow)
    : PickerWindow(services, mainwindow, "GPlayer", "Select Player", "message", "Select a Player",
                   Clicks::window),
      g_(model) {
    acceptorclose("Accept highlighted name", "close player list", [this] { accept(); });
}

void RoundPicker::load() {
    showlist("Select a Player", pickernames(g_));
}

void RoundPicker::accept() {
    if (chosenline() == nullptr) return;
    if (tag == RoundPickerTag::date)
        chooseround();
    else
        chooseplayer();
}

void RoundPicker::chooseplayer() {
    const int p = findplayerexact(g_, list1_->currentItem()->text().toStdString());
    if (p == 0) {
        services_.dialogs.beep();
        return;
    }
    player_ = p;
    title_->setText("Select Date");
    tag = RoundPickerTag::date;
    fill(roundlist(g_, p));
}

void RoundPicker::chooseround() {
    const auto session = greenfold::chooseround(g_, player_, list1_->currentRow());
    if (!session) {
        services_.dialogs.beep();
        return;
    }
    tag = RoundPickerTag::none;
    handover();
    emit roundchosen(*session);
    close();
}

void RoundPicker::leaving() {
    list1_->clearSelection();
    player_ = 0;
    tag = RoundPickerTag::none;
}

} // namespace greenfold
