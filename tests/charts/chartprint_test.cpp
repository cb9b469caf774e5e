#include "charts/chartplayer.h"
#include "charts/chartprint.h"
#include "model/golf1.h"
#include "reports/recordingsurface.h"

#include <gtest/gtest.h>

using namespace greenfold;

namespace {

constexpr double W = 8.0 * 600, H = 10.5 * 600; // the recording surface's portrait page

const PrintedText& only(const Printout& out, const std::string& start) {
    static const PrintedText none;
    const auto found = out.find(start);
    EXPECT_EQ(found.size(), 1u) << start;
    return found.empty() ? none : found[0];
}

struct Printed {
    Printout out;
    RecordingSurface s{out};
    GOLF1 g;
};

} // namespace

TEST(GraphPrint, pictureLegendFooterAndDate) {
    Printed p;
    const GraphTexts texts{"Dana Kettle", "Current Hcp. Index = 14.2", "20 rounds played"};
    printgraph(p.s, p.g, texts, PrintPicture{"Picture1", "png"}, "05-14-2004");
    const Printout& out = p.out;
    ASSERT_EQ(out.pictures.size(), 1u);
    EXPECT_EQ(out.pictures[0].name, "Picture1");
    EXPECT_DOUBLE_EQ(out.pictures[0].x, W / 20);
    EXPECT_DOUBLE_EQ(out.pictures[0].y, H / 10);
    EXPECT_DOUBLE_EQ(out.pictures[0].w, W / 1.1);
    EXPECT_DOUBLE_EQ(out.pictures[0].h, H / 2.5);

    // Legend: a black line for the index, a light red one for the differential, each
    // W/50 long with its name in black right after it.
    ASSERT_EQ(out.drawings.size(), 2u);
    EXPECT_EQ(out.drawings[0].colour, 0);
    EXPECT_EQ(out.drawings[1].colour, 12);
    for (const auto& d : out.drawings) {
        EXPECT_EQ(d.width, 8);
        EXPECT_DOUBLE_EQ(d.y1, H / 1.9);
        EXPECT_DOUBLE_EQ(d.x2 - d.x1, W / 50);
    }
    EXPECT_DOUBLE_EQ(out.drawings[1].x1, 0.55 * W);
    const PrintedText& index = only(out, " Hcp Index");
    EXPECT_DOUBLE_EQ(index.x, 0.2 * W + W / 50);
    EXPECT_DOUBLE_EQ(index.y, 0.518 * H);
    EXPECT_EQ(index.size, 10);
    EXPECT_TRUE(index.bold);
    EXPECT_FALSE(index.lineend);
    EXPECT_DOUBLE_EQ(only(out, " Hcp Differential").x, 0.55 * W + W / 50);

    // The page starts on another font; the panels print in the print font.
    const auto lines = out.lines(1);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], " ");
    EXPECT_EQ(lines[1], " Hcp Index Hcp Differential ");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.end() - 1),
              (std::vector<std::string>{"               Dana Kettle", " ",
                                        "               Current Hcp. Index = 14.2", " ",
                                        "               20 rounds played"}));
    const PrintedText& name = only(out, "               Dana");
    EXPECT_EQ(name.x, 0);
    EXPECT_EQ(name.size, 18);
    EXPECT_EQ(name.font, "Courier New");
    EXPECT_DOUBLE_EQ(out.texts[out.texts.size() - 7].x, 0.1 * W); // the first blank line
    const PrintedText& date = only(out, "05-14-2004");
    EXPECT_DOUBLE_EQ(date.x, 0.85 * W);
    EXPECT_DOUBLE_EQ(date.y, 0.9 * H);
    EXPECT_EQ(date.size, 9);
    EXPECT_EQ(out.documents, 1);
}

TEST(PiePrint, pictureAndFourPanelsInLargeType) {
    Printed p;
    p.g.printfont = "Times New Roman";
    const PieTexts texts{"Robin Marsh", "avg. par per hole = 4.0", "avg. score per hole = 4.9",
                         "# of scores recorded = 360"};
    printpie(p.s, p.g, texts, PrintPicture{"P", "png"}, "05-14-2004");
    const Printout& out = p.out;
    ASSERT_EQ(out.pictures.size(), 1u);
    EXPECT_DOUBLE_EQ(out.pictures[0].h, H / 2.4);
    EXPECT_TRUE(out.drawings.empty());
    const auto lines = out.lines(1);
    EXPECT_EQ(lines, (std::vector<std::string>{" ", " ", "               Robin Marsh", "  ",
                                               "               avg. par per hole = 4.0", " ",
                                               "               avg. score per hole = 4.9", " ",
                                               "               # of scores recorded = 360",
                                               "05-14-2004"}));
    // The blank line before the name is still in the page's first size.
    EXPECT_DOUBLE_EQ(out.texts[1].x, 0.1 * W);
    EXPECT_DOUBLE_EQ(out.texts[1].y, 0.55 * H);
    EXPECT_NE(out.texts[1].size, 18);
    EXPECT_EQ(out.texts[2].size, 18);
    EXPECT_EQ(out.texts[2].font, "Times New Roman");
    EXPECT_FALSE(out.texts[2].bold);
    EXPECT_EQ(only(out, "05-14-2004").size, 9);
    EXPECT_EQ(out.documents, 1);
}

TEST(ChartPlayer, listedSlots_skipEmptyNamesAndIndexOnlyKeptRounds) {
    GOLF1 g;
    g.playercount = 4;
    g.playername[1] = "A";
    g.playername[3] = "C";
    g.playername[4] = "D";
    EXPECT_EQ(listedslots(g), (std::vector<int>{1, 3, 4}));
    g.roundcount[3] = 2;
    g.hcpindex[3][2] = 7.5f;
    EXPECT_EQ(currentindex(g, 3), 7.5f);
    EXPECT_EQ(currentindex(g, 4), 0.0f);
    EXPECT_EQ(keptrounds(g, 5), 0); // beyond the roster
    g.playercount = 500;            // damaged: the table ends at 100
    EXPECT_EQ(listedslots(g).size(), 3u);
    EXPECT_FALSE(chartedplayer(g, 101));
}
