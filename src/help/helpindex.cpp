#include "help/helpindex.h"

#include <algorithm>
#include <cctype>

namespace greenfold {

const std::vector<HelpTopic>& helptopics() {
    static const std::vector<HelpTopic> topics = {
        {helpkey::contents, "contents.html"},
        {helpkey::quickstart, "quickstart.html"},
        {helpkey::purpose, "purpose.html"},
        {helpkey::leaguefiles, "leaguefiles.html"},
        {helpkey::courses, "courses.html"},
        {helpkey::enteringscores, "enteringscores.html"},
        {helpkey::editround, "editround.html"},
        {helpkey::players, "players.html"},
        {helpkey::fonts, "settings.html"},
        {helpkey::ninehole, "ninehole.html"},
        {helpkey::coursehandicaps, "coursehandicaps.html"},
        {helpkey::teams, "teams.html"},
        {helpkey::results, "results.html"},
        {helpkey::matchplay, "matchplay.html"},
        {"Handicap Index", "handicaps.html"},
        {"World Handicap System", "whs.html"},
        {"Views of the Round List", "views.html"},
        {"Printing", "printing.html"},
        {"Charts", "charts.html"},
        {"Backup and Restore", "backup.html"},
        {"Data Files", "datafiles.html"},
    };
    return topics;
}

std::string helppage(std::string_view keyword) {
    auto same = [](std::string_view a, std::string_view b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return std::tolower(static_cast<unsigned char>(x)) ==
                   std::tolower(static_cast<unsigned char>(y));
        });
    };
    for (const auto& t : helptopics())
        if (same(t.keyword, keyword)) return t.page;
    return "contents.html";
}

} // namespace greenfold
