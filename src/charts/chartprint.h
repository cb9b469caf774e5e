#pragma once

#include "charts/graph.h"
#include "charts/pie.h"
#include "model/outcome.h"
#include "model/programstate.h"
#include "reports/printsurface.h"

#include <string>

namespace greenfold {

// The printouts of the two player charts: the picture frozen from the window, scaled
// into the upper part of the page, the window's panels in large type below it and the
// date near the bottom right corner. Positions are fractions of the printable width W
// and height H.

Message chartquestion();

// The graph at (W/20, H/10), W/1.1 by H/2.5, with a legend of both series under it.
void printgraph(PrintSurface& s, const ProgramState& g, const GraphTexts& texts,
                const PrintPicture& picture, const std::string& date);

// The pie and its legend at (W/20, H/10), W/1.1 by H/2.4.
void printpie(PrintSurface& s, const ProgramState& g, const PieTexts& texts,
              const PrintPicture& picture, const std::string& date);

} // namespace greenfold
