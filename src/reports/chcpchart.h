#pragma once

#include "model/programstate.h"
#include "reports/printsurface.h"

#include <optional>
#include <string>

namespace greenfold {

// The one-page course handicap reference chart of one course and tee: indexes -5.0 to
// 44.5 in steps of 0.5, four columns of 25 rows, each index with its course handicap.

inline constexpr const char* teequestiontitle = "Course Handicap Reference Chart for Posting";
std::string teequestion();

// A reply to the tee question, read as a number: 1 to 3 print that tee; above 3 the
// question is asked again; 0, a negative number, an empty reply or Cancel end it.
struct TeeReply {
    int tee = 0; // 0: print nothing
    bool again = false;
};
TeeReply readteereply(const std::optional<std::string>& reply);

// The chart's course handicap: index x slope / 113 in single precision, rounded to the
// nearest whole number with halves going to the even one. The handicap engine and the
// calculator round halves up; the chart has always rounded this way, and golfers
// compare it with charts printed before, so it stays.
long chartcoursehcp(float index, float slope);

// A course handicap cell: a space before 0 to 9, none before negatives or 10 and up.
std::string chcpcell(long coursehcp);

// "Ladies Tee - slope ", "Mens Tee - slope ", "Pro tee - slope ".
std::string teetext(int tee);

std::string chartheading();

// Prints the chart of a course (1..coursecount) for a tee (1..3).
void PrintChcpChart(PrintSurface& s, const ProgramState& g, int course, int tee);

} // namespace greenfold
