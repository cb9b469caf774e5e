// Each report family through the Qt surface into a PDF under the build folder (screens/),
// read back with poppler (the layout is the golden printouts'); and the report commands
// through the main window on the demo league, printing onto recording surfaces.
#include "charts/chartprint.h"
#include "charts/graph.h"
#include "charts/ui/chartparts.h"
#include "model/settingsfile.h"
#include "platform/qtprintsurface.h"
#include "reports/cardlayout.h"
#include "reports/chcpchart.h"
#include "reports/handicaplists.h"
#include "reports/listexport.h"
#include "reports/printsteps.h"
#include "reports/reportleague.h"
#include "reports/ui/printcommands.h"
#include "support/windowfixture.h"
#include "teams/teamreport.h"

#include <algorithm>
#include <cstdlib>

using namespace greenfold;
using namespace greenfold::testing;

TEST(ReportPdf, everyFamilyHoldsItsPagesTextsFontAndPictures) {
    const std::string date = "05-14-2004";
    auto g = reportleague(100, 20);
    g->playername[7] = "Bartholomew Featherstonehaugh-Smythe"; // written whole
    g->coursedata[1][courseline_slope0 + tee_ladies] = " 130";
    auto t = std::make_unique<Teamdata>();
    for (const char* name : {"Eagles", "Hawks", "Owls"}) t->teamname[++t->teamcount] = name;
    for (int p = 1; p <= 5; ++p) g->playerteam[p] = int16_t(1 + p % 3);
    const auto print = [&](std::string_view name, PrintSurface& s) {
        const auto graph = [&](Canvas& c) { drawgraph(c, *g, 1); };
        const std::vector<int> eleven = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        if (name == "longlist") printlongreport(s, *g, recentlines(*g), date);
        if (name == "hcpcards") printcardjob(s, *g, selectcards(*g, eleven), date, {cardlogo, {}});
        if (name == "chcpchart") PrintChcpChart(s, *g, 1, tee_ladies);
        if (name == "teamreport") printteamreport(s, *g, *t, {true, false}, date);
        if (name == "graph")
            printgraph(s, *g, graphtexts(*g, 1),
                       printpicture(graphwidth, graphheight, "Picture1", graph), date);
    };
    const struct {
        const char* name;
        std::size_t pages;
        std::vector<std::string> texts;
        bool monospaced, picture;
    } cases[] = {
        {"longlist", 3, {"Greenfold   05-14-2004", "-Smythe05/20/04"}, true, false},
        {"hcpcards", 2, {"Hcp Index:", "Player 11"}, false, true},
        {"chcpchart", 1, {"Pine Valley", "Ladies Tee - slope 130"}, true, false},
        {"teamreport", 1, {"Team: Owls", "Player 1 , Player 4"}, true, false},
        {"graph", 1, {"Player 1", "20 rounds played", "Hcp Differential"}, false, true},
    };
    const fs::path screens = GREENFOLD_SCREENS;
    fs::create_directories(screens);
    const auto run = [&](const std::string& command) {
        return std::system((command + " >'" + (screens / "out").string() + "'").c_str()) == 0
                   ? readbytes(screens / "out")
                   : "";
    };
    const bool poppler = std::system("pdftotext -v >/dev/null 2>&1") == 0;
    for (const auto& c : cases) {
        const std::string pdf = (screens / (std::string(c.name) + ".pdf")).string();
        fs::remove(pdf);
        {
            QtPrintSurface s(pdf);
            print(c.name, s);
            EXPECT_FALSE(s.failed()) << c.name;
        }
        EXPECT_EQ(readbytes(pdf).substr(0, 5), "%PDF-") << c.name;
        if (!poppler) continue;
        run("pdftoppm -png -r 60 -singlefile '" + pdf + "' '" + (screens / c.name).string() + "'");
        const std::string text = run("pdftotext -layout '" + pdf + "' -");
        EXPECT_EQ(std::size_t(std::count(text.begin(), text.end(), '\f')), c.pages) << c.name;
        for (const auto& part : c.texts) EXPECT_NE(text.find(part), std::string::npos) << part;
        const std::string fonts = run("pdffonts '" + pdf + "'");
        // Courier New, or where it is missing a monospaced font with the same widths.
        EXPECT_TRUE(!c.monospaced || fonts.find("CourierNew") != std::string::npos ||
                    fonts.find("LiberationMono") != std::string::npos)
            << c.name << "\n"
            << fonts;
        const bool picture =
            run("pdfimages -list '" + pdf + "'").find("image") != std::string::npos;
        EXPECT_EQ(picture, c.picture) << c.name;
    }
    if (!poppler) GTEST_SKIP() << "poppler's pdftotext is not installed";
}

