#include "charts/ui/anchooseplayer.h"

#include "platform/qtservices.h"

#include "charts/chartplayer.h"
#include "charts/ui/chartparts.h"
#include "model/golf1.h"
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

ANchooseplayer::ANchooseplayer(GOLF1& model, Services& services, QWidget* mainwindow)
    : FormWindow(mainwindow), g_(model), services_(services) {
    setObjectName("ANchooseplayer");
    setWindowTitle("Select Player");
    setAttribute(Qt::WA_DeleteOnClose);
    playerlabel_ = chartpanel(this, "Playerlabel", "Player Listing");
    playerlabel_->installEventFilter(this);
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    auto* acceptbutton = chartbutton(this, "acceptbutton", "&Accept", "accept selection");
    auto* exitbutton = chartbutton(this, "exitbutton", "&Close", "Close player list");
    acceptbutton->setDefault(true);
    pickerlayout(this, playerlabel_, list1_, acceptbutton, exitbutton);

    connect(acceptbutton, &QPushButton::clicked, this, &ANchooseplayer::accept);
    connect(exitbutton, &QPushButton::clicked, this, &ANchooseplayer::exit);
    connect(list1_, &QListWidget::itemDoubleClicked, this, &ANchooseplayer::accept);
}

void ANchooseplayer::load() {
    playerlabel_->setText(QString::fromStdString(playerlisttitle(g_)));
    list1_->clear();
    slots_ = listedslots(g_);
    for (int p : slots_) list1_->addItem(QString::fromStdString(g_.playername[p]));
    adjustSize();
    centrewindow(this, 90);
    resize(300, 380);
    show();
    list1_->setFocus();
}

void ANchooseplayer::accept() {
    const QListWidgetItem* item = list1_->currentItem();
    const int row = list1_->currentRow();
    if (item == nullptr || !item->isSelected() || row < 0 || row >= int(slots_.size())) {
        services_.dialogs.beep();
        return;
    }
    services_.busy.begin();
    const int p = slots_[std::size_t(row)];
    list1_->clearSelection();
    done_ = true;
    emit chosen(p);
    close();
    services_.busy.end();
}

void ANchooseplayer::exit() {
    list1_->clearSelection();
    close();
}

bool ANchooseplayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == playerlabel_ && event->type() == QEvent::MouseButtonPress)
        list1_->clearSelection();
    return QWidget::eventFilter(watched, event);
}

void ANchooseplayer::closeEvent(QCloseEvent* event) {
    // Closing the window any other way than Accept is the Close button.
    if (!done_) {
        done_ = true;
        list1_->clearSelection();
        emit closed();
    }
    QWidget::closeEvent(event);
}

} // namespace greenfold
