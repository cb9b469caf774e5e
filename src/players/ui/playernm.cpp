#include "players/ui/playernm.h"

#include "help/helpindex.h"
#include "model/golf1.h"
#include "model/leaguefile.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "players/pickers.h"
#include "players/roster.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

Playernm::Playernm(GOLF1& model, Services& services, std::filesystem::path datadir,
                   QWidget* mainwindow)
    : FormWindow(mainwindow), g_(model), services_(services), datadir_(std::move(datadir)) {
    setObjectName("Playernm");
    setWindowTitle("Change Player Name");
    setAttribute(Qt::WA_DeleteOnClose);
    playerlabel_ = label(this, "Playerlabel", "Player Listing");
    playerlabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    playerlabel_->setAlignment(Qt::AlignCenter);
    playerlabel_->installEventFilter(this);
    list1_ = new QListWidget(this);
    list1_->setObjectName("List1");
    text1_ = new QLineEdit(this);
    text1_->setObjectName("Text1");
    connect(text1_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!text.contains('"')) return;
        const int cursor = text1_->cursorPosition();
        text1_->setText(QString(text).replace('"', '\''));
        text1_->setCursorPosition(cursor);
    });
    auto* renamebutton = button(this, "renamebutton", "Rename", "Rename highlighted name");
    auto* exitbutton = button(this, "exitbutton", "&Close", "Close renaming window");
    auto* infobutton = button(this, "infobutton", "&Help", "Help on renaming players");

    auto* grid = new QGridLayout(this);
    grid->addWidget(playerlabel_, 0, 0, 1, 2);
    grid->addWidget(list1_, 1, 0, 6, 1);
    grid->addWidget(text1_, 1, 1);
    grid->addWidget(label(this, "Label1", "Click on the Rename button to"), 2, 1);
    grid->addWidget(label(this, "Label2", "Record a change"), 3, 1);
    grid->addWidget(renamebutton, 4, 1);
    grid->addWidget(infobutton, 5, 1, Qt::AlignBottom);
    grid->addWidget(exitbutton, 6, 1, Qt::AlignBottom);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
    resize(twips(6600), twips(4800));

    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        QListWidgetItem* item = list1_->currentItem();
        if (item != nullptr && item->isSelected()) text1_->setText(item->text());
    });
    connect(renamebutton, &QPushButton::clicked, this, &Playernm::rename);
    connect(exitbutton, &QPushButton::clicked, this, &Playernm::exit);
    connect(infobutton, &QPushButton::clicked, this,
            [this] { services_.help.show(helpkey::players); });
}

void Playernm::load() {
    playerlabel_->setText(QString::fromStdString(leagueplayerlist(g_)));
    fill();
    centrewindow(this, 90);
    show();
    list1_->setFocus();
}

void Playernm::fill() {
    list1_->clear();
    for (const auto& name : pickernames(g_)) list1_->addItem(QString::fromStdString(name));
}

void Playernm::rename() {
    QListWidgetItem* item = list1_->currentItem();
    const std::string newname = text1_->text().toStdString();
    const std::string oldname =
        item != nullptr && item->isSelected() ? item->text().toStdString() : std::string();
    switch (checkrename(g_, oldname, newname)) {
    case RenameResult::rejected:
        services_.dialogs.beep();
        return;
    case RenameResult::duplicate:
        services_.dialogs.message(nameinuse());
        return;
    case RenameResult::changed:
        break;
    }
    if (services_.dialogs.message(renamequestion(), Buttons::yesno, Answer::no) != Answer::yes) {
        list1_->clearSelection();
        return;
    }
    renameplayer(g_, oldname, newname);
    fill();
}

void Playernm::exit() {
    close();
}

bool Playernm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == playerlabel_ && event->type() == QEvent::MouseButtonPress)
        list1_->clearSelection();
    return QWidget::eventFilter(watched, event);
}

void Playernm::mousePressEvent(QMouseEvent* event) {
    list1_->clearSelection();
    QWidget::mousePressEvent(event);
}

void Playernm::closeEvent(QCloseEvent* event) {
    if (!saved_) {
        saved_ = true;
        list1_->clearSelection();
        Outcome out = whilebusy(services_.busy, [&] { return saveleague(g_, datadir_); });
        services_.dialogs.show(out);
        emit closed();
    }
    QWidget::closeEvent(event);
}

} // namespace greenfold
