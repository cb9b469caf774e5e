#include "players/ui/chooseplayer.h"

#include "model/golf1.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "players/pickers.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace greenfold {

chooseplayer::chooseplayer(GOLF1& model, Services& services, QWidget* mainwindow)
    : FormWindow(mainwindow), g_(model), services_(services) {
    setObjectName("chooseplayer");
    setWindowTitle("Select Player");
    setAttribute(Qt::WA_DeleteOnClose);
    playerlabel_ = new QLabel("Player Listing", this);
    playerlabel_->setObjectName("Playerlabel");
    playerlabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    playerlabel_->setAlignment(Qt::AlignCenter);
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    auto* acceptbutton = button(this, "acceptbutton", "&Accept", "Accept highlighted name");
    auto* exitbutton = button(this, "exitbutton", "&Close", "Close player list");
    acceptbutton->setDefault(true);
    pickerlayout(this, playerlabel_, list1_, acceptbutton, exitbutton);

    connect(acceptbutton, &QPushButton::clicked, this, &chooseplayer::accept);
    connect(exitbutton, &QPushButton::clicked, this, &chooseplayer::exit);
    connect(list1_, &QListWidget::itemDoubleClicked, this, &chooseplayer::accept);
}

void chooseplayer::load() {
    playerlabel_->setText(QString::fromStdString(playerlisttitle(g_)));
    centrewindow(this, 90);
    for (const auto& name : pickernames(g_)) list1_->addItem(QString::fromStdString(name));
    show();
    list1_->setFocus();
}

void chooseplayer::accept() {
    QListWidgetItem* item = list1_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        services_.dialogs.beep();
        return;
    }
    const int p = findplayerexact(g_, item->text().toStdString());
    list1_->clearSelection();
    done_ = true;
    emit accepted(p);
    close();
}

void chooseplayer::exit() {
    list1_->clearSelection();
    close();
}

void chooseplayer::mousePressEvent(QMouseEvent* event) {
    list1_->clearSelection();
    QWidget::mousePressEvent(event);
}

void chooseplayer::closeEvent(QCloseEvent* event) {
    // Closing the window any other way than Accept is the Close button.
    if (!done_) {
        done_ = true;
        emit closed();
    }
    QWidget::closeEvent(event);
}

} // namespace greenfold
