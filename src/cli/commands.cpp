#include "cli/commands.h"

#include "cli/cliargs.h"
#include "cli/clihelp.h"
#include "cli/cliopen.h"
#include "cli/clirun.h"
#include "cli/csvfile.h"
#include "cli/importrecord.h"
#include "cli/importrows.h"
#include "cli/listview.h"
#include "cli/matchcommands.h"
#include "cli/publishcommands.h"
#include "cli/replaylines.h"
#include "cli/resultscommands.h"
#include "cli/roundexport.h"
#include "matchplay/matchstore.h"
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

int runleagues(CliContext& ctx, const CliRequest& r) {
    auto g = std::make_unique<ProgramState>();
    if (auto problem = openfolder(*g, r.dir, ctx.systemdir); !problem.empty())
        return fail(ctx, problem);
    for (int n = 1; n <= g->leaguecount && n <= maxleagues; ++n)
        if (!g->leaguelist[n].empty()) ctx.out << g->leaguelist[n] << "\n";
    ctx.out << std::flush;
    return exit_ok;
}

int runlist(CliContext& ctx, const CliRequest& r) {
    const Opened opened = openrequested(ctx, r, false);
    ProgramState* g = opened.g.get();
    if (!g) return exit_data;
    const ViewLines view = viewlines(*g, r.list);
    if (!view.problem.empty()) return fail(ctx, view.problem);
    const CalendarDate today = r.today.value_or(ctx.today);
    const std::string date = reportdate(today.year, today.month, today.day);
    return deliver(ctx, r,
                   r.longlines ? longlistbytes(view.lines) : shortprintbytes(*g, view.lines, date));
}

int runexport(CliContext& ctx, const CliRequest& r) {
    const Opened opened = openrequested(ctx, r, false);
    ProgramState* g = opened.g.get();
    if (!g) return exit_data;
    return deliver(ctx, r, exportbytes(*g));
}

void reportrows(CliContext& ctx, const CliRequest& r, const std::vector<RowProblem>& rows) {
    for (const RowProblem& p : rows)
        ctx.err << "greenfold-cli: " << r.csvfile << ", row " << p.row << ": " << p.reason << "\n";
}

int refuserows(CliContext& ctx, const CliRequest& r, const std::vector<RowProblem>& problems) {
    reportrows(ctx, r, problems);
    return fail(ctx, std::to_string(problems.size()) + (problems.size() == 1 ? " row" : " rows") +
                         " refused; nothing was recorded");
}

// A failed commit in one line: what could not be written, and that nothing was (unless
// the change stopped between its renames, which the next opening finishes).
std::string commitfailure(const std::string& leaguefile, const Outcome& out) {
    std::string text;
    bool finishes = false;
    for (const Message& m : out.messages) {
        if (m.icon != Icon::exclamation) continue;
        finishes = finishes || m == unfinishedcommit(leaguefile);
        text += (text.empty() ? "" : " ") + m.text;
    }
    return "cannot write the files of " + leaguestem(leaguefile) + ": " + text +
           (finishes ? "" : " Nothing was written.");
}

int runimport(CliContext& ctx, const CliRequest& r) {
    const Opened opened = openrequested(ctx, r, true, r.dryrun ? Access::read : Access::write);
    ProgramState* g = opened.g.get();
    if (!g) return exit_data;
    std::string bytes;
    if (!readwhole(r.csvfile, bytes)) return fail(ctx, "cannot read " + r.csvfile);

    const ImportPlan plan = readimport(*g, readcsv(csvtext(std::move(bytes))));
    // Every round is recorded on a copy first: the engine's own refusals (a tee without
    // a slope) come out with their rows, and the league on disk is untouched until all
    // rows are good.
    auto recorded = std::make_unique<ProgramState>(*g);
    LoadedResults nights = loadresults(*recorded, r.dir);
    const ImportRun run = recordimport(*recorded, plan.rounds, &nights.file, r.allowsecond);
    if (!nights.exists) keepnewestyear(nights.file, *recorded); // the league's first
    reportrows(ctx, r, run.skipped);
    const auto problems = rowordered(plan.problems, run.problems);
    if (!problems.empty()) return refuserows(ctx, r, problems);
    if (run.recorded.empty() && run.skipped.empty())
        return fail(ctx, r.csvfile + " holds no rounds");

    if (r.dryrun) {
        std::string out = csvline(exportheading(recorded->method));
        for (const auto& cells : run.recorded) out += csvline(cells);
        ctx.out << out << std::flush;
        return exit_ok;
    }
    if (run.recorded.empty()) {
        ctx.err << "greenfold-cli: every round of " << r.csvfile
                << " is recorded already; nothing was written\n";
        return exit_ok;
    }
    for (const Message& m : nights.outcome.messages) ctx.err << "greenfold-cli: " << m.text << "\n";
    LeagueCommit commit(r.dir, recorded->leaguefile);
    stageleague(*recorded, commit);
    stageresults(*recorded, nights.file, commit);
    matchplay::stagecompletion(*recorded, nights.file, commit, r.dir);
    if (const Outcome saved = commit.run(recorded->damagedfiles); !saved)
        return fail(ctx, commitfailure(recorded->leaguefile, saved));
    ctx.err << "greenfold-cli: recorded " << run.recorded.size()
            << (run.recorded.size() == 1 ? " round" : " rounds") << " in " << recorded->leaguefile
            << "\n";
    return exit_ok;
}

