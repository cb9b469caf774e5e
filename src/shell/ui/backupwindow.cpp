#include "shell/ui/backupwindow.h"

#include "platform/qtservices.h"

#include "model/backup.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "platform/widgets.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTimer>
#include <QVBoxLayout>

namespace greenfold {

namespace {

// Floppy drive roots where the machine has them, then the plugged-in volumes, then
// any folder (a synced folder, a network share).
std::vector<std::pair<QString, std::filesystem::path>> destinations() {
    std::vector<std::pair<QString, std::filesystem::path>> out;
    std::error_code ec;
    for (const char* drive : {"A:\\", "B:\\"})
        if (std::filesystem::exists(drive, ec))
            out.push_back({QString("%1 Drive").arg(drive[0]), drive});
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady() || v.isReadOnly()) continue;
        if (!removablemount(v.rootPath().toStdString())) continue;
        QString name = v.displayName().isEmpty() ? v.rootPath() : v.displayName();
        out.push_back({name + " (" + v.rootPath() + ")", v.rootPath().toStdString()});
    }
    out.push_back({"Another folder...", {}});
    return out;
}

} // namespace

BackupWindow::BackupWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                           QWidget* mainwindow)
    : FormWindow(services, mainwindow, "Backupform", "Greenfold Backup Utility"), g_(model),
      datadir_(std::move(datadir)) {
    auto* frame = new QGroupBox("Location of destination floppy disk", this);
    auto* framelayout = new QVBoxLayout(frame);
    choices_ = new QButtonGroup(this);
    int i = 0;
    for (const auto& [caption, root] : destinations()) {
        QRadioButton* b =
            option(frame, root.empty() ? "folderbutton" : QString("diskbutton_%1").arg(i), caption);
        choices_->addButton(b, i++);
        roots_.push_back(root);
        framelayout->addWidget(b);
    }
    choices_->buttons().first()->setChecked(true);
    auto* copybutton = button(this, "copybutton", "Backup Greenfold files");
    auto* exitbutton = button(this, "exitbutton", "Close backup window");
    status_ = new QLabel(this);
    status_->setObjectName("backupstatus");
    status_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Older copies of Greenfold's files on the backup disk or "
                                 "folder are overwritten.\nUse a blank disk or an empty folder.",
                                 this));
    layout->addWidget(frame);
    layout->addWidget(copybutton);
    layout->addWidget(exitbutton);
    layout->addWidget(status_);

    timer1_ = new QTimer(this);
    timer1_->setObjectName("Timer1");
    timer1_->setInterval(2000);
    timer1_->setSingleShot(true);
    connect(timer1_, &QTimer::timeout, this, [this] {
        services_.busy.end();
        close();
    });
    connect(copybutton, &QPushButton::clicked, this, &BackupWindow::copyfiles);
    connect(exitbutton, &QPushButton::clicked, this, &QWidget::close);
}

void BackupWindow::load() {
    present(0);
}

std::filesystem::path BackupWindow::destination() {
    const auto& root = roots_.at(std::size_t(choices_->checkedId()));
    if (!root.empty()) return root;
    auto folder = services_.dialogs.choosefolder("Choose the folder to back up to");
    return folder ? std::filesystem::path(*folder) : std::filesystem::path();
}

void BackupWindow::copyfiles() {
    if (timer1_->isActive()) return;
    const std::filesystem::path dest = destination();
    if (dest.empty()) return;
    services_.busy.begin();
    Outcome out = backup(g_, datadir_, dest);
    if (!out) {
        services_.busy.end();
        services_.dialogs.show(out);
        return;
    }
    status_->setText(QString("Files copied to %1").arg(QString::fromStdString(dest.string())));
    timer1_->start();
}

void BackupWindow::leaving() {
    if (timer1_->isActive()) {
        timer1_->stop();
        services_.busy.end();
    }
}

} // namespace greenfold
