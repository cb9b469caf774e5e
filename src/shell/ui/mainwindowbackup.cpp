// Backing the data files up and restoring them.
#include "model/backup.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "shell/startup.h"
#include "shell/ui/backupwindow.h"
#include "shell/ui/mainwindow.h"
#include "shell/ui/menunames.h"

#include <QAction>

namespace greenfold {

namespace {

// Where drive letters exist the backup disk is named by its letter; elsewhere by its
// folder.
std::optional<std::filesystem::path> backuplocation(Services& services) {
#ifdef _WIN32
    auto letter = services.dialogs.input(restoreprompt, restoretitle);
    if (!letter || letter->empty()) return std::nullopt;
    return std::filesystem::path(std::string(1, (*letter)[0]) + ":\\");
#else
    auto folder = services.dialogs.choosefolder(restoretitle);
    if (!folder) return std::nullopt;
    return std::filesystem::path(*folder);
#endif
}

// Whether anything was copied back.
bool restorefiles(Services& services) {
    services.dialogs.beep();
    if (services.dialogs.message(restorewarning(), Buttons::yesno, Answer::no) != Answer::yes)
        return false;
    auto from = backuplocation(services);
    if (!from) return false;
    std::vector<std::string> restored;
    Outcome out = whilebusy(services.busy, [&] { return restore(*from, &restored); });
    services.dialogs.show(out);
    return !restored.empty();
}

} // namespace

void MainWindow::wirebackup() {
    connect(action(menu::Backupmenu), &QAction::triggered, this,
            [this] { openwindow(new BackupWindow(g_, services_, datadir_, this)); });
    connect(action(menu::Restoremenu), &QAction::triggered, this, [this] {
        if (restorefiles(services_)) rereadafterrestore();
    });
}

void MainWindow::rereadafterrestore() {
    const Outcome out = afterrestore(g_, datadir_, systemdir_);
    refreshleaguemenu();
    noleaguestate();
    services_.dialogs.show(out);
}

} // namespace greenfold
