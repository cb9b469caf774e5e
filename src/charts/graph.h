#pragma once

#include "charts/canvas.h"
#include "model/programstate.h"

#include <string>
#include <vector>

namespace greenfold {

// The handicap history graph: a player's differentials and indexes, one point per kept
// round, oldest on the left, on a fixed grid from -5 to 40 strokes. Positions are twips
// in the graph's picture; values outside the grid are drawn where they fall and the
// picture's edge cuts them.

// The graph's picture, outer size 9255 x 4365 twips, less its border.
inline constexpr double graphwidth = 9195;
inline constexpr double graphheight = 4305;

// Series colours: differentials light red, indexes black.
inline constexpr int differentialcolour = 12;
inline constexpr int indexcolour = 0;

// Round slot j (1..20) and value v on the picture: 70 twips a stroke, 0 at 3000.
double graphx(int j);
double graphy(double v);

// Axes, value labels, dotted value lines and round numbers.
void drawgrid(Canvas& c);
// One series, its points joined in slot order; a single value is a dot.
void drawseries(Canvas& c, const std::vector<float>& values, int colour);
// The whole graph of player p on a cleared picture: grid, both series, the direction
// note under the round numbers and the word HANDICAP down the left edge.
void drawgraph(Canvas& c, const ProgramState& g, int p);

// The window's panels, which the printout repeats.
struct GraphTexts {
    std::string name;         // Lab3
    std::string currentindex; // Lab2(4): "Current Hcp. Index = 12.3"
    std::string roundsplayed; // Lab2(3): "20 rounds played"
};
GraphTexts graphtexts(const ProgramState& g, int p);

} // namespace greenfold
