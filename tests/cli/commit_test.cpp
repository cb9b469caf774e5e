// A league's files change together or not at all, and one program writes a league at a
// time: every change that writes several files, stopped at each of its steps as a kill
// would stop it or failing there as a full disk would, leaves the league all as it was or
// all as the change makes it once the league is opened again.
#include "cli/clifolder.h"
#include "cli/importrows.h"
#include "model/leaguecommit.h"
#include "model/leaguelist.h"
#include "results/newseason.h"
#include "results/nightbook.h"
#include "results/nightrecord.h"
#include "scoring/methodswitch.h"
#include "teams/teamfile.h"

#include <chrono>
#include <functional>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace greenfold;
using namespace greenfold::testing;

namespace {

using Folder = std::map<std::string, std::string>;

// The same night of two players, 07/07/26, as a CSV for import and as typed rounds.
const char* julynight = "07/07/26,Bill Archer,Cedar Ridge,mens,45,44\r\n"
                        "07/07/26,Jack Hughes,Cedar Ridge,mens,50,49\r\n";

class Commit : public CliFolder {
  protected:
    void SetUp() override {
        CliFolder::SetUp();
        // Under the WHS method a night writes three files: league, index history, results.
        writebytes(sys.path() / "greenfold.ini", "method=whs\r\n");
        ASSERT_EQ(run({"replay", cliLeague, "--write"}).status, exit_ok);
        ASSERT_EQ(run({"import", cliLeague, writecsv(cliNight).string()}).status, exit_ok);
        for (const auto& f : fs::directory_iterator(data.path()))
            if (f.path().string().find("before-replay") != std::string::npos) fs::remove(f.path());
    }

    void putback(const Folder& files) {
        for (const auto& f : fs::directory_iterator(data.path())) fs::remove(f.path());
        for (const auto& [name, bytes] : files) writebytes(data.path() / name, bytes);
    }

    // Runs the change once whole, then again from the same start stopped (or failing) at
    // each of its steps in turn: opening the league afterwards finds it all old or all new.
    void walk(const char* what, const std::function<void()>& change) {
        const Folder before = folderbytes(data.path());
        change();
        const Folder after = folderbytes(data.path());
        ASSERT_NE(before, after) << what;
        for (SeamAnswer answer : {SeamAnswer::stop, SeamAnswer::fail}) {
            int n = 1;
            for (;; ++n) {
                putback(before);
                int steps = 0;
                setcommitseam([&](CommitStep, int count) {
                    steps = count;
                    return count == n ? answer : SeamAnswer::go;
                });
                try {
                    change();
                } catch (const CommitStopped&) {
                }
                setcommitseam({});
                if (steps < n) break; // the change was done before step n
                ASSERT_TRUE(recoverleague(data.path(), cliLeagueFile));
                const Folder now = folderbytes(data.path());
                EXPECT_TRUE(now == before || now == after)
                    << what << (answer == SeamAnswer::stop ? ", stopped" : ", failing")
                    << " at step " << n;
            }
            EXPECT_GT(n, 4) << what; // several files and the record were walked
        }
        putback(before);
    }
};

} // namespace

TEST_F(Commit, everyChangeOfSeveralFiles_stoppedOrFailingAtAnyStep_leavesAllOldOrAllNew) {
    const fs::path csv = writecsv(std::string("Date,Player,Course,Tee,Out,In\r\n") + julynight);
    walk("import", [&] { run({"import", cliLeague, csv.string()}); });
    walk("replay", [&] { run({"replay", cliLeague, "--method", "classic", "--write"}); });
    walk("new season", [&] { run({"newseason", cliLeague}); });
    walk("method switch", [&] {
        auto g = league();
        SettingsChoice choice = currentsettings(*g);
        choice.method = HandicapMethod::classic;
        ReplayPreview preview = previewreplay(*g, choice, data.path());
        writereplayed(*preview.after, data.path());
    });
    walk("score window", [&] {
        auto g = league();
        NightBook book(*g, data.path());
        for (const char* name : {"Bill Archer", "Jack Hughes"}) {
            RoundEntry e{findplayer(*g, name), 0, 1, 7, 7, 26, {tee_mens, {}, "45", "44"}};
            ASSERT_TRUE(book.record(e).stored);
        }
        book.save();
    });
}

TEST_F(Commit, aReaderFinishesWhatAKilledWriterLeft_andLeftoverTemporariesGoWhenTheLeagueOpens) {
    const fs::path csv = writecsv(julynight);
    setcommitseam([](CommitStep step, int) {
        return step == CommitStep::rename ? SeamAnswer::stop : SeamAnswer::go;
    });
    EXPECT_THROW(run({"import", cliLeague, csv.string()}), CommitStopped);
    setcommitseam({});
    EXPECT_TRUE(fs::exists(data.path() / "Tuesday Night League.commit"));
    // Reading the night carries the record out first: the night is there.
    const CliRun night = run({"results", cliLeague, "--date", "07/07/26", "--csv"});
    EXPECT_EQ(night.status, exit_ok) << night.err;
    EXPECT_FALSE(fs::exists(data.path() / "Tuesday Night League.commit"));
    EXPECT_TRUE(run({"import", cliLeague, csv.string()})
                    .err.ends_with(" is recorded already; nothing was written\n"));

    // Temporary files of this league (its kept copies' too) go; another league's stay.
    const Folder before = folderbytes(data.path());
    for (const char* name : {"Tuesday Night League.LGE.4242.saving~",
                             "Tuesday Night League-2026.tea.saving~", "Other.LGE.1.saving~"})
        writebytes(data.path() / name, "half");
    auto g = league();
    ASSERT_TRUE(openleague(*g, 0, data.path()).outcome);
    Folder after = folderbytes(data.path());
    EXPECT_EQ(after.erase("Other.LGE.1.saving~"), 1u);
    EXPECT_EQ(after, before);
    releaseopenleague();
}

