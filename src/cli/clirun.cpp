#include "cli/clirun.h"

#include "model/safefile.h"

namespace greenfold {

int fail(CliContext& ctx, const std::string& text) {
    ctx.err << "greenfold-cli: " << text << "\n";
    return exit_data;
}

int deliver(CliContext& ctx, const CliRequest& r, const std::string& bytes) {
    if (r.outfile.empty()) {
        ctx.out << bytes << std::flush;
        return ctx.out ? exit_ok : fail(ctx, "cannot write to standard output");
    }
    if (!atomicwrite(fs::path(r.outfile), bytes)) return fail(ctx, "cannot write " + r.outfile);
    return exit_ok;
}

Opened openrequested(CliContext& ctx, const CliRequest& r, bool needcourses, Access access) {
    Opened out{std::make_unique<ProgramState>(), {}};
    ProgramState& g = *out.g;
    if (auto problem = openfolder(g, r.dir, ctx.systemdir); !problem.empty()) {
        fail(ctx, problem);
        return {};
    }
    if (!g.methodproblem.empty()) {
        fail(ctx, g.methodproblem);
        return {};
    }
    if (r.method) g.method = *r.method; // the league is read as the method asked for reads it
    out.held = openleaguefile(g, r.dir, r.league, access);
    const LeagueOpened& opened = out.held;
    if (!opened.problem.empty() || (needcourses && !opened.warning.empty())) {
        fail(ctx, opened.problem.empty() ? opened.warning : opened.problem);
        return {};
    }
    // Without the course table the lists still stand; only the course columns are empty.
    if (!opened.warning.empty()) ctx.err << "greenfold-cli: warning: " << opened.warning << "\n";
    return out;
}

} // namespace greenfold
