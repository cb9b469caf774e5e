#include "courses/courseedit.h"

#include "model/coursefile.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// Two courses, "Cedar Ridge" and "Willow Creek", and a folder for the course file.
class Courses : public ::testing::Test {
  protected:
    Courses() {
        g->coursecount = 2;
        g->coursedata[1][courseline_name] = "Cedar Ridge";
        g->coursedata[2][courseline_name] = "Willow Creek";
    }
    std::unique_ptr<ProgramState> g = std::make_unique<ProgramState>();
    TempDir dir;
};

CourseForm fullform(const char* name) {
    CourseForm f;
    f.name = name;
    for (int h = 1; h <= 18; ++h) f.pars[h] = h % 3 == 0 ? " 3" : " 4";
    f.outpar = parsum(f.pars, 1);
    f.inpar = parsum(f.pars, 10);
    f.totalpar = parsum(f.outpar, f.inpar);
    return f;
}

} // namespace

TEST(CourseBoxes, onlyDigitsAndEditingKeys_enterMovesOnButNotFromTheLastBox) {
    const std::tuple<char32_t, int, KeyRule> keys[] = {
        {U'7', 3, KeyRule::pass},       {U'0', 3, KeyRule::pass},     {U'\b', 3, KeyRule::pass},
        {U'\t', 3, KeyRule::pass},      {U'x', 3, KeyRule::discard},  {U'-', 3, KeyRule::discard},
        {U'\x16', 3, KeyRule::discard}, // Ctrl+V
        {U'\r', 17, KeyRule::nextbox},  {U'\r', 18, KeyRule::discard}};
    for (const auto& [key, box, rule] : keys) EXPECT_EQ(boxkey(key, box, 18), rule) << int(key);
    EXPECT_EQ(parbox("") + parbox("4") + parbox(" 5"), "  4 5");
}

TEST(CourseSpins, ratingStepsATenthWithoutDrift_slopeHasNoLimit) {
    EXPECT_EQ(steprating("99.9", true) + " " + steprating("9.9", true), "100.0 10.0");
    std::string r = "65.0";
    for (int i = 0; i < 300; ++i) r = steprating(r, true);
    EXPECT_EQ(r, "95.0");
    EXPECT_EQ(steprating("20.1", false) + " " + steprating("20.0", false), "20.0 20.0");
    EXPECT_EQ(stepslope("0", false), "-1");
    // Below three quarters of the par beside it a rating is a nine's own.
    CourseForm f;
    f.totalpar = "72";
    f.ratings = {"", "33.8", "53.9", " 54.0"};
    EXPECT_EQ(ratingnote(f, 1) + "|" + ratingnote(f, 2) + "|" + ratingnote(f, 3),
              "nine-hole|nine-hole|");
}

TEST_F(Courses, aFullTableRefusesAnAddition_evenWithADeletedCourse) {
    g->coursecount = maxcourses;
    for (int c = 1; c <= maxcourses; ++c) g->coursedata[c][courseline_name] = "C";
    g->coursedata[150][courseline_name].clear(); // deleted: rounds may still name it
    EXPECT_EQ(opencourse(*g, newcourse).messages.at(0), coursetablefull());
    EXPECT_EQ(savecourse(*g, newcourse, fullform("Extra"), dir.path()).messages.at(0),
              coursetablefull());
    EXPECT_FALSE(fs::exists(dir.path() / "Course.DAT"));
    EXPECT_EQ(g->coursecount, maxcourses);
}

TEST_F(Courses, refusalsAndAFailedWrite_leaveTableAndFileAlone) {
    CourseForm nine = fullform("Short Nine");
    for (int h = 10; h <= 18; ++h) nine.pars[h] = " ";
    nine.inpar = parsum(nine.pars, 10);
    for (const CourseForm& f : {nine, fullform("   "), CourseForm{}})
        EXPECT_EQ(savecourse(*g, newcourse, f, dir.path()).messages.at(0), courserefusal());
    EXPECT_FALSE(fs::exists(dir.path() / "Course.DAT"));

    writebytes(dir.path() / "Course.DAT", coursebytes(*g));
    Outcome out = savecourse(*g, newcourse, fullform("Pine Valley"), dir.path(), failafter(40));
    ASSERT_FALSE(out);
    EXPECT_EQ(out.messages.at(0), coursesavefailure());
    EXPECT_TRUE(g->coursecount == 2 && g->coursedata[3][courseline_name].empty());
    EXPECT_EQ(readbytes(dir.path() / "Course.DAT"), coursebytes(*g));
}

