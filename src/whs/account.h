#pragma once

#include "whs/adjust.h"
#include "whs/coursehandicap.h"
#include "whs/decimal.h"
#include "whs/differential.h"
#include "whs/index.h"
#include "whs/record.h"

#include <optional>
#include <string>
#include <vector>

namespace greenfold::whs {

// How a round's Score Differential came about.
struct DifferentialStep {
    bool nine = false;
    Rating rating; // of the holes played
    int ags = 0;
    Fraction played;                    // 113 / Slope x (AGS - CR) of the holes played
    std::optional<Tenths> expectedfrom; // a nine: the index of its expected differential
    Fraction unrounded;                 // played, plus the expected nine for a nine
    std::optional<Tenths> rounded;      // nothing: a nine waiting for 54 holes
};

// An exceptional score and what it took off the record.
struct ReductionStep {
    Tenths ineffect;
    Fraction better; // the index in effect less the unrounded differential
    Tenths reduction;
    int differentials = 0; // how many it was applied to
};

// A waiting nine as it counted once the player had 54 holes.
struct ScaledNine {
    Date date;
    Fraction played;
    Tenths differential;
};

// The first index of a player who played nines before having one: a starting index from
// the 18-hole differentials and the waiting nines two by two, whose expected nine-hole
// differential completes each waiting nine.
struct FirstIndexStep {
    int holes = 0;
    IndexCalc starting;
    std::vector<ScaledNine> nines;
};

// Every step of posting one round, for the calculation panel.
struct Account {
    std::optional<Tenths> ineffect; // the index before the round
    int holesposted = 0;            // the record's holes, this round included
    Adjustment adjustment;
    DifferentialStep differential;
    std::optional<ReductionStep> reduction;
    std::optional<FirstIndexStep> firstindex;
    int differentials = 0;                // in the record, this round included
    std::optional<IndexCalc> index;       // nothing: no index yet
    std::optional<Date> previous;         // the Low Handicap Index looks back from here
    std::optional<HandicapCalc> handicap; // nothing: no index, course handicap 0
};

// The account as plain lines of text, one step a line.
std::vector<std::string> accountlines(const Account& a);

} // namespace greenfold::whs
