#pragma once

#include "model/programstate.h"

#include <array>
#include <string>

namespace greenfold {

// The texts of the score entry window's boxes. Holes are 1..18, slot 0 unused.
using HoleTexts = std::array<std::string, 19>;

// The round as the score window shows it when the user records it: the tee button that
// is selected (1..3), the hole boxes and the out and in boxes, each as typed.
struct DisplayedRound {
    int tee = 0;
    HoleTexts holes{};
    std::string out;
    std::string in;
};

// One round handed to the engine, whoever typed it (the score window, an import): the
// player, his slot (0 for a new round, else the kept round being edited), the course,
// the date (two-digit year) and the round as shown.
struct RoundEntry {
    int player = 0;
    int slot = 0;
    int course = 0;
    int month = 0;
    int day = 0;
    int year = 0;
    DisplayedRound round;
};

// The out box (holes 1..9) and the in box (holes 10..18) as the window fills them after
// a hole box changes: two spaces, then the sum of the holes read as numbers.
std::string outtotal(const HoleTexts& holes);
std::string intotal(const HoleTexts& holes);

// A round with either total 0 is a nine-hole round.
bool isninehole(const DisplayedRound& round);

// The most strokes a hole counts for a player with course handicap ch (already halved
// for a doubled nine-hole round) on a hole of this par, once the player has rounds.
double holelimit(float ch, bool ninehole, double par);

// Equitable Stroke Control: lowers every hole score above the player's limit to the
// limit (written without pattern, "7") and recomputes the total of each nine that
// changed, as the window would. Applies only with ESC on (escflag 5) and when entering
// new rounds; otherwise, and for a player out of range, the round comes back unchanged.
// Under the WHS method it never applies: net double bogey adjusts the round when it is
// posted, and the hole scores are kept as played.
DisplayedRound EQadjust(const ProgramState& g, const RoundEntry& entry);

} // namespace greenfold
