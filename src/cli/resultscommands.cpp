#include "cli/resultscommands.h"

#include "cli/clidates.h"
#include "cli/csvfile.h"
#include "model/leaguelist.h"
#include "model/resultsname.h"
#include "model/textline.h"
#include "results/resultsfile.h"
#include "results/resultsprint.h"
#include "results/resultstext.h"
#include "results/seasons.h"
#include "results/skinstext.h"

#include <algorithm>

namespace greenfold {

namespace {

std::string textbytes(const ProgramState& g, const CalendarDate& today,
                      const std::vector<std::string>& lines) {
    std::string out = resultsheader(g, reportdate(today.year, today.month, today.day)) + "\n\n";
    for (const std::string& l : lines) out += l + "\n";
    return out;
}

NightDate nightof(const CalendarDate& d) {
    return {int16_t(d.month), int16_t(d.day), int16_t(twodigityear(d.year))};
}

std::string csvbytes(const std::vector<std::string>& heading,
                     const std::vector<std::vector<std::string>>& rows) {
    std::string out = csvline(heading);
    for (const auto& cells : rows) out += csvline(cells);
    return out;
}

ResultsOutput night(const ProgramState& g, const ResultsFile& f, const CliRequest& r,
                    const CalendarDate& today) {
    const std::vector<NightDate> nights = seasonnights(f);
    NightDate chosen = nights.front();
    if (r.list.date) {
        chosen = nightof(*r.list.date);
        if (std::find(nights.begin(), nights.end(), chosen) == nights.end())
            return {"", "no round was played on " + nighttext(chosen), ""};
    }
    if (r.totals) {
        const NightSkins skins = nightskins(f, g, chosen);
        if (r.csv) return {csvbytes(totalsheading(), totalscells(skins)), "", ""};
        return {textbytes(g, today, payoutlines(leaguename(g), skins)), "", ""};
    }
    if (r.skins) {
        const NightSkins skins = nightskins(f, g, chosen);
        if (r.csv) return {csvbytes(skinsheading(), skinscells(skins)), "", ""};
        return {textbytes(g, today, skinslines(leaguename(g), skins)), "", ""};
    }
    const NightResults results = nightresults(f, chosen);
    if (r.csv) return {csvbytes(nightheading(), nightcells(results)), "", ""};
    return {textbytes(g, today, nightlines(leaguename(g), results)), "", ""};
}

// A season without a night: what would head the output, and why nothing follows.
ResultsOutput nonight(const ProgramState& g, const ResultsFile& f, const CliRequest& r,
                      const CalendarDate& today) {
    const std::string note = leaguename(g) + ": " + nonighttext(f);
    if (r.csv) {
        const std::vector<std::string> heading = r.command == CliCommand::standings
                                                     ? standingsheading()
                                                 : r.totals ? totalsheading()
                                                 : r.skins  ? skinsheading()
                                                            : nightheading();
        return {csvline(heading), "", note};
    }
    const std::string title = r.command == CliCommand::standings ? " Season Standings"
                              : r.skins || r.totals              ? " Skins"
                                                                 : " Night Results";
    return {textbytes(g, today, {leaguename(g) + title, nonighttext(f)}), "", note};
}

} // namespace

ResultsOutput resultsoutput(ProgramState& g, const CliRequest& r, const CalendarDate& today) {
    LoadedResults loaded = loadresults(g, r.dir);
    const std::string file = resultsfilename(g.leaguefile);
    if (!loaded.outcome.messages.empty()) return {"", "cannot read the results file " + file, ""};
    const bool none = seasonnights(loaded.file).empty();
    if (none && r.list.date)
        return {"",
                leaguename(g) + ": no round was played on " + nighttext(nightof(*r.list.date)) +
                    "; " + nonighttext(loaded.file),
                ""};
    if (none) return nonight(g, loaded.file, r, today);
    if (r.command == CliCommand::results) return night(g, loaded.file, r, today);
    const auto table = standings(loaded.file);
    if (r.csv) return {csvbytes(standingsheading(), standingscells(table)), "", ""};
    return {textbytes(g, today, standingslines(leaguename(g), loaded.file, table)), "", ""};
}

} // namespace greenfold