TEST_F(Courses, aDeletedCoursesNumberIsNeverGivenToALaterCourse) {
    g->coursedata[2][courseline_initials] = "WC";
    ASSERT_TRUE(deletecourse(*g, 2, dir.path()));
    ASSERT_TRUE(deletecourse(*g, 1, dir.path()));
    EXPECT_EQ(g->coursecount, 2);
    std::string twoempty = " 2 \r\n";
    for (int n = 0; n < 2 * courselines; ++n) twoempty += "\r\n";
    EXPECT_EQ(readbytes(dir.path() / "Course.DAT"), twoempty);

    // A round of old course 2 must not show the next course's initials.
    ASSERT_TRUE(opencourse(*g, newcourse));
    CourseForm pine = fullform("Pine Valley");
    pine.initials = "PV";
    pine.pars[18] = " 5";
    ASSERT_TRUE(savecourse(*g, newcourse, pine, dir.path()));
    EXPECT_EQ(std::tuple(g->coursecount, g->coursedata[3][courseline_initials],
                         g->coursedata[3][courseline_par0 + 18]),
              std::tuple(3, "PV", " 5"));
    EXPECT_EQ(coursefield(*g, 2, courseline_initials), "");
}

TEST_F(Courses, strokeIndexRow_aWholeSetOrNothing_anOldLineWithoutASetIsKept) {
    g->coursedata[1][courseline_strokeindex] = "left by an older program";
    auto saved = [&](std::initializer_list<int> row) {
        CourseForm f = fullform("Cedar Ridge");
        int h = 1;
        for (int si : row) f.strokeindexes[h++] = si == 0 ? "" : std::to_string(si);
        return savecourse(*g, 1, f, dir.path());
    };
    EXPECT_TRUE(saved({}));
    EXPECT_EQ(g->coursedata[1][courseline_strokeindex], "left by an older program");
    EXPECT_TRUE(saved({7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10}));
    EXPECT_EQ(g->coursedata[1][courseline_strokeindex],
              "SI 7 15 1 11 3 17 5 13 9 8 16 2 12 4 18 6 14 10");
    EXPECT_EQ(courseform(*g, 1).strokeindexes[18], "10");
    for (auto bad : {std::vector<int>{7, 15, 1}, std::vector<int>(18, 1),
                     std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 1, 2, 3, 4, 5, 6, 7, 8, 19}}) {
        CourseForm f = courseform(*g, 1);
        for (int h = 1; h <= 18; ++h)
            f.strokeindexes[h] = h <= int(bad.size()) ? std::to_string(bad[h - 1]) : "";
        EXPECT_EQ(savecourse(*g, 1, f, dir.path()).messages.at(0), strokeindexrefusal());
    }
    EXPECT_TRUE(saved({5, 1, 9, 3, 7, 2, 8, 4, 6, 5, 1, 9, 3, 7, 2, 8, 4, 6}));
    EXPECT_EQ(g->coursedata[1][courseline_strokeindex], "SI 5 1 9 3 7 2 8 4 6 5 1 9 3 7 2 8 4 6");
    EXPECT_TRUE(saved({}));
    EXPECT_EQ(g->coursedata[1][courseline_strokeindex], "");
}

TEST_F(Courses, everyTeeShownAndWrittenBackAsItWas_everyNamedCourseOffered) {
    const char* ratings[] = {"", " 69.8", " 68.9", " 71.4"};
    const char* slopes[] = {"", " 121", " 117", " 126"};
    auto& willow = g->coursedata[2];
    for (int t = 1; t <= 3; ++t) {
        willow[courseline_rating0 + t] = ratings[t];
        willow[courseline_slope0 + t] = slopes[t];
    }
    const CourseForm full = fullform("Willow Creek");
    for (int h = 1; h <= 18; ++h) willow[courseline_par0 + h] = full.pars[h];
    willow[courseline_outpar] = full.outpar;
    willow[courseline_inpar] = full.inpar;
    willow[courseline_totalpar] = full.totalpar;
    const auto before = willow;
    const CourseForm f = courseform(*g, 2);
    EXPECT_EQ(f.ratings[1] + f.ratings[3] + f.slopes[1] + f.slopes[3], " 69.8 71.4 121 126");
    ASSERT_TRUE(savecourse(*g, newcourse, f, dir.path())); // a copy, written from the form
    EXPECT_EQ(g->coursedata[3], before);
    EXPECT_EQ(coursenames(*g),
              (std::vector<std::string>{"Cedar Ridge", "Willow Creek", "Willow Creek"}));
}
