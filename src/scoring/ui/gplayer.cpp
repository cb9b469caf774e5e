#include "scoring/ui/gplayer.h"

#include "model/golf1.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "players/pickers.h"
#include "scoring/scoreentry.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace greenfold {

GPlayer::GPlayer(GOLF1& model, Services& services, QWidget* mainwindow)
    : FormWindow(mainwindow), g_(model), services_(services) {
    setObjectName("GPlayer");
    setWindowTitle("Select Player");
    setAttribute(Qt::WA_DeleteOnClose);
    message_ = panel(this, "message", "Select a Player");
    message_->setAlignment(Qt::AlignCenter);
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    auto* acceptbutton = button(this, "acceptbutton", "&Accept", "Accept highlighted name");
    auto* exitbutton = button(this, "exitbutton", "&Close", "close player list");
    pickerlayout(this, message_, list1_, acceptbutton, exitbutton);

    connect(acceptbutton, &QPushButton::clicked, this, &GPlayer::accept);
    connect(exitbutton, &QPushButton::clicked, this, &GPlayer::exit);
    connect(list1_, &QListWidget::itemDoubleClicked, this, &GPlayer::accept);
}

void GPlayer::load() {
    message_->setText("Select a Player");
    centrewindow(this, 90);
    for (const auto& name : pickernames(g_)) list1_->addItem(QString::fromStdString(name));
    show();
    list1_->setFocus();
}

void GPlayer::accept() {
    QListWidgetItem* item = list1_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        services_.dialogs.beep();
        return;
    }
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
    message_->setText("Select Date");
    tag = GPlayerTag::date;
    list1_->clear();
    for (const auto& row : roundlist(g_, p)) list1_->addItem(QString::fromStdString(row));
}

void GPlayer::chooseround() {
    const auto session = greenfold::chooseround(g_, player_, list1_->currentRow());
    if (!session) {
        services_.dialogs.beep();
        return;
    }
    tag = GPlayerTag::none;
    done_ = true;
    emit roundchosen(*session);
    close();
}

void GPlayer::exit() {
    close();
}

void GPlayer::mousePressEvent(QMouseEvent* event) {
    list1_->clearSelection();
    QWidget::mousePressEvent(event);
}

void GPlayer::closeEvent(QCloseEvent* event) {
    // Closing the window any other way than choosing a round is the Close button.
    if (!done_) {
        done_ = true;
        list1_->clearSelection();
        player_ = 0;
        tag = GPlayerTag::none;
        emit closed();
    }
    QWidget::closeEvent(event);
}

} // namespace greenfold
