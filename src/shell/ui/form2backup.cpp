// Backing the data files up and restoring them.
#include "model/backup.h"
#include "model/golf1.h"
#include "platform/services.h"
#include "shell/ui/backupform.h"
#include "shell/ui/form2.h"

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

void restorefiles(Services& services) {
    services.dialogs.beep();
    if (services.dialogs.message(restorewarning(), Buttons::yesno, Answer::no) != Answer::yes)
        return;
    auto from = backuplocation(services);
    if (!from) return;
    services.busy.begin();
    Outcome out = restore(*from);
    services.busy.end();
    services.dialogs.show(out);
}

} // namespace

void Form2::wirebackup() {
    connect(action("Backupmenu"), &QAction::triggered, this, [this] {
        setEnabled(false);
        auto* window = new Backupform(g_, services_, datadir_, this);
        connect(window, &Backupform::closing, this, [this] { setEnabled(true); });
        window->load();
    });
    connect(action("Restoremenu"), &QAction::triggered, this, [this] { restorefiles(services_); });
}

} // namespace greenfold
