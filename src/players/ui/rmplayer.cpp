#include "players/ui/rmplayer.h"

#include "help/helpindex.h"
#include "model/golf1.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "players/pickers.h"
#include "players/roster.h"
#include "teams/teamfile.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace greenfold {

RMplayer::RMplayer(GOLF1& model, Services& services, std::filesystem::path datadir,
                   QWidget* mainwindow)
    : FormWindow(mainwindow), g_(model), services_(services), datadir_(std::move(datadir)),
      teams_(std::make_unique<Teamdata>()) {
    setObjectName("RMplayer");
    setWindowTitle(QString());
    setAttribute(Qt::WA_DeleteOnClose);
    playerlabel_ = new QLabel("Player Listing", this);
    playerlabel_->setObjectName("Playerlabel");
    playerlabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    playerlabel_->setAlignment(Qt::AlignCenter);
    playerlabel_->installEventFilter(this);
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    auto* removebutton = button(this, "removebutton", "Remove Player", "");
    auto* exitbutton = button(this, "exitbutton", "&Close", "Close the Remove Player window");
    auto* infobutton = button(this, "infobutton", "&Help", "Help on removing players");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(removebutton);
    buttons->addWidget(infobutton);
    buttons->addWidget(exitbutton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(playerlabel_);
    layout->addWidget(list1_, 1);
    layout->addLayout(buttons);
    resize(twips(5000), twips(5200));

    connect(removebutton, &QPushButton::clicked, this, &RMplayer::remove);
    connect(list1_, &QListWidget::itemDoubleClicked, this, &RMplayer::remove);
    connect(exitbutton, &QPushButton::clicked, this, &RMplayer::exit);
    connect(infobutton, &QPushButton::clicked, this,
            [this] { services_.help.show(helpkey::players); });
}

RMplayer::~RMplayer() = default;

void RMplayer::load() {
    playerlabel_->setText(QString::fromStdString(leagueplayerlist(g_)));
    // Read once, before the first removal: the removals move the team numbers in memory,
    // and a second read would put the file's older numbers back over them.
    loadteams(g_, *teams_, datadir_);
    fill();
    centrewindow(this, 90);
    show();
    list1_->setFocus();
}

void RMplayer::fill() {
    list1_->clear();
    for (const auto& name : pickernames(g_)) list1_->addItem(QString::fromStdString(name));
}

void RMplayer::remove() {
    QListWidgetItem* item = list1_->currentItem();
    if (item == nullptr || !item->isSelected()) {
        services_.dialogs.beep();
        return;
    }
    const std::string name = item->text().toStdString();
    if (services_.dialogs.message(removequestion(name), Buttons::yesno, Answer::no) !=
        Answer::yes) {
        list1_->clearSelection();
        return;
    }
    const int row = list1_->row(item);
    removeplayer(g_, name);
    fill();
    list1_->setCurrentRow(std::min(row, list1_->count() - 1), QItemSelectionModel::NoUpdate);
    list1_->clearSelection();
}

void RMplayer::exit() {
    close();
}

bool RMplayer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == playerlabel_ && event->type() == QEvent::MouseButtonPress)
        list1_->clearSelection();
    return QWidget::eventFilter(watched, event);
}

void RMplayer::mousePressEvent(QMouseEvent* event) {
    list1_->clearSelection();
    QWidget::mousePressEvent(event);
}

void RMplayer::closeEvent(QCloseEvent* event) {
    if (!saved_) {
        saved_ = true;
        list1_->clearSelection();
        Outcome out =
            whilebusy(services_.busy, [&] { return saveroster(g_, teams_.get(), datadir_); });
        services_.dialogs.show(out);
        emit closed();
    }
    QWidget::closeEvent(event);
}

} // namespace greenfold
