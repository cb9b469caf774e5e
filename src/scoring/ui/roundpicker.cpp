#include "scoring/ui/gplayer.h"

#include "model/golf1.h"
#include "platform/services.h"
#include "players/pickers.h"
#include "scoring/scoreentry.h"

#include <QLabel>
#include <QListWidget>

namespace greenfold {

GPlayer::GPlayer(GOLF1& model, Services& services, QWidget* mainwindow)
    : PickerWindow(services, mainwindow, "GPlayer", "Select Player", "message", "Select a Player",
                   Clicks::window),
      g_(model) {
    acceptorclose("Accept highlighted name", "close player list", [this] { accept(); });
}

void GPlayer::load() {
    showlist("Select a Player", pickernames(g_));
}

void GPlayer::accept() {
    if (chosenline() == nullptr) return;
    if (tag == GPlayerTag::date)
        chooseround();
    else
        chooseplayer();
}

void GPlayer::chooseplayer() {
    const int p = findplayerexact(g_, list1_->currentItem()->text().toStdString());
    if (p == 0) {
        services_.dialogs.beep();
        return;
    }
    player_ = p;
    title_->setText("Select Date");
    tag = GPlayerTag::date;
    fill(roundlist(g_, p));
}

void GPlayer::chooseround() {
    const auto session = greenfold::chooseround(g_, player_, list1_->currentRow());
    if (!session) {
        services_.dialogs.beep();
        return;
    }
    tag = GPlayerTag::none;
    handover();
    emit roundchosen(*session);
    close();
}

void GPlayer::leaving() {
    list1_->clearSelection();
    player_ = 0;
    tag = GPlayerTag::none;
}

} // namespace greenfold
