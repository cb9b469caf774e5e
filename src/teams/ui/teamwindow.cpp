#include "teams/ui/teamwindow.h"

#include "matchplay/matchstore.h"
#include "model/leaguecommit.h"
#include "model/programstate.h"
#include "platform/services.h"
#include "teams/teamfile.h"

#include <algorithm>

namespace greenfold {

TeamWindow::TeamWindow(ProgramState& model, Services& services, std::filesystem::path datadir,
                       QWidget* mainwindow, const char* name, const QString& caption)
    : FormWindow(services, mainwindow, name, caption), g_(model), datadir_(std::move(datadir)),
      teams_(std::make_unique<Teamdata>()) {}

TeamWindow::~TeamWindow() = default;

namespace {

std::vector<std::string> teamnames(const Teamdata& t) {
    return {t.teamname.begin() + 1,
            t.teamname.begin() + 1 + std::clamp<int>(t.teamcount, 0, maxteams)};
}

} // namespace

void TeamWindow::readteams() {
    loadteams(g_, *teams_, datadir_);
    teams_->currentteam = 1;
    readnames_ = teamnames(*teams_);
}

// The team file, and a match schedule that follows renamed teams, together.
Outcome TeamWindow::writeteams() {
    return whilebusy(services_.busy, [&] {
        LeagueCommit commit(datadir_, g_.leaguefile);
        if (!stageteams(g_, *teams_, commit))
            return Outcome::failure(teamsavefailure(teamfilename(g_)));
        Outcome out =
            matchplay::stageteamrenames(g_, readnames_, teamnames(*teams_), commit, datadir_);
        out.merge(commit.run(g_.damagedfiles));
        if (out) readnames_ = teamnames(*teams_);
        return out;
    });
}

} // namespace greenfold
