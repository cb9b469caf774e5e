#include "results/newseason.h"

#include "model/leaguelist.h"
#include "model/matchname.h"
#include "model/resultsname.h"
#include "model/textline.h"
#include "results/night.h"
#include "results/resultsfile.h"
#include "teams/teamfile.h"

#include <algorithm>
#include <memory>

namespace greenfold {

namespace {

constexpr const char* seasontitle = "New Season";

bool taken(const fs::path& dir, const std::string& name) {
    std::error_code ec;
    return !name.empty() && fs::exists(findfile(dir, name), ec);
}

// "Spring-2026", or "Spring-2026-2" and on when a kept results or team file has the name.
std::string keptstem(const ProgramState& g, int year, const fs::path& dir) {
    const std::string base = leaguename(g) + "-" + std::to_string(year);
    std::string stem = base;
    for (int n = 2; taken(dir, stem + resultssuffix) || taken(dir, stem + ".tea") ||
                    taken(dir, stem + matchsuffix);
         ++n)
        stem = base + "-" + std::to_string(n);
    return stem;
}

Message notkept(const std::string& file) {
    return {"Greenfold could not keep a copy of " + file +
                ", so the new season was not started. Nothing has changed.",
            seasontitle, Icon::exclamation};
}

// The file as it is now, to be kept under its season's name; false when it cannot be read.
bool keepaside(LeagueCommit& commit, const fs::path& dir, const std::string& from,
               const std::string& to) {
    std::string bytes;
    if (!readwhole(findfile(dir, from), bytes)) return false;
    commit.write(to, std::move(bytes), notkept(from));
    return true;
}

void clearteampoints(ProgramState& g, LeagueCommit& commit, const fs::path& dir) {
    auto teams = std::make_unique<Teamdata>();
    loadteams(g, *teams, dir);
    for (int t = 1; t <= teams->teamcount && t <= maxteams; ++t) clearevents(*teams, t);
    stageteams(g, *teams, commit);
}

} // namespace

SeasonStart planseason(ProgramState& g, const fs::path& dir) {
    if (g.leaguefile.empty()) return {std::nullopt, {"Open a league first.", seasontitle}};
    LoadedResults loaded = loadresults(g, dir);
    if (!loaded.outcome.messages.empty()) return {std::nullopt, loaded.outcome.messages.front()};
    const std::vector<NightDate> nights = seasonnights(loaded.file);
    if (nights.empty())
        return {std::nullopt,
                {leaguename(g) + " has no night in its results yet: there is no season to put "
                                 "aside.",
                 seasontitle, Icon::information}};
    SeasonPlan plan;
    plan.results = resultsfilename(g.leaguefile);
    plan.nights = int(nights.size());
    plan.year = fullyear(nights.back().year);
    plan.settings = loaded.file.settings;
    const std::string stem = keptstem(g, plan.year, dir);
    plan.resultsto = stem + resultssuffix;
    if (teamfileexists(g, dir)) {
        plan.teams = teamfilename(g);
        plan.teamsto = stem + ".tea";
    }
    if (taken(dir, matchfilename(g.leaguefile))) {
        plan.matches = matchfilename(g.leaguefile);
        plan.matchesto = stem + matchsuffix;
    }
    return {plan, {}};
}

Message newseasonquestion(const ProgramState& g, const SeasonPlan& plan) {
    std::string text = "Start a new season for " + leaguename(g) +
                       "?\r\n\r\n"
                       "Kept as they are: the players, the teams and every kept round, so the "
                       "handicaps carry over.\r\n\r\n"
                       "Moved aside: the " +
                       std::to_string(plan.nights) + (plan.nights == 1 ? " night" : " nights") +
                       " of the season that began in " + std::to_string(plan.year) + ", to " +
                       plan.resultsto;
    if (!plan.teams.empty()) text += ", and the team points records, to " + plan.teamsto;
    if (!plan.matches.empty()) text += ", and the match play schedule, to " + plan.matchesto;
    text += ".\r\n\r\nThe new season starts with no nights, the same competition settings" +
            std::string(plan.teams.empty() ? "" : " and no team points") +
            std::string(plan.matches.empty() ? ""
                                             : "; match play keeps its settings and needs a "
                                               "new schedule") +
            ". Putting the moved files back under their old names undoes it.";
    return {text, seasontitle, Icon::question};
}

Outcome startseason(ProgramState& g, const SeasonPlan& plan, const fs::path& dir,
                    const CommitExtra& extra) {
    // The kept copies and the new files are written together: all of them, or none.
    LeagueCommit commit(dir, g.leaguefile);
    std::error_code ec;
    if (!fs::exists(findfile(dir, plan.results), ec)) // a league's first season, never saved
        commit.write(plan.resultsto, resultsbytes(loadresults(g, dir).file), notkept(plan.results));
    else if (!keepaside(commit, dir, plan.results, plan.resultsto))
        return Outcome::failure(notkept(plan.results));
    if (!plan.teams.empty() && !keepaside(commit, dir, plan.teams, plan.teamsto))
        return Outcome::failure(notkept(plan.teams));
    if (!plan.matches.empty() && !keepaside(commit, dir, plan.matches, plan.matchesto))
        return Outcome::failure(notkept(plan.matches));
    ResultsFile fresh;
    fresh.settings = plan.settings;
    if (plan.started.month != 0) fresh.started = plan.started;
    stageresults(g, fresh, commit);
    if (!plan.teams.empty()) clearteampoints(g, commit, dir);
    Outcome out = extra && !plan.matches.empty() ? extra(commit) : Outcome{};
    out.merge(commit.run(g.damagedfiles));
    if (!out) {
        const bool said =
            std::any_of(out.messages.begin(), out.messages.end(),
                        [](const Message& m) { return m.text.ends_with("Nothing has changed."); });
        if (!said)
            out.add({"The new season was not started. Nothing has changed.", seasontitle,
                     Icon::exclamation});
        return out;
    }
    std::vector<std::string> kept{plan.resultsto};
    if (!plan.teams.empty()) kept.push_back(plan.teamsto);
    if (!plan.matches.empty()) kept.push_back(plan.matchesto);
    std::string names = kept.front();
    for (std::size_t k = 1; k < kept.size(); ++k)
        names += (k + 1 == kept.size() ? " and " : ", ") + kept[k];
    out.add({"The season that began in " + std::to_string(plan.year) + " is kept as " + names +
                 ". " +
                 (plan.started.month != 0 ? "The new season starts on " + nighttext(plan.started)
                                          : std::string("The new season starts")) +
                 " with no nights.",
             seasontitle, Icon::information});
    return out;
}

} // namespace greenfold
