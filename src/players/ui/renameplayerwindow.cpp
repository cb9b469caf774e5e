#include "players/ui/renameplayerwindow.h"

#include "help/helpindex.h"
#include "matchplay/matchstore.h"
#include "model/leaguefile.h"
#include "model/programstate.h"
#include "platform/qtservices.h"
#include "platform/services.h"
#include "platform/widgets.h"
#include "players/pickers.h"
#include "players/roster.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace greenfold {

RenamePlayerWindow::RenamePlayerWindow(ProgramState& model, Services& services,
                                       std::filesystem::path datadir, QWidget* mainwindow)
    : PickerWindow(services, mainwindow, "Playernm", "Change Player Name", "Playerlabel",
                   "Player Listing", Clicks::window),
      g_(model), datadir_(std::move(datadir)) {
    text1_ = textbox(this, "Text1");
    noquotes(text1_);
    auto* renamebutton = button(this, "renamebutton", "Rename", "Rename highlighted name");
    auto* exitbutton = button(this, "exitbutton", "&Close", "Close renaming window");
    auto* infobutton = button(this, "infobutton", "&Help", "Help on renaming players");
    buildgrid(renamebutton, infobutton, exitbutton);

    connect(list1_, &QListWidget::itemSelectionChanged, this, [this] {
        if (const QListWidgetItem* item = highlighted()) text1_->setText(item->text());
    });
    connect(renamebutton, &QPushButton::clicked, this, &RenamePlayerWindow::rename);
    connect(exitbutton, &QPushButton::clicked, this, &RenamePlayerWindow::exit);
    helpbutton(infobutton, helpkey::players);
}

// The list on the left, the name box and the buttons on the right.
void RenamePlayerWindow::buildgrid(QPushButton* renamebutton, QPushButton* infobutton,
                                   QPushButton* exitbutton) {
    auto* grid = new QGridLayout(this);
    grid->addWidget(title_, 0, 0, 1, 2);
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
}

void RenamePlayerWindow::load() {
    showlist(QString::fromStdString(leagueplayerlist(g_)), pickernames(g_));
}

void RenamePlayerWindow::rename() {
    const QListWidgetItem* item = highlighted();
    const std::string newname = text1_->text().toStdString();
    const std::string oldname = item != nullptr ? item->text().toStdString() : std::string();
    const RenameResult check = checkrename(g_, oldname, newname);
    if (check == RenameResult::rejected) services_.dialogs.beep();
    if (check == RenameResult::duplicate) services_.dialogs.message(nameinuse());
    if (check != RenameResult::changed) return;
    if (services_.dialogs.message(renamequestion(), Buttons::yesno, Answer::no) != Answer::yes) {
        list1_->clearSelection();
        return;
    }
    if (renameplayer(g_, oldname, newname) == RenameResult::changed)
        results_.renamed(oldname, newname);
    fill(pickernames(g_));
}

void RenamePlayerWindow::leaving() {
    list1_->clearSelection();
    // The league, its nights and its match play follow the new names together.
    Outcome out = whilebusy(services_.busy, [&] {
        return results_.save(g_, nullptr, datadir_, [&](LeagueCommit& commit) {
            return matchplay::stagerenames(g_, results_.renames(), commit, datadir_);
        });
    });
    services_.dialogs.show(out);
}

} // namespace greenfold