int runreplay(CliContext& ctx, const CliRequest& r) {
    const Opened opened = openrequested(ctx, r, true, r.write ? Access::write : Access::read);
    ProgramState* g = opened.g.get();
    if (!g) return exit_data;
    const std::vector<ReplayLine> lines = replayleague(*g, g->method);
    ctx.out << replaytext(lines, g->method) << std::flush;
    if (!r.write) return exit_ok;
    const ReplayWrite written = writereplayed(*g, r.dir);
    if (written.copy.empty())
        return fail(ctx, "cannot keep a copy of " + g->leaguefile + "; nothing was written");
    if (!written.outcome) return fail(ctx, commitfailure(g->leaguefile, written.outcome));
    ctx.err << "greenfold-cli: " << g->leaguefile << " worked out again under "
            << methodname(g->method) << " and written with its results; the file as it was is "
            << written.copy << "\n";
    return exit_ok;
}

int runresults(CliContext& ctx, const CliRequest& r) {
    const Opened opened = openrequested(
        ctx, r, false, r.command == CliCommand::postteams ? Access::write : Access::read);
    ProgramState* g = opened.g.get();
    if (!g) return exit_data;
    const ResultsOutput out = r.command == CliCommand::postteams ? postteamsoutput(*g, r)
                              : r.html                           ? webpageoutput(*g, r, ctx.today)
                                                                 : resultsoutput(*g, r, ctx.today);
    if (!out.problem.empty()) return fail(ctx, out.problem);
    if (!out.note.empty()) ctx.err << "greenfold-cli: " << out.note << "\n";
    return deliver(ctx, r, out.bytes);
}

int runnewseason(CliContext& ctx, const CliRequest& r) {
    const Opened opened = openrequested(ctx, r, false, Access::write);
    ProgramState* g = opened.g.get();
    if (!g) return exit_data;
    SeasonStart start = planseason(*g, r.dir);
    if (!start.plan) return fail(ctx, start.refusal.text);
    start.plan->started = {int16_t(ctx.today.month), int16_t(ctx.today.day),
                           int16_t(twodigityear(ctx.today.year))};
    const Outcome out = startseason(*g, *start.plan, r.dir, [&](LeagueCommit& commit) {
        return matchplay::stagenewseason(*g, commit, r.dir);
    });
    // What was done is the command's output; what went wrong goes where errors go.
    for (const Message& m : out.messages) {
        if (out && m.icon == Icon::information)
            ctx.out << m.text << "\n";
        else
            ctx.err << "greenfold-cli: " << m.text << "\n";
    }
    ctx.out << std::flush;
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
    case CliCommand::postteams:
        return r.match.week ? runpostweek(ctx, r) : runresults(ctx, r);
    case CliCommand::results:
    case CliCommand::standings:
        return runresults(ctx, r);
    case CliCommand::newseason:
        return runnewseason(ctx, r);
    case CliCommand::matchplay:
        return runmatchplay(ctx, r);
    case CliCommand::schedule:
        return runschedule(ctx, r);
    case CliCommand::sheet:
        return runsheet(ctx, r);
    case CliCommand::matches:
        return runmatches(ctx, r);
    case CliCommand::matchstandings:
        return runmatchstandings(ctx, r);
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
