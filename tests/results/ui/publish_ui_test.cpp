// A typed night posted to the teams from its results window, and the standings saved as a
// web page.
#include "publish/teampost.h"
#include "support/windowfixture.h"
#include "teams/teamfile.h"

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using PublishWindows = DemoWindows;

} // namespace

TEST_F(PublishWindows, aNightIsPostedToTheTeamsAndTheStandingsSavedAsAWebPage) {
    // Ed nets 55 and takes 10 points, Bill nets 56 and takes 8 (as the results test works out).
    QWidget* rounds = enterrounds({0, 2});
    ASSERT_NE(rounds, nullptr);
    for (const char* next : {"Ed Castillo", ""}) {
        typekeys(rounds, "545444365454544354");
        click(rounds, "recordbutton");
        ASSERT_TRUE(waitfor([&] {
            return *next ? label(rounds, "Pnamelabel") == next : window("roundsform") == nullptr;
        }));
    }
    QWidget* night = open("nightresultsmenu", "Nightform");
    ASSERT_NE(night, nullptr);
    click(night, "Postbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown.back().message, noteams());

    auto t = std::make_unique<Teamdata>();
    t->teamcount = 1;
    t->teamname[1] = "Eagles";
    for (int p = 1; p <= g->playercount; ++p)
        if (g->playername[p] == "Bill Archer" || g->playername[p] == "Ed Castillo")
            g->playerteam[p] = 1;
    ASSERT_TRUE(writeteamfile(*g, *t, data.path()));
    fake.dialogs.answers = {Answer::yes};
    click(night, "Postbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(fake.dialogs.shown[1].buttons, Buttons::yesno);
    const std::string said = fake.dialogs.shown[2].message.text;
    EXPECT_EQ(said.substr(said.find("\r\n")), "\r\nEagles: 18 points from 2 players");
    click(night, "Donebutton");

    QWidget* standings = open("standingsmenu", "Standform");
    ASSERT_NE(standings, nullptr);
    const fs::path page = data.path() / "standings.html";
    fake.dialogs.files = {page.string()};
    click(standings, "Webbutton");
    EXPECT_EQ(readbytes(page).rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(readbytes(page).find("<td class=\"name\">Ed Castillo</td>"), std::string::npos);
    EXPECT_EQ(fake.dialogs.shown.back().message.icon, Icon::information);
}
