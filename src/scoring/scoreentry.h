#pragma once

#include "model/golf1.h"
#include "model/outcome.h"
#include "scoring/scorecard.h"

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

// The heading over the boxes: course, "golf course", month name and day.
std::string roundheading(const GOLF1& g);

// How a stored round is shown for editing: hole scores as plain digits, totals behind
// three spaces.
std::string edithole(int score);
std::string edittotal(int score);

// Makes the first player still waiting for entry current (playerno 0 when none is).
void firstplayer(GOLF1& g);
// The current player is done; the next waiting one becomes current. False when nobody
// is left.
bool nextplayer(GOLF1& g);

// The box that holds the screen while the calculation panel can be read.
Message pausingmessage();

// The round picker's second list: the player's rounds newest first, "MM/DD/YY".
std::vector<std::string> roundlist(const GOLF1& g, int p);
// The round a row of that list stands for: the first row is the newest slot. Makes it
// the session's round to edit (date, course, editslot). False for a row out of range.
bool chooseround(GOLF1& g, int row);

} // namespace greenfold
