#pragma once

#include "model/programstate.h"

#include <string>

namespace greenfold::whs {

// The index and course handicap a league keeps with each round, as the lists, the cards
// and the charts show them under this method.

// Whether player p had no Handicap Index yet when he played round slot r. A round played
// without an index stores 0 and 0, and so does a real 0.0 index on a tee where it gives a
// course handicap of 0; the index history tells them apart: an index issued on or before
// the round's date means he had one. A figure other than 0 was stored with an index, so
// it always shows, even where the history does not know of it (a league whose history
// file was lost, or rounds recorded before the league took up this method). A slot outside
// the league's tables has no index.
bool noindexyet(const ProgramState& g, int p, int r);

// A stored index or course handicap as golfers write it: "12.3", "+2.1", "0.0"; "18",
// "+3". A number no league could hold (a damaged file) is written as it is rather than
// as "0.0", so that it stands out.
std::string indexfigure(float index);
std::string handicapfigure(float chcp);

} // namespace greenfold::whs
