#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "scoring/scorecard.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The rules of the score window and of the round picker that leads to it.

// A hole box after the user changed it. A single-digit score below 9 stands behind one
// space (" 4"); a longer one fills the box ("10"). While new rounds are entered the
// focus moves on once the score can no longer be the start of a two-digit one: a lone
// "1" (or "0") waits for the second digit of 10 to 19.
struct HoleBox {
    std::string text;
    bool advance = false;
};
HoleBox holebox(std::string_view text, int hole, bool entering);

// The total label under the out and in boxes: their sum, a plain number.
std::string totalscore(std::string_view out, std::string_view in);

// What the round set-up or the round picker hands the score window: the course and
// date of the round, the round to correct (editslot) or, when entering, the players
// still waiting, and the player on screen.
struct ScoreSession {
    int course = 0; // coursenum
    int month = 0;  // curmonth, curday, curyear (two digits)
    int day = 0;
    int year = 0;
    int editslot = 0;         // 0 while new rounds are entered
    std::vector<int> waiting; // the players marked in selected, lowest slot first
    int player = 0;           // playerno: 0 when nobody is on screen

    // The engine's entry for the player on screen with the scores shown.
    RoundEntry entry(const DisplayedRound& shown) const {
        return {player, editslot, course, month, day, year, shown};
    }
};

// The heading over the boxes: course, "golf course", month name and day.
std::string roundheading(const ProgramState& g, const ScoreSession& s);

// How a stored round is shown for editing: hole scores as plain digits, totals behind
// three spaces.
std::string edithole(int score);
std::string edittotal(int score);

// Makes the first player still waiting for entry current (0 when none is).
void firstplayer(ScoreSession& s);
// The current player is done; the next waiting one becomes current. False when nobody
// is left.
bool nextplayer(ScoreSession& s);

// With the calculation panel open, the window pauses after each round is recorded so its
// steps can be read: the line over the panel while it waits, and what the button that ends
// the pause says (the next player, or the end of the run when nobody is left).
std::string pausingtext(const std::string& player, bool last);
std::string continuecaption(bool last);

// The round picker's second list: the player's rounds newest first, "MM/DD/YY".
std::vector<std::string> roundlist(const ProgramState& g, int p);
// The round of player p a row of that list stands for (the first row is the newest
// slot), as the session that corrects it. Nothing for a row out of range.
std::optional<ScoreSession> chooseround(const ProgramState& g, int p, int row);

} // namespace greenfold
