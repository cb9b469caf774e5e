#include "cli/resultscommands.h"

#include "cli/clidates.h"
#include "cli/csvfile.h"
#include "model/leaguelist.h"
#include "model/resultsname.h"
#include "model/textline.h"
#include "results/resultsfile.h"
#include "results/resultsprint.h"
#include "results/resultstext.h"
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
        const CalendarDate& d = *r.list.date;
        chosen = {int16_t(d.month), int16_t(d.day), int16_t(twodigityear(d.year))};
        if (std::find(nights.begin(), nights.end(), chosen) == nights.end())
            return {"", "no round was played on " + nighttext(chosen)};
    }
    if (r.skins) {
        const NightSkins skins = nightskins(f, g, chosen);
        if (r.csv) return {csvbytes(skinsheading(), skinscells(skins)), ""};
        return {textbytes(g, today, skinslines(leaguename(g), skins)), ""};
    }
    const NightResults results = nightresults(f, chosen);
    if (r.csv) return {csvbytes(nightheading(), nightcells(results)), ""};
    return {textbytes(g, today, nightlines(leaguename(g), results)), ""};
}

} // namespace

ResultsOutput resultsoutput(ProgramState& g, const CliRequest& r, const CalendarDate& today) {
    LoadedResults loaded = loadresults(g, r.dir);
    const std::string file = resultsfilename(g.leaguefile);
    if (!loaded.outcome.messages.empty()) return {"", "cannot read the results file " + file};
    if (seasonnights(loaded.file).empty()) return {"", leaguename(g) + " has no nights of results"};
    if (r.command == CliCommand::results) return night(g, loaded.file, r, today);
    const auto table = standings(loaded.file);
    if (r.csv) return {csvbytes(standingsheading(), standingscells(table)), ""};
    return {textbytes(g, today, standingslines(leaguename(g), loaded.file, table)), ""};
}

} // namespace greenfold
