#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The known leagues (leaguelist 1..leaguecount) as the File menu shows them, and the
// league files behind them: creating, opening and deleting a league.

inline constexpr std::size_t maxleaguename = 30;
inline constexpr const char* noentries = "No Entries";
inline constexpr const char* leaguesuffix = ".LGE";
inline constexpr const char* teamsuffix = ".TEA";
inline constexpr const char* processingtext = "Processing, please wait...";
inline constexpr const char* noleaguetext = "Open a League file to begin";

// What a league operation came to, for the window to carry out.
struct LeagueStep {
    Outcome outcome;        // ok when the operation was done; its messages are shown in turn
    bool beep = false;      // answered with a beep only
    bool cleartext = false; // the name box is emptied
    std::string status;     // the status panel's new text; empty leaves it as it is
};

// A Yes/No question; the window shows it with No as the default button when defaultno.
struct Question {
    Message message;
    bool defaultno = true;
};

// Keys the name box lets through: Backspace, Space and everything from '0' up, so no
// dot, slash or hyphen reaches a file name.
bool acceptkey(int code);

// Captions of the File menu's league entries leaguesmenu(0..): one per known league, in
// list order, or the single entry "No Entries".
std::vector<std::string> leaguemenucaptions(const ProgramState& g);

// Position 1..leaguecount of a known league, or 0. New names are compared exactly;
// deletion finds a name whatever its letter case, as file names are matched.
int findleagueexact(const ProgramState& g, std::string_view name);
int findleague(const ProgramState& g, std::string_view name);

// Whether a name can become a league file name beside the others on any disk the
// leagues are copied to: at most 30 characters, no character the name box refuses, no
// path or drive separator, not only blanks.
bool legalleaguename(std::string_view name);

// The open league's name: its file's name without ".LGE".
std::string leaguename(const ProgramState& g);

// The checks of a new name against the list: empty (a beep), in use, illegal.
LeagueStep checkleaguename(const ProgramState& g, const std::string& name);

Message leaguesfull();
Message leagueexists(const std::string& name);

// Writes a new, empty league under the name, adds it to the known leagues and saves the
// latest-league record. Nothing changes unless every file was written.
LeagueStep createleague(ProgramState& g, const std::string& name, const fs::path& dir = {},
                        const StreamWrap& wrap = {});

// The checks before the question: empty (a beep), not a known league.
LeagueStep checkdelete(const ProgramState& g, const std::string& name);
Question deletequestion();

// Carries out the user's answer to deletequestion(): takes the league off the list,
// saves the record, then deletes the league file with its index history, results and lock
// files and, with teams defined, the team file. A league another program holds is not
// deleted. leagueindex keeps pointing at the same league, or at the first
// entry when that league is gone.
LeagueStep deleteleague(ProgramState& g, const std::string& name, bool confirmed, bool teamsdefined,
                        const fs::path& dir = {}, const StreamWrap& wrap = {});

// Opens the league of File menu entry `entry` (0-based) and holds it (leaguelock.h) while
// it is open: a league another program holds is refused, saying who. A change a writer
// left unfinished is finished first. When the league file cannot be read the league open
// before stays open under its own file name.
LeagueStep openleague(ProgramState& g, int entry, const fs::path& dir = {},
                      const StreamWrap& wrap = {});

// Lets go of the open league's lock: it is closed (deleted, restored over, or another
// league created).
void releaseopenleague();

std::string currentleaguetext(const std::string& name);

} // namespace greenfold