TEST(NoPrinter, pdfNamedInASaveDialog_theUserToldWhereOrThatItFailed_cancelPrintsNothing) {
    TempDir dir;
    FakeDialogs dialogs;
    const fs::path unwritable = dir.path() / "missing" / "list.pdf";
    dialogs.files = {(dir.path() / "chart").string(), std::nullopt, unwritable.string()};
    QtPrinting printing(dialogs);
    for (int job = 0; job < 3; ++job) {
        auto surface = printing.openpdf();
        if (surface) PrintChcpChart(*surface, *reportleague(1, 1), 1, tee_mens);
        if (surface) printing.finished(*surface);
    }
    ASSERT_EQ(dialogs.shown.size(), 5u); // a cancelled name says nothing more
    EXPECT_EQ(dialogs.shown[0].message.title, "No printer installed: save the printout as PDF");
    EXPECT_EQ(dialogs.shown[1].message,
              (Message{"No printer is installed, so the printout was saved as a PDF file:\r\n" +
                           (dir.path() / "chart.pdf").string(),
                       "Greenfold", Icon::information}));
    EXPECT_EQ(readbytes(dir.path() / "chart.pdf").substr(0, 4), "%PDF");
    EXPECT_EQ(dialogs.shown[4].message.text,
              "The printout could not be saved as\r\n" + unwritable.string());
    EXPECT_FALSE(fs::exists(unwritable));
}

TEST_F(DemoWindows, print_asksLongOrShortAndPrintsExactlyWhatTheWindowShows) {
    start(false);
    mainwindow->action("Printmenu")->trigger(); // no league, no lines: nothing at all
    EXPECT_TRUE(fake.dialogs.shown.empty());

    start();
    mainwindow->action("Viewmenu_2")->trigger();
    g->playername[1] = "Renamed Meanwhile"; // the model moved on, the window did not
    fake.dialogs.answers = {Answer::yes, Answer::no, Answer::cancel};
    for (int i = 0; i < 3; ++i) mainwindow->action("Printmenu")->trigger();
    EXPECT_EQ(fake.dialogs.shown.at(0).buttons, Buttons::yesnocancel);
    EXPECT_EQ(fake.dialogs.shown[0].defaultbutton, Answer::no);
    ASSERT_EQ(printouts.size(), 2u); // Cancel prints nothing
    EXPECT_EQ(printouts[0]->orientation, orientation_landscape);
    EXPECT_EQ(printouts[1]->orientation, orientation_portrait);
    const auto printed = printouts[0]->lines(1);
    const int n = mainwindow->list1()->count();
    ASSERT_EQ(int(printed.size()), 7 + n);
    EXPECT_EQ(printed[5], reportheader(demoleague, 80, todaysdate()));
    for (int i = 2; i < n; ++i)
        EXPECT_EQ(printed[std::size_t(7 + i)],
                  longline(mainwindow->list1()->item(i)->text().toStdString(),
                           mainwindow->list2()->item(i)->text().toStdString()));
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(DemoWindows, export_txtAddedShortNamesBeepUnwritableSaysSo) {
    const std::string gone = (data.path() / "gone" / "list.txt").string();
    fake.dialogs.files = {(data.path() / "weekly").string(), (data.path() / "a").string(),
                          std::nullopt, gone};
    for (int i = 0; i < 4; ++i) mainwindow->action("printfilemenu")->trigger();
    EXPECT_EQ(readbytes(data.path() / "weekly.txt"),
              shortprintbytes(*g, mainwindow->shownlines(), todaysdate()));
    EXPECT_EQ(fake.dialogs.shown[0].message.title, "Export Listing as Text");
    EXPECT_EQ(fake.dialogs.lastsuffix, "txt"); // the dialog's own overwrite question covers it
    EXPECT_EQ(fake.dialogs.beeps, 2);
    ASSERT_EQ(fake.dialogs.shown.size(), 5u);
    EXPECT_NE(fake.dialogs.shown[4].message.text.find(gone), std::string::npos);

    // A name the dialog left with another ending asks before ".txt" replaces a file.
    writebytes(data.path() / "notes.doc.txt", "kept");
    fake.dialogs.files = {(data.path() / "notes.doc").string()};
    mainwindow->action("printfilemenu")->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 7u);
    EXPECT_EQ(fake.dialogs.shown[6].buttons, Buttons::yesno);
    EXPECT_EQ(fake.dialogs.shown[6].defaultbutton, Answer::no);
    EXPECT_EQ(readbytes(data.path() / "notes.doc.txt"), "kept");
}

