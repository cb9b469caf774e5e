#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"
#include "results/resultsfile.h"
#include "teams/teamdata.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace greenfold {

// Keeping the results file in step with the league: each recorded, edited or deleted
// round changes its night's line, and the roster's renames and removals follow.

// The handicap in effect of a round: the index the player held before it; base, the handicap
// the league's method gives that index on the round's course and tee (the classic course
// handicap, for a nine half of it with a half going up; under WHS the playing handicap with
// the league's allowance, the C Hcp of the lists, the nine's own for a nine); and hcp, the
// handicap in effect at the results allowance, rounded once, halves up: the classic course
// handicap (half of it for a nine) times the allowance, or under WHS the unrounded course
// handicap times the allowance alone. Nothing when the player had no index or the tee
// cannot be rated.
struct InEffect {
    std::optional<int> index; // tenths
    std::optional<int> base;
    std::optional<int> hcp;
};
InEffect handicapfor(const ProgramState& g, const ResultLine& line, std::optional<int> index,
                     int allowance);
int withallowance(int base, int allowance);

// The index player p held before his kept round in slot r: the one stored with round
// r - 1. Nothing for his first kept round, or under the WHS method before any index was
// issued to him.
std::optional<int> indexbefore(const ProgramState& g, int p, int r);

// The round now in slot r of player p, played from tee, into its night's line (a new one,
// or the player's line of that night replaced).
void keepround(ResultsFile& f, const ProgramState& g, int p, int r, int tee);

// The season's draw of flights by handicap at its first night, when the settings call for
// one and the file has nights but no draw yet: every player of the league, by the index he
// held that night (the one his line of the night carries, else the one stored with his
// newest kept round before it; none, the last flight, for a player without one). Kept for
// the season: the draw is made again only after the settings change the flights, and is
// dropped when they no longer draw at the first night or the season has no night.
void keepdraw(ResultsFile& f, const ProgramState& g);

// The first results file of a league that kept rounds before it kept results: the nights
// of its kept rounds from January 1 of the year of its newest round, with these settings.
// Each round has the handicap in effect from the index stored with the player's previous
// kept round (none for his oldest kept round, whose earlier rounds the league may have
// dropped) on the tee the index history names, else his own.
ResultsFile firstresults(const ProgramState& g, const CompetitionSettings& s);

// A first results file after rounds were recorded into it: the nights of years before the
// league's newest round's leave it.
void keepnewestyear(ResultsFile& f, const ProgramState& g);

// Takes the player's line of that night out, when there is one.
void dropnight(ResultsFile& f, std::string_view name, const NightDate& date);

// The date kept round r of player p carries.
NightDate slotdate(const ProgramState& g, int p, int r);

// Works the lines of player p's kept rounds out again from the league as it stands, after
// an edit or a deletion changed the indexes of his later rounds. A line whose round the
// league has dropped keeps its figures.
void refreshplayer(ResultsFile& f, const ProgramState& g, int p);

// Every player's lines worked out again, in the league's file in dir when it has one
// that can be read, staged with the rest of the change: after the whole league was worked
// out again.
Outcome stagerefresh(ProgramState& g, LeagueCommit& commit, const fs::path& dir = {});

// A league worked out again written with everything that goes with it, in one commit:
// its league and index history files as they were, kept beside themselves (see
// stagebeforereplay), the league and its history as worked out, and its nights'
// handicaps worked out again. Nothing is written unless all of it is.
struct ReplayWrite {
    Outcome outcome;
    std::string copy; // the kept copy of the league file; empty when none could be made
};
ReplayWrite writereplayed(ProgramState& after, const fs::path& dir = {});

// The handicap in effect of every line again with the settings' allowance, worked out from
// its index on its course and tee; a line whose tee can no longer be rated takes its base
// times the allowance.
void applyallowance(ResultsFile& f, const ProgramState& g);

// A renamed player keeps his nights and his flight; a removed one leaves the results and
// the draw, moving nobody else.
void renameinresults(ResultsFile& f, std::string_view oldname, std::string_view newname);
void removefromresults(ResultsFile& f, std::string_view name);

// The roster windows' renames and removals, in the order made, for the results file to
// follow when the league is saved: read, changed and written once, when it exists.
class RosterChanges {
  public:
    void renamed(std::string oldname, std::string newname);
    void removed(std::string name);
    // The results file changed as the roster was, into the commit.
    Outcome stage(ProgramState& g, LeagueCommit& commit, const fs::path& dir = {});
    // The league, its team file when teams is given, its results file and what extra
    // stages (match play's file), together.
    Outcome save(ProgramState& g, const Teamdata* teams, const fs::path& dir = {},
                 const CommitExtra& extra = {});
    // The renames made, in order, as old and new name.
    std::vector<std::pair<std::string, std::string>> renames() const;

  private:
    struct Change {
        std::string name;
        std::optional<std::string> newname; // none: removed
    };
    std::vector<Change> changes_;
};

} // namespace greenfold
