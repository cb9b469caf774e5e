#pragma once

#include "matchplay/league.h"
#include "matchplay/season.h"
#include "model/leaguecommit.h"
#include "model/programstate.h"
#include "results/resultsfile.h"
#include "teams/teamdata.h"

#include <functional>
#include <memory>
#include <string>

namespace greenfold::matchplay {

// The match file of the open league on disk, and a season of match play gathered from the
// league's files: what the command line and the windows work on.

// The league's match file in dir. A missing one gives the defaults (the team format when
// the league has teams); one that cannot be read whole gives the same, is noted as damaged
// (kept beside itself before it is saved over) and the outcome, still ok, says so.
struct LoadedMatches {
    MatchFile file;
    Outcome outcome;
    bool exists = false;
};
LoadedMatches loadmatches(ProgramState& g, bool hasteams, const fs::path& dir = {});
void stagematches(const ProgramState& g, const MatchFile& f, LeagueCommit& commit);
Message matchloadfailure(const std::string& file);

// A season of match play: the match file, the teams, the sides, the results and each
// week's night, read from the league's files.
struct MatchSeason {
    std::string league; // its name
    MatchFile file;
    bool exists = false; // the league has a match file
    std::unique_ptr<Teamdata> teams;
    Roster roster;
    Sides sides;
    ResultsFile results;
    SeasonNights nights;
    Outcome read; // what reading said (a damaged file)
    bool damaged = false;
};
MatchSeason openseason(ProgramState& g, const fs::path& dir = {});

// The sides and the nights again, after the file or the results changed.
void refreshseason(MatchSeason& s, const ProgramState& g);

// The names of the sides, in side-number order.
std::vector<std::string> sidenames(const MatchSeason& s);

// Brings the season up to its rounds: pairs each position week now due and fills the
// sheet of every week with rounds. A card to be drawn is drawn by the league's own draw:
// random to the secretary, but the same from the same file and rounds, so that what a
// reader shows is what the next save keeps. True when the file changed.
bool complete(MatchSeason& s);
Draw leaguedraw(const std::string& league);

// A week of the season worked out from its stored sheet.
WeekResult weekresult(const MatchSeason& s, const Week& w);

// A week's sheet changed by the secretary (greenfold-cli's sheet, the Week's Matches
// window): the week must be paired and not cancelled; its sheet is filled from the night's
// rounds first, then edited. An edit refused leaves the season as it was.
using SheetEdit = std::function<Outcome(WeekSheet& sheet, const SheetContext& c)>;
Outcome editsheet(MatchSeason& s, const ProgramState& g, int week, const SheetEdit& edit,
                  const Draw& draw);

// Recording rounds (the score window's save, an import) completes the match file too, in
// the same commit, so a card drawn is kept from the night it was drawn. Nothing for a
// league that does not play match play.
Outcome stagecompletion(ProgramState& g, const ResultsFile& results, LeagueCommit& commit,
                        const fs::path& dir = {});

// Roster changes followed in the match file (renames; a removed player keeps his past
// slots), staged with the roster's save. Nothing when the league has no match file.
Outcome stagerenames(ProgramState& g,
                     const std::vector<std::pair<std::string, std::string>>& renames,
                     LeagueCommit& commit, const fs::path& dir = {});

// Team names changed in the team window (team t was before[t - 1], is after[t - 1]),
// followed in the schedule and the sheets.
Outcome stageteamrenames(ProgramState& g, const std::vector<std::string>& before,
                         const std::vector<std::string>& after, LeagueCommit& commit,
                         const fs::path& dir = {});

// A new season's match file: the settings and the "substitute only" marks of the old
// one, no schedule and no sheets (the old file is kept aside by the new season itself).
// Nothing when the league has no match file.
Outcome stagenewseason(ProgramState& g, LeagueCommit& commit, const fs::path& dir = {});

} // namespace greenfold::matchplay
