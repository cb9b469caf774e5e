#pragma once

#include "cli/cliargs.h"
#include "cli/commands.h"
#include "model/coursefile.h"
#include "model/golf1.h"
#include "model/leaguefile.h"
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

struct CliRun {
    int status;
    std::string out, err;
};

// Every file of a folder with its bytes, to show that a run wrote nothing at all.
inline std::map<std::string, std::string> folderbytes(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& f : fs::directory_iterator(dir))
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
    std::unique_ptr<GOLF1> league() const {
        auto g = std::make_unique<GOLF1>();
        EXPECT_TRUE(startup(*g, data.path(), sys.path().string() + "/"));
        g->leaguefile = cliLeagueFile;
        EXPECT_TRUE(loadleague(*g, data.path()));
        EXPECT_TRUE(loadcourses(*g, data.path()));
        return g;
    }

    TempDir data, sys, csvdir;
};

} // namespace greenfold::testing
