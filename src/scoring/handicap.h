#pragma once

#include "model/programstate.h"

#include <string>
#include <vector>

namespace greenfold {

// The handicap arithmetic: a round's differential, the index over a player's rounds and
// the course handicap. Everything is single precision with each step stored as a float,
// so a league's tenths come out the same on every machine; a double-precision engine
// would drift by a tenth now and then (20 x .96 is 19.1999989 here, an index of 19.1).

// A course value read as a number: the leading number of the course line, or 0 for a
// course outside the table, so a stale course number never reads past it.
double coursevalue(const ProgramState& g, int course, int line);

// Rating and slope of one tee of a course; both 0 for a tee outside 1..3.
struct TeeRating {
    float rating = 0;
    float slope = 0;
};
TeeRating teerating(const ProgramState& g, int course, int tee);

// Whether a differential can be formed on this tee at all: a slope of 0 (or a value too
// large for a single) would leave it undefined.
bool usablerating(const TeeRating& tee);

// Rounds half up to tenths: Int(d x 10 + 0.5) / 10.
float roundtenth(float d);

// The differential of a round from its out and in totals. A round with either total 0
// is a nine-hole round: ninehole 1 doubles its score, 2 halves the rating, 3 takes the
// ratings as they are.
float calcdifferential(int out, int in, float rating, float slope, int ninehole);

// How many of the lowest differentials count among r rounds; with averaging on, every
// round counts while there are fewer than 9.
int roundsused(int rounds, bool average);

// Computes and stores hcpindex(p, r) from differentials 1..r, with the settings' factor,
// averaging and limit; the limit depends on the tee selected for the round. Returns the
// calculation panel lines; nothing (and nothing stored) for a player or slot out of range.
std::vector<std::string> calchcpindex(ProgramState& g, int p, int r, int tee);

// Course handicap for an index on a slope: Int(index x slope / 113 + 0.5), a whole
// number. The slope must not be 0.
float coursehandicap(float index, float slope);

} // namespace greenfold
