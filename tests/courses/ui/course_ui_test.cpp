// The course window and the main window's course panel, through the Courses menu.
#include "courses/courseedit.h"
#include "model/coursefile.h"
#include "model/safefile.h"
#include "platform/spinbutton.h"
#include "scoring/ui/nightfixture.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include <functional>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

// The demo folder holds Cedar Ridge (course 1) and Willow Creek (9) (course 2).
class Courses : public LeagueNight {
  protected:
    QFrame* coursepanel() const { return form2->findChild<QFrame*>("Selectcoursepanel"); }
    QComboBox* combo() const { return form2->findChild<QComboBox*>("Selectcoursecombo"); }
    bool coursesmenuon() const {
        return form2->findChild<QMenu*>("coursesmenu")->menuAction()->isEnabled();
    }
    // Edit or Delete Course, then the course typed into the panel and its button pressed.
    void pick(const char* command, const char* name) {
        form2->action(command)->trigger();
        ASSERT_TRUE(coursepanel()->isVisible());
        EXPECT_FALSE(form2->findChild<QWidget*>("VScroll1")->isVisible());
        // The chart leaves the Courses menu available while its panel shows.
        EXPECT_EQ(coursesmenuon(), std::string_view(command) == "CHCPChartmenu");
        combo()->setEditText(name);
        form2->findChild<QPushButton*>("okordeletebutton")->click();
    }
    QWidget* editor() const { return shownwindow("course"); }
    QString text(const char* name) const { return control<QLabel>(editor(), name)->text(); }
    QLineEdit* box(const QString& name) const { return control<QLineEdit>(editor(), name); }
    void typepars(int first, int last, const QString& pars) {
        box(QString("Partext_%1").arg(first))->setFocus();
        for (int h = first; h <= last; ++h) typekeys(editor(), pars.mid(h - first, 1) + "\n");
    }
    void spin(const char* name, bool up, int times = 1) {
        auto* s = control<SpinButton>(editor(), name);
        for (int i = 0; i < times; ++i) (up ? s->upbutton() : s->downbutton())->click();
    }
    // The course file on disk, optionally changed first.
    GOLF1 ondisk(const std::function<void(GOLF1&)>& change = {}) const {
        GOLF1 courses;
        EXPECT_TRUE(loadcourses(courses, data.path()));
        if (change) {
            change(courses);
            EXPECT_TRUE(savecourses(courses, data.path()));
        }
        return courses;
    }
    // The course file's bytes, whatever the case of its name ("course.dat" in the demo).
    std::string filebytes() const {
        const fs::path file = findfile(data.path(), coursefilename);
        EXPECT_TRUE(fs::exists(file));
        return readbytes(file);
    }
};

} // namespace

TEST_F(Courses, deleteThenAdd_newCourseTakesANewNumberWithDefaultRatings) {
    start();
    pick("GCmenu_3", "cedar ridge");
    EXPECT_FALSE(coursepanel()->isVisible());
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    const auto& question = fake.dialogs.shown[0];
    EXPECT_EQ(question.message, deletecoursequestion());
    EXPECT_EQ(question.message.title, "Confirm Delete");
    EXPECT_EQ(question.buttons, Buttons::yesno);
    EXPECT_EQ(question.defaultbutton, Answer::no);
    EXPECT_EQ(ondisk().coursedata[1][courseline_name], "Cedar Ridge"); // No: nothing
    EXPECT_TRUE(coursesmenuon());

    fake.dialogs.answers.push_back(Answer::yes);
    pick("GCmenu_3", "cedar ridge");
    EXPECT_EQ(ondisk().coursecount, 2);
    EXPECT_EQ(ondisk().coursedata[1][courseline_name], "");
    EXPECT_EQ(ondisk().coursedata[2][courseline_name], "Willow Creek (9)");

    form2->action("GCmenu_1")->trigger();
    ASSERT_NE(editor(), nullptr);
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_EQ(editor()->windowTitle(), "Course Information");
    EXPECT_EQ(text("redratepanel"), "65.0");
    EXPECT_EQ(text("Blueslopepanel"), "113");
    EXPECT_EQ(box("Partext_7")->text(), " ");
    QTest::keyClicks(box("Nametext"), "Pine Valley");
    QTest::keyClicks(box("initialstext"), "PV");
    typepars(1, 18, "434544354453454345");
    EXPECT_EQ(box("Partext_1")->text(), " 4");
    EXPECT_EQ(text("Outlabel"), "36");
    EXPECT_EQ(text("Inlabel"), "37");
    EXPECT_EQ(text("TotalLabel"), "73");
    spin("Whiteratingspin", true, 3);
    spin("whiteslopespin", true, 12);
    click(editor(), "savebutton");
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_TRUE(coursesmenuon());

    const GOLF1 saved = ondisk();
    EXPECT_EQ(saved.coursecount, 3);
    EXPECT_EQ(saved.coursedata[1][courseline_name], "");
    const auto& pine = saved.coursedata[3];
    EXPECT_EQ(pine[courseline_name], "Pine Valley");
    EXPECT_EQ(pine[courseline_par0 + 2], " 3");
    EXPECT_EQ(pine[courseline_totalpar], "73");
    EXPECT_EQ(pine[courseline_rating0 + 1], " 65");
    EXPECT_EQ(pine[courseline_rating0 + 2], " 65.3");
    EXPECT_EQ(pine[courseline_slope0 + 2], " 125");
    EXPECT_EQ(pine[courseline_initials], "PV");
    // Rounds played on the deleted course do not take the new course's initials.
    form2->viewcommand(1);
    for (const auto& line : texts(form2->list2()))
        EXPECT_EQ(line.find("PV"), std::string::npos) << line;
}

