// The course window and the main window's course panel, through the Courses menu. The
// demo folder holds Cedar Ridge (course 1) and Willow Creek (9) (course 2).
#include "model/coursefile.h"
#include "model/safefile.h"
#include "platform/spinbutton.h"
#include "support/windowfixture.h"

#include <QComboBox>
#include <QMenu>
#include <QToolButton>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

class Courses : public DemoWindows {
  protected:
    QWidget* panel() const { return mainwindow->findChild<QWidget*>("Selectcoursepanel"); }
    bool coursesmenuon() const {
        return mainwindow->findChild<QMenu*>("coursesmenu")->menuAction()->isEnabled();
    }
    // The command, then the course typed into the panel and its button pressed.
    void pick(const char* command, const char* name) {
        mainwindow->action(command)->trigger();
        ASSERT_TRUE(panel()->isVisible());
        // The chart leaves the Courses menu available while its panel shows.
        EXPECT_EQ(coursesmenuon(), std::string_view(command) == "CHCPChartmenu");
        mainwindow->findChild<QComboBox*>("Selectcoursecombo")->setEditText(name);
        mainwindow->findChild<QPushButton*>("okordeletebutton")->click();
    }
    void spin(const char* name, bool up, int times) {
        auto* s = control<SpinButton>(window("course"), name);
        for (int i = 0; i < times; ++i) (up ? s->upbutton() : s->downbutton())->click();
    }
    std::unique_ptr<ProgramState> ondisk() const {
        auto courses = std::make_unique<ProgramState>();
        EXPECT_TRUE(loadcourses(*courses, data.path()));
        return courses;
    }
};

} // namespace

TEST_F(Courses, deleteThenAdd_newCourseTakesANewNumberWithDefaultRatings) {
    pick("GCmenu_3", "cedar ridge");
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_EQ(fake.dialogs.shown.at(0).message.title, "Confirm Delete");
    EXPECT_EQ(fake.dialogs.shown[0].defaultbutton, Answer::no);
    EXPECT_EQ(ondisk()->coursedata[1][courseline_name], "Cedar Ridge"); // No: nothing
    EXPECT_TRUE(coursesmenuon());
    fake.dialogs.answers = {Answer::yes};
    pick("GCmenu_3", "cedar ridge");
    EXPECT_EQ(ondisk()->coursedata[1][courseline_name], "");

    mainwindow->findChild<QToolButton*>("toolbutton_3")->click(); // Add Course
    QWidget* editor = window("course");
    ASSERT_NE(editor, nullptr);
    click(editor, "savebutton"); // without a name or pars
    EXPECT_EQ(fake.dialogs.shown.back().message.title, "Problem saving course");
    QTest::keyClicks(control<QLineEdit>(editor, "Nametext"), "Pine Valley");
    QTest::keyClicks(control<QLineEdit>(editor, "initialstext"), "PV");
    control<QLineEdit>(editor, "Partext_1")->setFocus();
    typekeys(editor, "4\n3\n4\n5\n4\n4\n3\n5\n4\n4\n5\n3\n4\n5\n4\n3\n4\n5");
    EXPECT_EQ(texts(editor, {"Partext_1", "Outlabel", "Inlabel", "TotalLabel"}),
              (Lines{" 4", "36", "37", "73"}));
    spin("Whiteratingspin", true, 3);
    spin("whiteslopespin", true, 12);
    click(editor, "savebutton");
    EXPECT_EQ(window("course"), nullptr);
    const auto saved = ondisk();
    EXPECT_EQ(saved->coursecount, 3);
    const auto& pine = saved->coursedata[3];
    EXPECT_EQ(Lines({pine[courseline_name], pine[courseline_initials], pine[courseline_par0 + 2],
                     pine[courseline_totalpar], pine[courseline_rating0 + 1],
                     pine[courseline_rating0 + 2], pine[courseline_slope0 + 2]}),
              (Lines{"Pine Valley", "PV", " 3", "73", " 65", " 65.3", " 125"}));
}

TEST_F(Courses, editShowsStoredRatings_spinsStepAndStopAt20) {
    g->coursedata[1][courseline_rating0 + 1] = " 20.1";
    g->coursedata[1][courseline_rating0 + 2] = " 70.5";
    ASSERT_TRUE(savecourses(*g, data.path()));
    start(false);
    pick("GCmenu_2", "Cedar Ridge");
    ASSERT_NE(window("course"), nullptr);
    EXPECT_EQ(texts(window("course"), {"Nametext", "whiteratepanel"}),
              (Lines{"Cedar Ridge", " 70.5"}));
    spin("Whiteratingspin", true, 1);
    spin("redrateingspin", false, 4);
    spin("blueslopespin", false, 2);
    EXPECT_EQ(texts(window("course"), {"whiteratepanel", "redratepanel", "Blueslopepanel"}),
              (Lines{"70.6", "20.0", "124"}));
    // Stepped below three quarters of the par, 54, a rating is noted as a nine's own.
    EXPECT_EQ(texts(window("course"), {"ratingnote_1", "ratingnote_2"}), (Lines{"nine-hole", ""}));
    click(window("course"), "savebutton");
    const auto cedar = ondisk()->coursedata[1];
    EXPECT_EQ(Lines({cedar[courseline_rating0 + 1], cedar[courseline_rating0 + 2],
                     cedar[courseline_slope0 + 3]}),
              (Lines{" 20", " 70.6", " 124"}));
}

TEST_F(Courses, sameNameTwice_theLaterIsEdited_cancelStoresNothing_unknownNamesDoNothing) {
    g->coursedata[++g->coursecount] = g->coursedata[1];
    g->coursedata[3][courseline_name] = "CEDAR RIDGE";
    g->coursedata[3][courseline_initials] = "C2";
    ASSERT_TRUE(savecourses(*g, data.path()));
    const std::string before = readbytes(findfile(data.path(), coursefilename));
    start();
    pick("GCmenu_2", "Cedar ridge");
    ASSERT_NE(window("course"), nullptr);
    EXPECT_EQ(box(window("course"), "initialstext"), "C2");
    control<QLineEdit>(window("course"), "Nametext")->setText("Renamed");
    click(window("course"), "cancelbutton");
    EXPECT_EQ(readbytes(findfile(data.path(), coursefilename)), before);
    pick("GCmenu_2", "Nowhere");
    EXPECT_TRUE(panel()->isVisible());
    mainwindow->findChild<QPushButton*>("okordeletecancel")->click(); // gives the menu back
    EXPECT_FALSE(panel()->isVisible());
    EXPECT_TRUE(coursesmenuon());
}

TEST_F(Courses, chartCommand_offersLongerNamesKeepsTheMenu_asksTheTeeAgainAboveThree) {
    g->coursedata[++g->coursecount][courseline_name] = "X";
    ASSERT_TRUE(savecourses(*g, data.path()));
    start();
    mainwindow->action("CHCPChartmenu")->trigger();
    EXPECT_EQ(mainwindow->findChild<QComboBox*>("Selectcoursecombo")->count(), 2); // not "X"
    fake.dialogs.inputs = {std::string("7"), std::string("2")};
    pick("CHCPChartmenu", "Cedar Ridge");
    EXPECT_FALSE(panel()->isVisible());
    ASSERT_EQ(fake.dialogs.shown.size(), 2u);
    EXPECT_EQ(fake.dialogs.shown[1].message.title, "Course Handicap Reference Chart for Posting");
    ASSERT_EQ(printouts.size(), 1u);
    EXPECT_TRUE(printouts[0]->lines(1).at(6).starts_with("     Mens Tee - slope "));
}
