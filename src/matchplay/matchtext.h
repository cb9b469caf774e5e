#pragma once

#include "matchplay/match.h"
#include "matchplay/schedule.h"
#include "matchplay/sheet.h"
#include "matchplay/table.h"

#include <string>
#include <vector>

namespace greenfold::matchplay {

// The schedule, a week's sheet, its matches and the season table as lines of text (what
// greenfold-cli prints and the windows show in a fixed-width font) and as CSV cells:
// numbers as plain decimals ("14.5", "3"), a plus match handicap negative.

using Cells = std::vector<std::vector<std::string>>;

// "front", "back", "18".
std::string ninetext(Nine nine);
// "played", "not played", "cancelled", "waiting: " and the reason.
std::string statustext(Status status, const std::string& reason);
// "played", "substitute", "phantom", "draw", "teammate", "forfeit".
std::string kindtext(Kind kind);

// The schedule: a line a pair under its week's date and nine.
std::vector<std::string> schedulelines(const std::string& league, const Schedule& s);
// week, date, nine, side1, side2, position: a row a pair; a bye has side2 "bye"; a
// position week not yet paired one row with empty sides; a cancelled week nine "cancelled".
std::vector<std::string> scheduleheading();
Cells schedulecells(const Schedule& s);

// How a slot of the sheet is filled: "plays", "absent, Sam Ito substitutes", "absent,
// phantom with a par card", ...
std::string entrytext(const Entry& e);

// The week's sheet: who fills each slot.
std::vector<std::string> sheetlines(const std::string& league, const Week& week,
                                    const WeekSheet& sheet);

// A week's matches: for each single match both players' holes, the strokes marked on the
// holes they fall on (* a stroke, - one given back), the nets, who won each hole and the
// points; then the team parts and the total.
std::vector<std::string> matcheslines(const std::string& league, const WeekResult& week,
                                      const MatchSettings& s);
// week, date, side1, side2, part, player1, kind1, card1, mh1, strokes1, player2, kind2,
// card2, mh2, strokes2, points1, points2, status: a row a part, in pair order, A, B, then
// the team parts with points.
std::vector<std::string> matchesheading();
Cells matchescells(const WeekResult& week, const MatchSettings& s);

// The season table.
std::vector<std::string> standingslines(const std::string& league,
                                        const std::vector<TableRow>& table);
// place, side, played, won, lost, halved, byes, points.
std::vector<std::string> standingsheading();
Cells standingscells(const std::vector<TableRow>& table);

} // namespace greenfold::matchplay
