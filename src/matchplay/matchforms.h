#pragma once

#include "matchplay/matchfile.h"
#include "matchplay/season.h"
#include "matchplay/table.h"
#include "model/outcome.h"
#include "results/resultsfile.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold::matchplay {

// What the match play windows read from their boxes and put to the secretary, in the
// program's words; the windows only show it.

// A date typed as MM/DD/YY (also M/D/YY or MM/DD/YYYY); nothing for anything else.
std::optional<NightDate> readnightdate(std::string_view text);
// Dates, and week numbers, typed with spaces or commas between them; nothing when one of
// them is not one.
std::optional<std::vector<NightDate>> readdates(std::string_view text);
std::optional<std::vector<int>> readweeks(std::string_view text);
std::string datestext(const std::vector<NightDate>& dates);
std::string weekstext(const std::vector<int>& weeks);

// The first date a new schedule offers: the first date of the one there is, else the
// league's night of the week after its newest night with rounds that is not before today,
// else today.
NightDate offeredfirst(const Schedule& s, const ResultsFile& f, const NightDate& today);

// "Week 3, 07/21/26, front nine" and its state ("played", "cancelled", "position week").
std::string weekcaption(const Week& w, const Nights& played);

// The week a window opens at: the newest week with rounds, else the first week not yet
// played, else the first.
int openingweek(const Schedule& s, const SeasonNights& nights);

// Refusals and questions.
Message baddate(const std::string& what);
Message badweeks();
Message replacequestion(const Schedule& s, const Nights& played);
Message clearquestion(int weeks);
Message postponequestion(const Week& w);
Message cancelquestion(const Week& w);
Message noweekchosen();
Message notplayedyet(int week);
Message nocards(const Week& w);

// Each player's own points (R8.5) as lines under the season table.
std::vector<std::string> playerslines(const std::vector<PlayerPoints>& players);

// What an absent player without a substitute gets by the league's default, in words:
// "a phantom with a par card", "a forfeit".
std::string absentwords(const MatchSettings& s);

} // namespace greenfold::matchplay
