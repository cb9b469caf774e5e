#include "teams/ui/teamwindow.h"

#include "model/programstate.h"
#include "platform/services.h"
#include "teams/teamfile.h"

namespace greenfold {

TeamWindow::TeamWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                       QWidget* mainwindow, const char* name, const QString& caption)
    : FormWindow(services, mainwindow, name, caption), g_(model), datadir_(std::move(datadir)),
      teams_(std::make_unique<Teamdata>()) {}

TeamWindow::~TeamWindow() = default;

void TeamWindow::readteams() {
    loadteams(g_, *teams_, datadir_);
    teams_->currentteam = 1;
}

Outcome TeamWindow::writeteams() {
    return whilebusy(services_.busy, [&] { return writeteamfile(g_, *teams_, datadir_); });
}

} // namespace greenfold
