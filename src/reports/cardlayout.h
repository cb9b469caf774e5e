#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "reports/printsurface.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// Handicap cards: ten to a sheet of card stock, two columns of five, one card per
// selected player in league order. Every position is a fraction of the printable page,
// shifted by the user's offsets and stretched by the vertical scaling, because card
// stock sits differently in every printer.

inline constexpr int cardsperpage = 10;
inline constexpr const char* cardlogo = ":/pictures/cardlogo.png";

Message cardsquestion();
Message noplayersselected();
// The vertical scaling a typed box gives: its number when that is a positive number,
// else the scaling as it was (0, a blank or text would put every card on the top row).
float cardscaling(std::string_view text, float current);
// "Cards to Print : " and the count with its sign position ("Cards to Print :  5").
std::string cardcountlabel(int count);

// The players of the chosen list lines (0-based, line i is player i + 1), each once,
// in league order.
std::vector<int> selectcards(const ProgramState& g, const std::vector<int>& lines);

// The four score rows of a card. Row r lists rounds r, r + 4, r + 8, r + 12 and r + 16
// of the player as far as they exist: the course's initials (" -  " for a course
// without) filled to 4 characters, the total, and a space or two so that totals below
// 100 keep the columns.
std::array<std::string, 4> scorerows(const ProgramState& g, int p);

// The card's index and course handicap lines, from the player's newest round. A player
// without rounds has neither, nor under the WHS method one who had no index yet at that
// round: the card leaves them blank rather than show a handicap the player does not have.
std::string cardindexline(const ProgramState& g, int p);
std::string cardcoursehcpline(const ProgramState& g, int p);

// Moves a position on the first card to the same place on the card in slot 1..10 and
// adds the user's offsets: the right column is 0.42 of the width further on, each row
// of cards about a fifth of the (scaled) height further down.
void AdjustPosition(const ProgramState& g, int slot, double w, double h, double& x, double& y);

// One card in its slot: logo, name, index, course handicap, score rows and the note.
void PrintCards(PrintSurface& s, const ProgramState& g, int p, int slot, const std::string& note,
                const PrintPicture& logo);

// Prints a card for each of the players (slots of the league), a new sheet after every
// tenth card while more are to come. Returns the number of cards printed.
int printcardjob(PrintSurface& s, const ProgramState& g, const std::vector<int>& players,
                 const std::string& note, const PrintPicture& logo);

} // namespace greenfold
