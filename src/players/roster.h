#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"
#include "teams/teamdata.h"

#include <string>
#include <string_view>

namespace greenfold {

// The roster is dense: players fill slots 1..playercount with no gaps, and a player is
// known everywhere by his slot. Adding appends a slot, removing closes the gap by moving
// every later player down, renaming changes the name alone.

inline constexpr int minaddname = 3;    // characters a new name needs
inline constexpr int minrenamename = 4; // characters a changed name needs

enum class AddResult { added, rejected, duplicate };
enum class RenameResult { changed, rejected, duplicate };

// A name as the roster keeps it: no control characters, and an apostrophe wherever a
// double quote was typed, so no name ever holds a double quote.
std::string rostername(std::string_view typed);

// Appends a player with the tee (1..3) and no rounds. Too short a name or a full roster
// is rejected (the window beeps); a name already on the roster in any letter case is a
// duplicate.
AddResult addplayer(ProgramState& g, std::string_view name, int tee);

// Removes the player of that exact name (the later one when two share it) and moves
// everyone after him down one slot with all his rounds and his team. False when no
// player has the name.
bool removeplayer(ProgramState& g, std::string_view name);

// The checks of a rename without the change, for the window to ask before it renames.
RenameResult checkrename(const ProgramState& g, std::string_view oldname, std::string_view newname);

// Gives the player of the old name (the later one when two share it) the new name. The
// duplicate test compares letter case, so a player's own unchanged name is a duplicate.
RenameResult renameplayer(ProgramState& g, std::string_view oldname, std::string_view newname);

// Copies every value of player `from` over player `to`: name, tee, round count, team,
// all round slots with their hole scores, and the index history.
void copyplayer(ProgramState& g, int from, int to);

// Empties a player slot: no name, tee 0, no team, every round value zero, no history.
void clearplayer(ProgramState& g, int p);

// What a roster window saves when it closes: the league file, and the team file when
// teams is given (the player lines of that file follow the roster), together or not at
// all; the outcome carries every notice and failure.
Outcome saveroster(ProgramState& g, const Teamdata* teams, const fs::path& dir = {});

// Whether adding players must rewrite the team file: whenever the league has a team
// file or a player on a team. A file left with fewer player lines than the roster
// would have its record counts read as team numbers.
bool addkeepsteams(const ProgramState& g, const fs::path& dir = {});

// Texts of the roster windows.
std::string playerstitle(const ProgramState& g);     // "<league> Players"
std::string membercount(const ProgramState& g);      // "8 member(s)"
std::string leagueplayerlist(const ProgramState& g); // "<league file> Player List"
Message nametaken();
Message nameinuse();
Message removequestion(const std::string& name);
Message renamequestion();

} // namespace greenfold
