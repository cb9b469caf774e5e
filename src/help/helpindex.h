#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// Help keywords the windows and menus use.
namespace helpkey {
inline constexpr const char* contents = "Contents";
inline constexpr const char* quickstart = "Quick Start Basics";
inline constexpr const char* purpose = "Program Purpose & Intent";
inline constexpr const char* leaguefiles = "Creating League Files";
inline constexpr const char* courses = "Courses - Adding or Editing";
inline constexpr const char* enteringscores = "Entering Scores";
inline constexpr const char* editround = "Edit a Round";
inline constexpr const char* players = "Players";
inline constexpr const char* fonts = "Fonts";
inline constexpr const char* ninehole = "Nine Hole Rounds";
inline constexpr const char* coursehandicaps = "Course Handicaps";
inline constexpr const char* teams = "Team data";
inline constexpr const char* results = "Results and Standings";
inline constexpr const char* matchplay = "Match Play";
} // namespace helpkey

struct HelpTopic {
    std::string keyword;
    std::string page; // file name of the page among the help pages
};

// Every keyword with its page, in the order the keyword search lists them.
const std::vector<HelpTopic>& helptopics();

// The page of a keyword, matched without regard to case; the contents page for a
// keyword the index does not know.
std::string helppage(std::string_view keyword);

} // namespace greenfold