TEST_F(DemoWindows, printerSetupWithoutPrinter_saysPrintoutsBecomePdfFiles) {
    if (printerinstalled()) GTEST_SKIP() << "a printer is installed here";
    mainwindow->action("Printsetupmenu")->trigger();
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    EXPECT_EQ(fake.dialogs.shown[0].message.icon, Icon::information);
}

TEST_F(DemoWindows, cards_printTheSelectionInLeagueOrderAndSaveTheAdjustmentsOnClose) {
    g->pscaling = 0; // an old settings file: scaling 0 means 1
    g->hoffset = -12.5f;
    QWidget* cards = open("printcardsmenu", "HcpCards");
    ASSERT_NE(cards, nullptr);
    EXPECT_EQ(texts(cards, {"hoffsettext", "pscalingtext", "Text1"}),
              (Lines{"-12.5", "1.000", todaysdate()}));
    auto* list = control<QListWidget>(cards, "List1");
    click(cards, "selectallbutton");
    EXPECT_EQ(label(cards, "printcountlabel"), "Cards to Print :  8");
    click(cards, "Command1"); // none again

    fake.dialogs.answers = {Answer::cancel, Answer::ok, Answer::ok};
    click(cards, "PrintButton");
    click(cards, "PrintButton"); // nothing selected
    ASSERT_EQ(fake.dialogs.shown.size(), 3u);
    EXPECT_EQ(fake.dialogs.shown[0].buttons, Buttons::okcancel);
    EXPECT_EQ(fake.dialogs.shown[2].message.text, "No Players selected, cannot continue.");
    EXPECT_TRUE(printouts.empty());
    list->item(4)->setSelected(true);
    list->item(1)->setSelected(true);
    control<QLineEdit>(cards, "Text1")->setText("Week 12");
    click(cards, "PrintButton");
    ASSERT_EQ(printouts.size(), 1u);
    const auto first = printouts[0]->find("Dana Brooks"),
               second = printouts[0]->find("Grace Ellis");
    ASSERT_EQ(first.size() + second.size(), 2u);
    EXPECT_GT(second[0].x, first[0].x); // slot 2, the right column
    EXPECT_EQ(printouts[0]->find("Week 12").size(), 2u);

    control<QLineEdit>(cards, "hoffsettext")->setText("45");
    control<QLineEdit>(cards, "WDOffSetText")->setText("-20.5");
    control<QLineEdit>(cards, "pscalingtext")->setText("1.02");
    control<QLineEdit>(cards, "pscalingtext")->setText("0"); // on the way to "0.98": kept
    click(cards, "donebutton");
    ProgramState saved;
    readsettings(saved, sys.path().string() + "/");
    EXPECT_EQ(std::tuple(saved.hoffset, saved.wdoffset, saved.pscaling),
              std::tuple(45.0f, -20.5f, 1.02f));
}
