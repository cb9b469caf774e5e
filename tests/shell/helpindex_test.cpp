#include "help/helpindex.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <set>

using namespace greenfold;
using namespace greenfold::testing;

TEST(HelpIndex, everyTopicHasItsPageAndItsLinksLeadToPages) {
    const fs::path helpdir = fs::path(GREENFOLD_TEST_DATA) / ".." / ".." / "resources" / "help";
    std::set<std::string> pages;
    for (const auto& t : helptopics()) {
        EXPECT_TRUE(fs::exists(helpdir / t.page)) << t.keyword << " -> " << t.page;
        EXPECT_EQ(helppage(t.keyword), t.page);
        pages.insert(t.page);
    }
    EXPECT_EQ(helppage("entering scores"), "enteringscores.html");
    EXPECT_EQ(helppage("no such topic"), "contents.html");

    const std::string href = "href=\"";
    for (const auto& page : pages) {
        const std::string html = readbytes(helpdir / page);
        for (auto at = html.find(href); at != std::string::npos; at = html.find(href, at + 1)) {
            const auto start = at + href.size();
            const std::string target = html.substr(start, html.find_first_of("\"#", start) - start);
            EXPECT_TRUE(target.empty() || pages.count(target)) << page << " links to " << target;
        }
    }
}