TEST_F(Courses, nineHoleCourseRefusedUntilTheBackNineRepeatsTheFront_noLeagueNeeded) {
    start(false);
    form2->action("GCmenu_1")->trigger();
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(box("Nametext"), "Short Nine");
    typepars(1, 9, "434544354");
    EXPECT_EQ(text("Inlabel"), "0");
    const std::string before = filebytes();
    click(editor(), "savebutton");
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message, courserefusal());
    EXPECT_EQ(fake.dialogs.shown[0].message.title, "Problem saving course");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(box("Nametext")->text(), "Short Nine");
    EXPECT_EQ(filebytes(), before);

    typepars(10, 18, "434544354");
    click(editor(), "savebutton");
    EXPECT_EQ(editor(), nullptr);
    const GOLF1 saved = ondisk();
    EXPECT_EQ(saved.coursecount, 3);
    EXPECT_EQ(saved.coursedata[1][courseline_name], "Cedar Ridge");
    EXPECT_EQ(saved.coursedata[3][courseline_inpar], "36");
}

TEST_F(Courses, editShowsStoredRatings_spinsStepAndStopAt20) {
    ondisk([](GOLF1& c) {
        c.coursedata[1][courseline_rating0 + 1] = " 20.1";
        c.coursedata[1][courseline_rating0 + 2] = " 70.5";
    });
    start(false);
    pick("GCmenu_2", "Cedar Ridge");
    ASSERT_NE(editor(), nullptr);
    EXPECT_FALSE(form2->isEnabled());
    EXPECT_EQ(box("Nametext")->text(), "Cedar Ridge");
    EXPECT_EQ(text("whiteratepanel"), " 70.5");
    spin("Whiteratingspin", true);
    EXPECT_EQ(text("whiteratepanel"), "70.6");
    spin("redrateingspin", false);
    EXPECT_EQ(text("redratepanel"), "20.0");
    spin("redrateingspin", false, 3);
    EXPECT_EQ(text("redratepanel"), "20.0");
    spin("blueslopespin", false, 2);
    EXPECT_EQ(text("Blueslopepanel"), "124");
    click(editor(), "infobutton");
    EXPECT_EQ(fake.help.shown.back(), "Courses - Adding or Editing");
    click(editor(), "savebutton");
    const GOLF1 saved = ondisk();
    EXPECT_EQ(saved.coursecount, 2);
    EXPECT_EQ(saved.coursedata[1][courseline_rating0 + 1], " 20");
    EXPECT_EQ(saved.coursedata[1][courseline_rating0 + 2], " 70.6");
    EXPECT_EQ(saved.coursedata[1][courseline_slope0 + 3], " 124");
}

TEST_F(Courses, sameNameTwice_theLaterCourseIsEdited_cancelStoresNothing) {
    ondisk([](GOLF1& c) {
        c.coursecount = 3;
        c.coursedata[3] = c.coursedata[1];
        c.coursedata[3][courseline_name] = "CEDAR RIDGE";
        c.coursedata[3][courseline_initials] = "C2";
    });
    const std::string before = filebytes();
    start();
    pick("GCmenu_2", "Cedar ridge");
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(box("initialstext")->text(), "C2");
    box("Nametext")->setText("Renamed");
    click(editor(), "cancelbutton");
    EXPECT_EQ(editor(), nullptr);
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(filebytes(), before);

    // An unknown name does nothing; the panel's Cancel gives the menu back.
    form2->action("GCmenu_2")->trigger();
    combo()->setEditText("Nowhere");
    form2->findChild<QPushButton*>("okordeletebutton")->click();
    EXPECT_TRUE(coursepanel()->isVisible());
    form2->findChild<QPushButton*>("okordeletecancel")->click();
    EXPECT_FALSE(coursepanel()->isVisible());
    EXPECT_TRUE(coursesmenuon());

    // A double click on the typed name is the same as the button.
    form2->action("GCmenu_2")->trigger();
    combo()->setEditText("Willow Creek (9)");
    QTest::mouseDClick(combo()->lineEdit(), Qt::LeftButton);
    ASSERT_NE(editor(), nullptr);
    EXPECT_EQ(box("Nametext")->text(), "Willow Creek (9)");
}

TEST_F(Courses, fullCourseList_refusesTheAdditionAndWritesNothing) {
    ondisk([](GOLF1& c) {
        c.coursecount = maxcourses;
        for (int n = 3; n <= maxcourses; ++n) {
            c.coursedata[n] = c.coursedata[1];
            c.coursedata[n][courseline_name] = "Course " + std::to_string(n);
        }
    });
    const std::string before = filebytes();
    start(false);
    form2->findChild<QToolButton*>("toolbutton_3")->click(); // Add Course
    EXPECT_EQ(editor(), nullptr);
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message, coursetablefull());
    EXPECT_TRUE(form2->isEnabled());
    EXPECT_EQ(filebytes(), before);
}

TEST_F(Courses, chartCommand_offersLongerNamesPicksACourseThenAsksForTheTee) {
    ondisk([](GOLF1& c) { c.coursedata[++c.coursecount][courseline_name] = "X"; });
    start();
    form2->action("CHCPChartmenu")->trigger();
    EXPECT_EQ(combo()->count(), 2);
    EXPECT_EQ(combo()->findText("X"), -1);
    pick("CHCPChartmenu", "Cedar Ridge");
    EXPECT_FALSE(coursepanel()->isVisible());
    EXPECT_TRUE(coursesmenuon());
    ASSERT_FALSE(fake.dialogs.shown.empty());
    EXPECT_EQ(fake.dialogs.shown.back().message.title,
              "Course Handicap Reference Chart for Posting");
}
