#include "help/helpindex.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

using namespace greenfold;
namespace fs = std::filesystem;

namespace {

const fs::path helpdir = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "help";

std::string read(const fs::path& p) {
    std::ifstream in(p);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace

TEST(HelpIndex, everyKeywordHasItsPage) {
    for (const char* k :
         {helpkey::contents, helpkey::quickstart, helpkey::purpose, helpkey::leaguefiles,
          helpkey::courses, helpkey::enteringscores, helpkey::editround, helpkey::players,
          helpkey::fonts, helpkey::ninehole, helpkey::coursehandicaps, helpkey::teams}) {
        bool listed = false;
        for (const auto& t : helptopics()) listed = listed || t.keyword == k;
        EXPECT_TRUE(listed) << k;
    }
    for (const auto& t : helptopics()) {
        EXPECT_TRUE(fs::exists(helpdir / t.page)) << t.keyword << " -> " << t.page;
        EXPECT_EQ(helppage(t.keyword), t.page);
    }
    EXPECT_EQ(helppage("entering scores"), "enteringscores.html");
    EXPECT_EQ(helppage("no such topic"), "contents.html");
}

TEST(HelpIndex, linksBetweenPagesLeadToPages) {
    const std::string href = "href=\"";
    std::set<std::string> pages;
    for (const auto& t : helptopics()) pages.insert(t.page);
    for (const auto& page : pages) {
        const std::string html = read(helpdir / page);
        for (auto at = html.find(href); at != std::string::npos; at = html.find(href, at + 1)) {
            const auto start = at + href.size();
            const std::string target = html.substr(start, html.find_first_of("\"#", start) - start);
            if (!target.empty()) {
                EXPECT_TRUE(pages.count(target)) << page << " links to " << target;
            }
        }
    }
}
