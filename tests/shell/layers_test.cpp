// The direction of use between the program's folders, checked against every #include in src/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path src = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "src";

// The core folders and the core folders each may use besides itself; never Qt, a window or
// platform/.
const std::map<std::string, std::set<std::string>> core = {
    {"model", {}},
    {"help", {}},
    {"lists", {"model", "whs"}},
    {"courses", {"model", "whs"}},
    {"scoring", {"model", "courses", "whs"}},
    {"whs", {"model"}},
    {"reports", {"model", "lists", "whs"}},
    {"teams", {"model", "reports"}},
    {"players", {"model", "teams"}},
    {"charts", {"model", "reports", "whs"}},
    {"shell", {"model", "whs"}},
    {"results", {"model", "scoring", "whs", "reports", "teams"}},
    {"matchplay", {"model", "scoring", "whs", "teams", "results", "reports"}},
    {"publish", {"model", "whs", "teams", "results", "matchplay"}},
    {"cli",
     {"model", "lists", "courses", "scoring", "reports", "shell", "whs", "results", "publish",
      "matchplay"}}};

// Above the core: platform/ implements the core's ports with Qt; a window folder uses
// the core, platform/ and only the other window folders named here; the main window
// (shell/ui) opens them all and only app/ includes it.
const std::map<std::string, std::set<std::string>> upper = {
    {"platform", {}},
    {"courses/ui", {}},
    {"players/ui", {}},
    {"reports/ui", {}},
    {"scoring/ui", {"reports/ui"}},
    {"charts/ui", {"reports/ui"}},
    {"teams/ui", {"reports/ui"}},
    {"results/ui", {"reports/ui"}},
    {"matchplay/ui", {"reports/ui"}},
    {"shell/ui",
     {"courses/ui", "players/ui", "reports/ui", "scoring/ui", "charts/ui", "teams/ui", "results/ui",
      "matchplay/ui"}},
    {"app", {"shell/ui"}}};

bool allowed(const std::string& from, const std::string& to) {
    if (from == to) return true;
    if (auto c = core.find(from); c != core.end()) return c->second.count(to) > 0;
    auto u = upper.find(from);
    if (u == upper.end()) return false;
    if (core.count(to)) return true;
    if (to == "platform") return from != "platform";
    return u->second.count(to) > 0;
}

} // namespace

TEST(Layers, everyIncludeFollowsTheDirectionOfUse) {
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(src)) {
        const auto ext = entry.path().extension();
        if (ext != ".cpp" && ext != ".h") continue;
        ++files;
        const std::string from = fs::relative(entry.path().parent_path(), src).generic_string();
        ASSERT_TRUE(core.count(from) || upper.count(from)) << "a folder without a place: " << from;
        std::ifstream in(entry.path());
        for (std::string line; std::getline(in, line);) {
            if (line.rfind("#include ", 0) != 0) continue;
            const std::string what = line.substr(9);
            if (what.rfind("<Q", 0) == 0) {
                EXPECT_FALSE(core.count(from)) << entry.path() << ": Qt in the core: " << what;
                continue;
            }
            if (what.front() != '"') continue;
            const std::string header = what.substr(1, what.find('"', 1) - 1);
            const std::string to = fs::path(header).parent_path().generic_string();
            EXPECT_TRUE(allowed(from, to)) << entry.path() << " includes " << header;
        }
    }
    EXPECT_GT(files, 100);
}
