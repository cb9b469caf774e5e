#pragma once

#include "model/outcome.h"
#include "results/resultsfile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The competition settings as the settings window edits them.

// The points table as typed: whole numbers 0..9999 separated by blanks or commas, at most
// one for each of 20 places. Nothing when the text is not such a list.
std::optional<std::vector<int>> readpointstable(std::string_view text);
std::string pointstableline(const std::vector<int>& points);
Message pointstablerefused();

// New settings for the league's nights: every night's handicap in effect follows a changed
// allowance, worked out on the league's courses; changed flights by handicap drawn at the
// first night are drawn again (see keepdraw). Flights given by hand to no flight name are
// dropped.
void changesettings(ResultsFile& f, CompetitionSettings s, const ProgramState& g);

// The flight name given by hand to the player, or an empty text.
std::string handflight(const CompetitionSettings& s, std::string_view player);

// Flights by handicap as the settings window shows them, read only: each player of the
// roster with the flight the season's draw gives him under the settings shown (the draw of
// the first night, or of the newest night when they are drawn every night), and what the
// table is. A player the draw does not hold yet has no flight.
struct FlightDrawView {
    std::string note;
    std::vector<FlightAssignment> rows; // in roster order
};
FlightDrawView flightdraw(const ResultsFile& f, const CompetitionSettings& shown,
                          const std::vector<std::string>& roster);

} // namespace greenfold
