#pragma once

#include "model/programstate.h"
#include "reports/printsurface.h"
#include "teams/teamdata.h"

#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// The team summary report: per team a heading with its name, optionally its players,
// its point records (all, or only the newest) and a footer with the totals, in portrait
// at 10 points.

struct Teamreportoptions {
    bool names = false;    // list the team's players under its name
    bool lastonly = false; // only each team's newest record
};

// The header of the report: no league name, the program's name and the date at
// column 49.
std::string teamreportheader(const std::string& date);

// A record line: the text from column 4, filled to column 60 (longer texts stay whole
// and push the numbers right), the kept number right-aligned in 6 columns, 3 spaces and
// the points right-aligned in 6, both "###0.0".
std::string teamentryline(std::string_view text, float manual, float points);

// The footer's total line: "Total: " at column 53, the kept number of the team's newest
// record under the record lines' kept numbers, and the sum of all its points under the
// points.
std::string teamtotalline(float manual, float sum);

// The name lines of team t: every player of the team in roster order, each followed by
// " , ", a new line (indented by 4) whenever a name would make the line 70 characters or
// more; the last line without its last two characters. A team without players gives
// one line of 2 spaces.
std::vector<std::string> teamnamelines(const ProgramState& g, int team);

// One print run of the report. The line counter follows what a page holds: a team
// heading that would start below line 45 begins a new page, and so does a record line
// that brings the counter past 52.
class Teamreport {
  public:
    Teamreport(PrintSurface& s, const ProgramState& g, const Teamdata& teams,
               Teamreportoptions options);

    // Portrait, the print font at 10 points, four blank lines, the header and an empty
    // line.
    void start(const std::string& date);

    void Teamheading(int team);
    void PrintTeamName(int team); // nothing unless the names were asked for
    void TeamEntries(int team);
    void TeamFooter(int team);

    int linecounter() const { return counter_; }

  private:
    // The top of every further page: a blank line from the font reset and two more.
    void newpage();
    // After a line that counts against the page: a new page once it is past 52.
    void counted();
    int records(int team) const;

    PrintSurface& s_;
    const ProgramState& g_;
    const Teamdata& teams_;
    Teamreportoptions options_;
    int counter_ = 0;
};

// The whole report, every team in turn, and the end of the document. False when the
// device failed.
bool printteamreport(PrintSurface& s, const ProgramState& g, const Teamdata& teams,
                     Teamreportoptions options, const std::string& date);

} // namespace greenfold
