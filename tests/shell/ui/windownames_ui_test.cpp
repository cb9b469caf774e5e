// Every window class carries a control name (objectName) of its own: tests and users'
// scripts find a window by it. docs/architecture.md lists the same table.
#include "charts/ui/chartplayerpicker.h"
#include "charts/ui/comparisonwindow.h"
#include "charts/ui/handicapgraphwindow.h"
#include "charts/ui/scorepiewindow.h"
#include "courses/ui/coursewindow.h"
#include "matchplay/ui/matchsettingswindow.h"
#include "matchplay/ui/matchstandingswindow.h"
#include "matchplay/ui/schedulewindow.h"
#include "matchplay/ui/weekmatcheswindow.h"
#include "players/ui/addplayerswindow.h"
#include "players/ui/playerorderwindow.h"
#include "players/ui/playerpicker.h"
#include "players/ui/removeplayerwindow.h"
#include "players/ui/renameplayerwindow.h"
#include "reports/ui/coursehandicapcalculator.h"
#include "reports/ui/handicapcardswindow.h"
#include "results/ui/competitionsettingswindow.h"
#include "results/ui/nightresultswindow.h"
#include "results/ui/standingswindow.h"
#include "scoring/ui/roundpicker.h"
#include "scoring/ui/roundsetupwindow.h"
#include "scoring/ui/scorewindow.h"
#include "scoring/ui/settingswindow.h"
#include "shell/ui/backupwindow.h"
#include "shell/ui/createleaguewindow.h"
#include "shell/ui/splashwindow.h"
#include "support/windowfixture.h"
#include "teams/ui/teampointswindow.h"
#include "teams/ui/teamreportwindow.h"
#include "teams/ui/teamsetupwindow.h"

#include <iterator>
#include <set>
#include <string>
#include <utility>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class WindowNames : public DemoWindows {};

} // namespace

TEST_F(WindowNames, everyWindowClassHasAControlNameOfItsOwn) {
    ProgramState& m = *g;
    Services& s = fake.services;
    const fs::path d = data.path();
    QWidget* parent = mainwindow.get();
    using Named = std::pair<std::unique_ptr<QWidget>, const char*>;
    const Named windows[] = {
        {std::make_unique<SplashWindow>(m, s), "Form1"},
        {std::make_unique<CreateLeagueWindow>(m, s, d, parent), "Createleagueform"},
        {std::make_unique<BackupWindow>(m, s, d, parent), "Backupform"},
        {std::make_unique<CourseWindow>(m, s, d, 1, parent), "course"},
        {std::make_unique<RoundSetupWindow>(m, s, d, parent), "selectplayers"},
        {std::make_unique<ScoreWindow>(m, s, d, ScoreSession{}, parent), "roundsform"},
        {std::make_unique<RoundPicker>(m, s, parent), "GPlayer"},
        {std::make_unique<SettingsWindow>(m, s, d, sys.path().string() + "/", parent), "Setfont"},
        {std::make_unique<PlayerPicker>(m, s, parent), "chooseplayer"},
        {std::make_unique<AddPlayersWindow>(m, s, d, parent), "playform"},
        {std::make_unique<RemovePlayerWindow>(m, s, d, parent), "RMplayer"},
        {std::make_unique<RenamePlayerWindow>(m, s, d, parent), "Playernm"},
        {std::make_unique<PlayerOrderWindow>(m, s, d, parent), "sortform"},
        {std::make_unique<CourseHandicapCalculator>(s, parent), "CHcpform"},
        {std::make_unique<HandicapCardsWindow>(m, s, parent), "HcpCards"},
        {std::make_unique<ChartPlayerPicker>(m, s, parent), "ANchooseplayer"},
        {std::make_unique<HandicapGraphWindow>(m, s, 1, parent), "GRform"},
        {std::make_unique<ScorePieWindow>(m, s, 1, parent), "Piechart"},
        {std::make_unique<ComparisonWindow>(m, s, parent), "compareform"},
        {std::make_unique<TeamSetupWindow>(m, s, d, parent), "createteamsform"},
        {std::make_unique<TeamPointsWindow>(m, s, d, parent), "teamdataform"},
        {std::make_unique<TeamReportWindow>(m, s, d, parent), "PrintTeamform"},
        {std::make_unique<CompetitionSettingsWindow>(m, s, d, parent), "Compform"},
        {std::make_unique<NightResultsWindow>(m, s, d, parent), "Nightform"},
        {std::make_unique<StandingsWindow>(m, s, d, parent), "Standform"},
        {std::make_unique<MatchSettingsWindow>(m, s, d, parent), "Matchsetform"},
        {std::make_unique<ScheduleWindow>(m, s, d, parent), "Scheduleform"},
        {std::make_unique<WeekMatchesWindow>(m, s, d, parent), "Weekform"},
        {std::make_unique<MatchStandingsWindow>(m, s, d, parent), "Matchstandform"},
    };
    const std::string mainname = parent->objectName().toStdString();
    EXPECT_EQ(mainname, "Form2");
    std::set<std::string> names{mainname};
    for (const auto& [window, name] : windows) {
        const std::string shown = window->objectName().toStdString();
        EXPECT_EQ(shown, name);
        EXPECT_TRUE(names.insert(shown).second) << shown << " twice";
    }
    EXPECT_EQ(names.size(), std::size(windows) + 1);
}
