#include "cli/commands.h"

#include "cli/cliargs.h"
#include "cli/clihelp.h"
#include "cli/cliopen.h"
#include "cli/csvfile.h"
#include "cli/importrecord.h"
#include "cli/importrows.h"
#include "cli/listview.h"
#include "cli/publishcommands.h"
#include "cli/replaylines.h"
#include "cli/resultscommands.h"
#include "cli/roundexport.h"
#include "model/leaguefile.h"
#include "model/resultsname.h"
#include "model/textline.h"
#include "reports/listexport.h"
#include "results/newseason.h"
#include "results/nightrecord.h"
#include "scoring/replay.h"

#include <exception>
#include <fstream>
#include <iterator>
#include <memory>

namespace greenfold {

namespace {

int fail(CliContext& ctx, const std::string& text) {
    ctx.err << "greenfold-cli: " << text << "\n";
    return exit_data;
}

// Standard output, or the file of -o written whole.
int deliver(CliContext& ctx, const CliRequest& r, const std::string& bytes) {
    if (r.outfile.empty()) {
        ctx.out << bytes << std::flush;
        return ctx.out ? exit_ok : fail(ctx, "cannot write to standard output");
    }
    if (!atomicwrite(fs::path(r.outfile), bytes)) return fail(ctx, "cannot write " + r.outfile);
    return exit_ok;
}

// The data folder and the league, or a message and nothing.
std::unique_ptr<GOLF1> openrequested(CliContext& ctx, const CliRequest& r, bool needcourses) {
    auto g = std::make_unique<GOLF1>();
    if (auto problem = openfolder(*g, r.dir, ctx.systemdir); !problem.empty()) {
        fail(ctx, problem);
        return nullptr;
    }
    if (r.method) g->method = *r.method; // the league is read as the method asked for reads it
    const LeagueOpened opened = openleaguefile(*g, r.dir, r.league);
    if (!opened.problem.empty() || (needcourses && !opened.warning.empty())) {
        fail(ctx, opened.problem.empty() ? opened.warning : opened.problem);
        return nullptr;
    }
    // Without the course table the lists still stand; only the course columns are empty.
    if (!opened.warning.empty()) ctx.err << "greenfold-cli: warning: " << opened.warning << "\n";
    return g;
}

int runleagues(CliContext& ctx, const CliRequest& r) {
    auto g = std::make_unique<GOLF1>();
    if (auto problem = openfolder(*g, r.dir, ctx.systemdir); !problem.empty())
        return fail(ctx, problem);
    for (int n = 1; n <= g->leaguecount && n <= maxleagues; ++n)
        if (!g->leaguelist[n].empty()) ctx.out << g->leaguelist[n] << "\n";
    ctx.out << std::flush;
    return exit_ok;
}

int runlist(CliContext& ctx, const CliRequest& r) {
    auto g = openrequested(ctx, r, false);
    if (!g) return exit_data;
    const ViewLines view = viewlines(*g, r.list);
    if (!view.problem.empty()) return fail(ctx, view.problem);
    const CalendarDate today = r.today.value_or(ctx.today);
    const std::string date = reportdate(today.year, today.month, today.day);
    return deliver(ctx, r,
                   r.longlines ? longlistbytes(view.lines) : shortprintbytes(*g, view.lines, date));
}

int runexport(CliContext& ctx, const CliRequest& r) {
    auto g = openrequested(ctx, r, false);
    if (!g) return exit_data;
    return deliver(ctx, r, exportbytes(*g));
}

int refuserows(CliContext& ctx, const CliRequest& r, const std::vector<RowProblem>& problems) {
    for (const RowProblem& p : problems)
        ctx.err << "greenfold-cli: " << r.csvfile << ", row " << p.row << ": " << p.reason << "\n";
    return fail(ctx, std::to_string(problems.size()) + (problems.size() == 1 ? " row" : " rows") +
                         " refused; nothing was recorded");
}

int runimport(CliContext& ctx, const CliRequest& r) {
    auto g = openrequested(ctx, r, true);
    if (!g) return exit_data;
    std::string bytes;
    if (!readwhole(r.csvfile, bytes)) return fail(ctx, "cannot read " + r.csvfile);

    const ImportPlan plan = readimport(*g, readcsv(csvtext(std::move(bytes))));
    // Every round is recorded on a copy first: the engine's own refusals (a tee without
    // a slope) come out with their rows, and the league on disk is untouched until all
    // rows are good.
    auto recorded = std::make_unique<GOLF1>(*g);
    LoadedResults nights = loadresults(*recorded, r.dir);
    const ImportRun run = recordimport(*recorded, plan.rounds, &nights.file);
    const auto problems = rowordered(plan.problems, run.problems);
    if (!problems.empty()) return refuserows(ctx, r, problems);
    if (run.recorded.empty()) return fail(ctx, r.csvfile + " holds no rounds");

    if (r.dryrun) {
        std::string out = csvline(exportheading(recorded->method));
        for (const auto& cells : run.recorded) out += csvline(cells);
        ctx.out << out << std::flush;
        return exit_ok;
    }
    if (!saveleague(*recorded, r.dir))
        return fail(ctx,
                    "cannot write the league file " + recorded->leaguefile + "; it is as it was");
    for (const Message& m : nights.outcome.messages) ctx.err << "greenfold-cli: " << m.text << "\n";
    if (!saveresults(*recorded, nights.file, r.dir))
        return fail(ctx, "the rounds are recorded, but the results file " +
                             resultsfilename(recorded->leaguefile) + " could not be written");
    ctx.err << "greenfold-cli: recorded " << run.recorded.size()
            << (run.recorded.size() == 1 ? " round" : " rounds") << " in " << recorded->leaguefile
            << "\n";
    return exit_ok;
}

int runreplay(CliContext& ctx, const CliRequest& r) {
    auto g = openrequested(ctx, r, true);
    if (!g) return exit_data;
    const std::vector<ReplayLine> lines = replayleague(*g, g->method);
    ctx.out << replaytext(lines, g->method) << std::flush;
    if (!r.write) return exit_ok;
    const std::string before = keepbeforereplay(*g, r.dir);
    if (before.empty())
        return fail(ctx, "cannot keep a copy of " + g->leaguefile + "; nothing was written");
    if (!saveleague(*g, r.dir))
        return fail(ctx, "cannot write the league file " + g->leaguefile +
                             "; the file as it was is " + before);
    if (!refreshleague(*g, r.dir))
        return fail(ctx, "the league is written, but its results file " +
                             resultsfilename(g->leaguefile) + " could not be");
    ctx.err << "greenfold-cli: " << g->leaguefile << " worked out again under "
            << methodname(g->method) << " and written; the file as it was is " << before << "\n";
    return exit_ok;
}

int runresults(CliContext& ctx, const CliRequest& r) {
    auto g = openrequested(ctx, r, false);
    if (!g) return exit_data;
    const ResultsOutput out = r.command == CliCommand::postteams ? postteamsoutput(*g, r)
                              : r.html                           ? webpageoutput(*g, r, ctx.today)
                                                                 : resultsoutput(*g, r, ctx.today);
    return out.problem.empty() ? deliver(ctx, r, out.bytes) : fail(ctx, out.problem);
}

int runnewseason(CliContext& ctx, const CliRequest& r) {
    auto g = openrequested(ctx, r, false);
    if (!g) return exit_data;
    const SeasonStart start = planseason(*g, r.dir);
    if (!start.plan) return fail(ctx, start.refusal.text);
    const Outcome out = startseason(*g, *start.plan, r.dir);
    for (const Message& m : out.messages) ctx.err << "greenfold-cli: " << m.text << "\n";
    return out ? exit_ok : exit_data;
}

int runcommand(CliContext& ctx, const CliRequest& r) {
    switch (r.command) {
    case CliCommand::leagues:
        return runleagues(ctx, r);
    case CliCommand::list:
        return runlist(ctx, r);
    case CliCommand::import:
        return runimport(ctx, r);
    case CliCommand::exportrounds:
        return runexport(ctx, r);
    case CliCommand::replay:
        return runreplay(ctx, r);
    case CliCommand::results:
    case CliCommand::standings:
    case CliCommand::postteams:
        return runresults(ctx, r);
    case CliCommand::newseason:
        return runnewseason(ctx, r);
    case CliCommand::none:
        break;
    }
    return exit_usage;
}

} // namespace

int runcli(const std::vector<std::string>& args, CliContext& ctx) {
    const ParsedArgs parsed = parseargs(args);
    if (!parsed.error.empty()) {
        ctx.err << "greenfold-cli: " << parsed.error << "\n" << tryhelp();
        return exit_usage;
    }
    if (parsed.request.help) {
        ctx.out << commandhelp(parsed.request.command) << std::flush;
        return exit_ok;
    }
    return runcommand(ctx, parsed.request);
}

} // namespace greenfold
