#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace greenfold {

// Capacities of the league model. Every table is one larger than its capacity: slot 0
// holds no league data (the ordering window borrows player slot 0 as a holding place).
inline constexpr int maxplayers = 100;
inline constexpr int maxrounds = 20;
inline constexpr int maxholes = 20; // 18 holes, then the out (19) and in (20) totals
inline constexpr int maxcourses = 200;
inline constexpr int courselines = 30;
inline constexpr int maxleagues = 15;

// Course record lines.
inline constexpr int courseline_name = 1;
inline constexpr int courseline_outpar = 2;
inline constexpr int courseline_inpar = 3;
inline constexpr int courseline_totalpar = 4;
inline constexpr int courseline_par0 = 4;     // par of hole h is line 4 + h
inline constexpr int courseline_rating0 = 22; // rating of tee t is line 22 + t
inline constexpr int courseline_slope0 = 25;  // slope of tee t is line 25 + t
inline constexpr int courseline_initials = 29;
inline constexpr int courseline_strokeindex = 30; // "SI 7 15 1 ...": the WHS method, net skins

// Tees, numbered the same everywhere.
inline constexpr int tee_ladies = 1;
inline constexpr int tee_mens = 2;
inline constexpr int tee_pro = 3;

template <typename T> using PlayerTable = std::array<T, maxplayers + 1>;
template <typename T> using RoundTable = std::array<std::array<T, maxrounds + 1>, maxplayers + 1>;

// What the World Handicap System method keeps of a player beside the league file, in the
// league's index history file (see historyfile.h). It follows the player's slot and each
// of his rounds its round slot, however they move.

// Flags of a kept round.
inline constexpr uint8_t roundflag_estimated = 1; // adjusted without stroke indexes
inline constexpr uint8_t roundflag_totals = 2;    // entered as the two totals only
inline constexpr uint8_t roundflag_reduced = 4;   // lowered by an exceptional score
inline constexpr uint8_t roundflag_waiting = 8;   // a nine waiting for the 54th hole
inline constexpr uint8_t roundflags = 15;         // all of them

struct RoundNote {
    int16_t tee = 0; // the tee the round was played from; 0 when not known
    uint8_t flags = 0;
    bool operator==(const RoundNote&) const = default;
};

// A Handicap Index as it was issued: the date of the round that produced it (a four-digit
// year) and the index in tenths, a plus index below 0.
struct IssuedIndex {
    int16_t year = 0;
    int16_t month = 0;
    int16_t day = 0;
    int16_t tenths = 0;
    bool operator==(const IssuedIndex&) const = default;
};

// The most indexes a player's history keeps: the Low Handicap Index looks back a year,
// so the oldest go first, and the file never holds more than its reader takes.
inline constexpr int maxissued = 1000;

struct PlayerHistory {
    std::vector<IssuedIndex> issued; // oldest first, at most maxissued
    std::array<RoundNote, maxrounds + 1> rounds{};
    bool operator==(const PlayerHistory&) const = default;
};

// The open league: playercount, playername, playertee, roundcount, the round tables
// (differential, rmonth, rday, ryear, roundcourse, holescore, hcpindex, coursehcp),
// playerteam, teamsdefined and leaguefile; and the index history of each player.
struct League {
    int16_t playercount = 0;
    PlayerTable<std::string> playername{};
    PlayerTable<int16_t> playertee{};
    PlayerTable<int16_t> roundcount{};
    RoundTable<float> differential{};
    RoundTable<int16_t> rmonth{};
    RoundTable<int16_t> rday{};
    RoundTable<int16_t> ryear{};
    RoundTable<int16_t> roundcourse{};
    RoundTable<std::array<int16_t, maxholes + 1>> holescore{};
    RoundTable<float> hcpindex{};
    RoundTable<float> coursehcp{};
    PlayerTable<int16_t> playerteam{};
    int16_t teamsdefined = 0;
    std::string leaguefile;
    PlayerTable<PlayerHistory> history{};
};

// The course table shared by every league: coursecount and coursedata.
struct CourseTable {
    int16_t coursecount = 0;
    std::array<std::array<std::string, courselines + 1>, maxcourses + 1> coursedata{};
};

// How handicaps are worked out: the program's own method since its first league, or the
// World Handicap System (see src/whs).
enum class HandicapMethod { classic, whs };

// The settings file and the latest-league record: escflag, hcpfactor, ninehole,
// averageflag, hcplimit, dateremind, printfont, hoffset, wdoffset, pscaling, leaguelist,
// leaguecount and leagueindex; and from greenfold.ini the handicap method and the handicap
// allowance in whole percent (the World Handicap System method's playing handicaps).
struct Settings {
    int16_t escflag = 0;
    float hcpfactor = 0.96f;
    int16_t ninehole = 0;
    int16_t averageflag = 0;
    int16_t hcplimit = 0;
    int16_t dateremind = 0;
    std::string printfont = "Courier New";
    float hoffset = 0;
    float wdoffset = 0;
    float pscaling = 1;
    std::array<std::string, maxleagues + 1> leaguelist{};
    int16_t leaguecount = 0;
    int16_t leagueindex = 0;
    HandicapMethod method = HandicapMethod::classic;
    int16_t allowance = 100;
    // Why greenfold.ini was refused (a method or allowance it does not know); empty when
    // it was read. No league is changed under a method the user did not choose.
    std::string methodproblem;
};

// What start-up read of the machine: monthname, screenwidth, colordepthok, inipath.
//
// What the windows choose is not kept here but handed from window to window: the score
// window's ScoreSession carries playerno, selected (its waiting players), coursenum,
// curmonth, curday, curyear and editslot; the course window takes its course number
// (coursemode add is newcourse); the charts and the main window's player view take the
// chosen player; each window opens its own help topic (helptopic).
struct StartupInfo {
    std::array<std::string, 13> monthname{};
    int16_t screenwidth = 0;
    int16_t colordepthok = 1;
    std::string inipath;
};

// The whole in-memory state of the program, in its parts; every member keeps its name
// (g.playercount, g.coursedata, g.hcpfactor, g.inipath). Plain data; the file code, the
// engine and the windows all work on one instance of it. A reader replaces only the
// part it reads.
struct ProgramState : League, CourseTable, Settings, StartupInfo {
    // Files that exist but could not be read whole in this run. Before the first save
    // over one of them the damaged original is kept beside it (see safefile.h).
    std::vector<std::string> damagedfiles;
};

void setmonthnames(ProgramState& g);

// Empties the league: no players, every name, tee, count, round and hole value zero, no
// index history. Team numbers, the course table and the settings stay.
void clearleague(ProgramState& g);

// Course line n of course c, or an empty text for a slot outside the table, so a
// damaged round that names a course out of range reads as a course without values.
const std::string& coursefield(const ProgramState& g, int c, int n);

} // namespace greenfold
