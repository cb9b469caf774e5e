#pragma once

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "model/coursefile.h"
#include "model/leaguefile.h"
#include "model/programstate.h"
#include "shell/startup.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace greenfold::testing {

inline const char* cliLeague = "Tuesday Night League";
inline const char* cliLeagueFile = "Tuesday Night League.LGE";

// A night on Cedar Ridge, Mens tee 68.9 / 117. Bill (index 21.4) plays to Int(22.16 + .5) =
// 22, Ed (22.1) to 23, Jack (30.9) to 32. Bill's 78 and Ed's 79 are both net 56 and share
// 1st and 2nd's 10 + 8; Jack's 90 is net 58, 3rd, 6 points.
inline const char* cliNight =
    "Date,Player,Course,Tee,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n"
    "06/30/26,Bill Archer,Cedar Ridge,mens,5,4,5,4,4,4,3,6,5,4,5,4,5,4,4,3,5,4\r\n"
    "06/30/26,Ed Castillo,Cedar Ridge,mens,40,39\r\n"
    "06/30/26,Jack Hughes,Cedar Ridge,mens,45,45\r\n";

struct CliRun {
    int status;
    std::string out, err;
};

// Every file of a folder with its bytes, to show that a run wrote nothing at all. A
// league's lock file holds no data (only who changes the league) and is left out.
inline std::map<std::string, std::string> folderbytes(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& f : fs::directory_iterator(dir))
        if (f.path().extension() != ".lock")
            files[f.path().filename().string()] = readbytes(f.path());
    return files;
}

// A copy of the demo folder: the Tuesday Night League, Cedar Ridge and Willow Creek (9).
class CliFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& f : fs::directory_iterator(fs::path(GREENFOLD_TEST_DATA) / ".." / ".." /
                                                    "resources" / "demo"))
            fs::copy_file(f.path(), data.path() / f.path().filename());
    }

    // greenfold-cli --dir <the folder> args..., with the settings of sys on 05-14-2004.
    CliRun run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--dir", data.path().string()});
        std::ostringstream out, err;
        CliContext ctx{out, err, sys.path().string() + "/", {2004, 5, 14}};
        const int status = runcli(args, ctx);
        return {status, out.str(), err.str()};
    }

    fs::path writecsv(const std::string& text) {
        writebytes(csvdir.path() / "night.csv", text);
        return csvdir.path() / "night.csv";
    }

    // The league as the desktop program opens it from the folder now.
    std::unique_ptr<ProgramState> league() const {
        auto g = std::make_unique<ProgramState>();
        EXPECT_TRUE(startup(*g, data.path(), sys.path().string() + "/"));
        g->leaguefile = cliLeagueFile;
        EXPECT_TRUE(loadleague(*g, data.path()));
        EXPECT_TRUE(loadcourses(*g, data.path()));
        return g;
    }

    TempDir data, sys, csvdir;
};

} // namespace greenfold::testing
