#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "teams/teamdata.h"
#include "teams/teamrules.h"

#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// Point records of the current team: a text with the number the user keeps himself and
// the points the program adds up.

// One list line: the text filled to 61 characters, the kept number right-aligned in 6
// columns, the points in 9, both "###0.0". Longer texts stay whole and push the numbers
// right.
std::string listinfoline(std::string_view text, float manual, float points);
std::vector<std::string> listinfo(const Teamdata& t);

// The sum of the current team's points, and the same in general number format.
float countpoints(const Teamdata& t);
std::string totaltext(const Teamdata& t);

// The names of the current team's players, each followed by " , " less the last two
// characters ("Ann , Bob "); empty for a team without players.
std::string showmembers(const ProgramState& g, const Teamdata& t);

// Appends a record to the current team from the typed boxes; the numbers are read as
// far as they go (none is 0). Refused with a beep when both the text and the points box
// are empty, and with a message when the team has all its records.
Teamstep addevent(Teamdata& t, std::string_view text, std::string_view manual,
                  std::string_view points);

// Removes the current team's records at these list rows (0-based); later ones move up.
void removeevents(Teamdata& t, std::vector<int> rows);

// The record text a new line starts with when the date box is ticked.
std::string dateprefix(std::string_view datetext);

Message unsavedpoints();
Message eventsfull();

} // namespace greenfold
