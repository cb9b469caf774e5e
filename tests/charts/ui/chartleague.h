#pragma once

// The demo league made fuller for the charts: its eight players (up to 12 rounds) and
// a ninth who has played all 20 kept rounds, entered through the handicap engine as
// score entry would, and a tenth with a name too long for the comparison's name field.
#include "model/coursefile.h"
#include "model/golf1.h"
#include "model/leaguefile.h"
#include "model/textline.h"
#include "scoring/handicap.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <string>

namespace greenfold::testing {

inline const fs::path demofolder =
    fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";
inline const char* demoleague = "Tuesday Night League.LGE";

// Hole h of round r against par: a bogey golfer who gets better over the season, with
// the odd birdie, a few doubles, one eagle and one blow-up hole.
inline int overpar(int r, int h) {
    static const int pattern[] = {1, 0, 1, 2, 0, 1, -1, 1, 0, 1, 2, 0, 1};
    int over = pattern[(r * 5 + h * 3) % 13];
    if (r > 12 && over == 2 && h % 2 == 0) over = 0;
    if (r == 7 && h == 5) over = 4;
    if (r == 16 && h == 2) over = -2;
    return over;
}

// season shifts one player's pattern against another's.
inline void addplayer(GOLF1& g, const std::string& name, int rounds, int season) {
    const int p = ++g.playercount;
    g.playername[p] = name;
    g.playertee[p] = tee_mens;
    g.roundcount[p] = int16_t(rounds);
    const TeeRating tee = teerating(g, 1, tee_mens);
    for (int r = 1; r <= rounds; ++r) {
        g.rmonth[p][r] = int16_t(4 + (r - 1) / 4);
        g.rday[p][r] = int16_t(1 + 7 * ((r - 1) % 4));
        g.ryear[p][r] = 24;
        g.roundcourse[p][r] = 1;
        int out = 0, in = 0;
        for (int h = 1; h <= 18; ++h) {
            const int par = int(coursevalue(g, 1, courseline_par0 + h));
            const int s = par + overpar(r + season, h);
            g.holescore[p][r][h] = int16_t(s);
            (h <= 9 ? out : in) += s;
        }
        g.holescore[p][r][19] = int16_t(out);
        g.holescore[p][r][20] = int16_t(in);
        g.differential[p][r] = calcdifferential(out, in, tee.rating, tee.slope, g.ninehole);
        calchcpindex(g, p, r, tee_mens);
        g.coursehcp[p][r] = coursehandicap(g.hcpindex[p][r], tee.slope);
    }
}

// Copies the demo folder into dir and adds the two players to its league file.
inline void fullerleague(const fs::path& dir) {
    for (const auto& f : fs::directory_iterator(demofolder))
        fs::copy_file(f.path(), dir / f.path().filename());
    GOLF1 g;
    g.leaguefile = demoleague;
    ASSERT_TRUE(loadcourses(g, dir));
    ASSERT_TRUE(loadleague(g, dir));
    addplayer(g, "Sam Fairweather", 20, 0);
    addplayer(g, "Bartholomew Featherstonehaugh", 3, 4);
    ASSERT_TRUE(saveleague(g, dir));
}

} // namespace greenfold::testing
