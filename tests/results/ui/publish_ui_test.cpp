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
    // Ed nets 81 - 23 = 58 and takes 10 points, Bill 81 - 22 = 59 and takes 8.
    std::string file = "Greenfold results 1\r\n 100 \r\n 0 \r\n 0 \r\n 2 \r\n 10 \r\n 8 \r\n"
                       " 0 \r\n 0 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n 2 \r\n";
    std::string holes; // only the totals were entered
    for (int h = 0; h < 18; ++h) holes += " 0";
    for (const char* l :
         {" 41 40 81 22.0 23 23 58 Ed Castillo", " 42 39 81 21.1 22 22 59 Bill Archer"})
        file += "06/09/26 1 2" + holes + l + "\r\n";
    writebytes(data.path() / "Tuesday Night League.res", file);
    auto t = std::make_unique<Teamdata>();
    t->teamcount = 1;
    t->teamname[1] = "Eagles";
    for (int p = 1; p <= g->playercount; ++p)
        if (g->playername[p] == "Bill Archer" || g->playername[p] == "Ed Castillo")
            g->playerteam[p] = 1;
    ASSERT_TRUE(writeteamfile(*g, *t, data.path()));

    QWidget* night = open("nightresultsmenu", "Nightform");
    ASSERT_NE(night, nullptr);
    fake.dialogs.answers = {Answer::yes};
    click(night, "Postbutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(fake.dialogs.shown[0].buttons, Buttons::yesno);
    EXPECT_EQ(fake.dialogs.shown[1].message.text,
              "The night of 06/09/26 is posted to the teams:\r\nEagles: 18 points from 2 players");
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
