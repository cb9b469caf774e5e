#include "cli/publishcommands.h"

#include "model/leaguelist.h"
#include "model/resultsname.h"
#include "model/textline.h"
#include "publish/matchpage.h"
#include "publish/teampost.h"
#include "publish/webpage.h"
#include "results/night.h"
#include "results/seasons.h"

#include <algorithm>

namespace greenfold {

namespace {

// The messages of an outcome as lines of plain text.
std::string outcometext(const Outcome& o) {
    std::string out;
    for (const Message& m : o.messages) {
        std::string text = m.text;
        for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;)
            text.replace(at, 2, "\n");
        out += (out.empty() ? "" : "\n") + text;
    }
    return out;
}

// The results file, or why there is nothing to work on: it cannot be read, or (when a
// night is needed) the season has none.
std::optional<ResultsFile> seasonfile(ProgramState& g, const CliRequest& r, std::string& problem,
                                      bool neednight) {
    LoadedResults loaded = loadresults(g, r.dir);
    if (!loaded.outcome.messages.empty())
        problem = "cannot read the results file " + resultsfilename(g.leaguefile);
    else if (neednight && seasonnights(loaded.file).empty())
        problem = leaguename(g) + " has no night to post: " + nonighttext(loaded.file);
    else
        return std::move(loaded.file);
    return std::nullopt;
}

} // namespace

ResultsOutput postteamsoutput(ProgramState& g, const CliRequest& r) {
    std::string problem;
    const std::optional<ResultsFile> f = seasonfile(g, r, problem, true);
    if (!f) return {"", problem, ""};
    const std::vector<NightDate> nights = seasonnights(*f);
    NightDate night = nights.front();
    if (const auto& d = r.list.date) {
        night = {int16_t(d->month), int16_t(d->day), int16_t(twodigityear(d->year))};
        if (std::find(nights.begin(), nights.end(), night) == nights.end())
            return {"", "no round was played on " + nighttext(night), ""};
    }
    const Outcome posted = postteams(g, *f, night, r.dir);
    if (!posted) return {"", outcometext(posted), ""};
    return {outcometext(posted) + "\n", "", ""};
}

ResultsOutput webpageoutput(ProgramState& g, const CliRequest& r, const CalendarDate& today) {
    std::string problem;
    const std::optional<ResultsFile> f = seasonfile(g, r, problem, false);
    if (!f) return {"", problem, ""};
    const std::string written = reportdate(today.year, today.month, today.day);
    const std::string note =
        seasonnights(*f).empty() ? leaguename(g) + ": " + nonighttext(*f) : std::string();
    return {webpage(leaguename(g), *f, newestskins(g, *f), written, matchsections(g, r.dir)), "",
            note};
}

} // namespace greenfold
