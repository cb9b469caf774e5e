// The built program as a script runs it: what it prints where, and its exit statuses.
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>

using namespace greenfold::testing;

namespace {

std::string quoted(const fs::path& p) {
    return "'" + p.string() + "'";
}

} // namespace

TEST(Program, outputsAndExitStatuses) {
    TempDir data, config, work;
    const fs::path demo = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "demo";
    for (const auto& f : fs::directory_iterator(demo))
        fs::copy_file(f.path(), data.path() / f.path().filename());
    // The program's exit status; its settings come from a folder of its own.
    auto cli = [&](const std::string& args) {
        const int status =
            std::system(("XDG_CONFIG_HOME=" + quoted(config.path()) + " " + quoted(GREENFOLD_CLI) +
                         " --dir " + quoted(data.path()) + " " + args + " >" +
                         quoted(work.path() / "out") + " 2>" + quoted(work.path() / "err"))
                            .c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    auto out = [&] { return readbytes(work.path() / "out"); };
    auto err = [&] { return readbytes(work.path() / "err"); };

    EXPECT_EQ(cli("list 'Tuesday Night League' --today 05-14-2004"), 0) << err();
    EXPECT_TRUE(out().starts_with("      Tuesday Night League"));
    EXPECT_TRUE(cli("list") == 2 && err().find("Try 'greenfold-cli --help'.") != std::string::npos);
    EXPECT_EQ(cli("list 'No Such League'"), 1);
    EXPECT_TRUE(cli("--help") == 0 && out().find("Usage: greenfold-cli") != std::string::npos);
}