namespace {

// A second process: does `hold` and says so through a pipe, then lets go when told.
struct Holder {
    explicit Holder(const std::function<void()>& hold) {
        if (::pipe(ready) != 0 || ::pipe(done) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            hold();
            char c = 1;
            [[maybe_unused]] auto w = ::write(ready[1], &c, 1);
            [[maybe_unused]] auto r = ::read(done[0], &c, 1);
            ::_exit(0);
        }
        char c = 0;
        [[maybe_unused]] auto r = ::read(ready[0], &c, 1);
    }
    ~Holder() { letgo(); }
    void letgo() {
        if (pid <= 0) return;
        char c = 1;
        [[maybe_unused]] auto w = ::write(done[1], &c, 1);
        ::waitpid(pid, nullptr, 0);
        pid = 0;
    }
    int ready[2]{}, done[2]{};
    pid_t pid = -1;
};

} // namespace

TEST_F(Commit, oneWriterALeague_aSecondIsRefusedSayingWho_readersStillRead) {
    Holder cli([&] {
        setlockprogram("greenfold-cli");
        static LockTry held = lockleague(data.path(), cliLeagueFile);
    });
    ASSERT_GT(cli.pid, 0);
    const Folder before = folderbytes(data.path());
    const CliRun refused = run({"import", cliLeague, writecsv(julynight).string()});
    EXPECT_EQ(std::tuple(refused.status, refused.err),
              std::tuple(exit_data, "greenfold-cli: Tuesday Night League is being changed by "
                                    "greenfold-cli on this computer, process " +
                                        std::to_string(cli.pid) + ". Nothing was written.\n"));
    EXPECT_EQ(folderbytes(data.path()), before);
    EXPECT_EQ(run({"list", cliLeague}).status, exit_ok);
    EXPECT_EQ(run({"standings", cliLeague, "--csv"}).status, exit_ok);
    auto g = league();
    const LeagueStep open = openleague(*g, 0, data.path());
    ASSERT_FALSE(open.outcome);
    EXPECT_NE(open.outcome.messages.at(0).text.find("It can be opened here once it is closed"),
              std::string::npos);
    cli.letgo();
    EXPECT_EQ(run({"import", cliLeague, writecsv(julynight).string()}).status, exit_ok);

    // The desktop program holds the league while it is open.
    Holder desktop([&] {
        auto desk = std::make_unique<ProgramState>(*g);
        openleague(*desk, 0, data.path());
    });
    EXPECT_NE(run({"postteams", cliLeague})
                  .err.find("is open in Greenfold on this computer, process " +
                            std::to_string(desktop.pid)),
              std::string::npos);
}

TEST_F(Commit, aReaderWaitsForACommitInProgress) {
    using namespace std::chrono;
    Holder writer([&] {
        static LockTry held = lockleague(data.path(), cliLeagueFile);
        static CommitLock committing(held.lock, seconds(1));
    });
    const auto start = steady_clock::now();
    std::thread release([&] {
        std::this_thread::sleep_for(milliseconds(300));
        writer.letgo();
    });
    const ReadTry read = guardread(data.path(), cliLeagueFile, seconds(5));
    release.join();
    EXPECT_TRUE(read.refusal.empty());
    EXPECT_GE(steady_clock::now() - start, milliseconds(250));
}

TEST_F(Commit, twoImportsAtOnce_eachRecordsAllItsRoundsOrNone) {
    for (int round = 0; round < 4; ++round) {
        const std::string day = std::to_string(10 + round);
        const fs::path a = csvdir.path() / "a.csv", b = csvdir.path() / "b.csv";
        writebytes(a, "07/" + day + "/26,Bill Archer,Cedar Ridge,mens,45,44\r\n");
        writebytes(b, "07/" + day + "/26,Jack Hughes,Cedar Ridge,mens,50,49\r\n");
        pid_t kids[2];
        for (int k = 0; k < 2; ++k) {
            kids[k] = ::fork();
            if (kids[k] == 0) ::_exit(run({"import", cliLeague, (k ? b : a).string()}).status);
        }
        int recorded = 0;
        for (pid_t kid : kids) {
            int status = 0;
            ::waitpid(kid, &status, 0);
            ASSERT_TRUE(WIFEXITED(status));
            recorded += WEXITSTATUS(status) == exit_ok ? 1 : 0;
        }
        auto g = league();
        int kept = 0;
        for (const char* name : {"Bill Archer", "Jack Hughes"}) {
            const int p = findplayer(*g, name);
            kept += g->rday[p][g->roundcount[p]] == 10 + round ? 1 : 0;
        }
        EXPECT_EQ(kept, recorded);
        EXPECT_GE(recorded, 1);
    }
}
