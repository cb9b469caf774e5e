#pragma once

#include "charts/canvas.h"
#include "model/programstate.h"

#include <array>
#include <string>
#include <vector>

namespace greenfold {

// The score distribution chart: every recorded hole score of a player's kept rounds
// classed against the hole's par, drawn as a pie with a legend.

enum class ScoreClass { eagles, birdies, pars, bogies, doublebogies, other };
inline constexpr int scoreclasses = 6;

// The category names in slice order.
const std::string& classname(ScoreClass c);
// Exactly two under par is an eagle, ... two over a double bogey; three or more away
// from par either way (a hole in one on a par 4, a triple bogey) is Other.
ScoreClass classify(int score, double par);

struct ScoreCount {
    std::array<int, scoreclasses> classes{};
    int scores = 0; // hole scores counted; a hole scored 0 was not played
    double parsum = 0;
    double scoresum = 0;
};
ScoreCount countscores(const ProgramState& g, int p);

// One slice of the pie: a category with at least one score. Colours follow the slice's
// position (light blue for the first, then light green ...), not its category.
struct Slice {
    std::string name;
    int count = 0;
    std::string label; // name and share: "Pars 41.7"
    int colour = 9;
    float start = 0; // radians counter-clockwise from 3 o'clock, normalised
    float end = 0;
};

// The first slice is centred on 12 o'clock, each next one starts where the one before
// ended. A single category is one slice whose start and end coincide: the whole circle.
std::vector<Slice> pieslices(const ScoreCount& count);

// Brings an angle into 0.001 .. 2 pi, turning once at most; an angle at 0 (or a hair
// above) becomes 0.001.
float normalangle(float a);

// The chart's picture (its size is the window's choice) and its drawing: pie, then the
// legend centred vertically beside it.
inline constexpr double piewidth = 7140;
inline constexpr double pieheight = 4260;
inline constexpr double legendpoints = 10;
void drawpie(Canvas& c, const std::vector<Slice>& slices);
void drawlegend(Canvas& c, const std::vector<Slice>& slices);

// The window's panels, which the printout repeats. With no score counted the averages
// keep their design texts.
struct PieTexts {
    std::string name;       // Namelabel
    std::string avepar;     // aveparlabel
    std::string avehole;    // aveholelabel
    std::string totalholes; // totalholeslabel
};
PieTexts pietexts(const ProgramState& g, int p, const ScoreCount& count);

} // namespace greenfold
