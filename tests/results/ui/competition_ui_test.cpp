// The competition settings window: the flights drawn by handicap shown, read only, and the
// team points said in words.
#include "support/windowfixture.h"

#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using CompetitionWindow = DemoWindows;

// The season's first night, the totals only: Ed 22.0, Bill 21.1, Jack 30.9; flights by
// hand, none given yet.
void writenights(const fs::path& data) {
    std::string file = "Greenfold results 2\r\n 100 \r\n 0 \r\n 0 \r\n 2 \r\n 10 \r\n 8 \r\n"
                       " 0 \r\n 1 \r\n 2 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n0.00\r\n"
                       " 0 \r\n 3 \r\n";
    const std::string holes = " 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0";
    for (const char* l :
         {" 41 40 81 22.0 23 23 58 Ed Castillo", " 42 39 81 21.1 22 22 59 Bill Archer",
          " 45 45 90 30.9 32 32 58 Jack Hughes"})
        file += "06/02/26 1 2" + holes + l + "\r\n";
    writebytes(data / "Tuesday Night League.res", file);
}

} // namespace

TEST_F(CompetitionWindow, flightsByHandicapShowTheDrawReadOnly_teamPointsInWords) {
    writenights(data.path());
    QWidget* w = open("competitionmenu", "Compform");
    ASSERT_NE(w, nullptr);
    auto* table = control<QTableWidget>(w, "Flighttable");
    auto flights = [&] { // the column, in roster order: Bill, Dana, Ed, ... Jack last
        Lines out;
        for (int row = 0; row < table->rowCount(); ++row)
            out.push_back(table->item(row, 1)->text().toStdString());
        return out;
    };
    table->item(0, 1)->setText("Gold"); // by hand: typed in the table
    control<QRadioButton>(w, "Option3_2")->click();
    EXPECT_TRUE(table->isEnabled());
    EXPECT_FALSE(table->item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(flights(), (Lines{"A", "", "A", "", "", "", "", "B"}));
    EXPECT_TRUE(label(w, "Flightnote").startsWith("Drawn by handicap at the season's first night"));
    control<QSpinBox>(w, "Flightspin")->setValue(3);
    EXPECT_EQ(flights(), (Lines{"A", "", "B", "", "", "", "", "C"}));
    control<QRadioButton>(w, "Option3_1")->click(); // back by hand: what was typed is there
    EXPECT_EQ(flights().front(), "Gold");

    auto* team = control<QSpinBox>(w, "Teamspin");
    EXPECT_EQ(team->text(), "all its players");
    team->setValue(1);
    EXPECT_EQ(team->text(), "its best 1 player");
    team->setValue(3);
    EXPECT_EQ(team->text(), "its best 3 players");
}
