#include "cli/matchcommands.h"

#include "cli/clirun.h"
#include "cli/csvfile.h"
#include "matchplay/matchstore.h"
#include "matchplay/matchtext.h"
#include "model/leaguelist.h"
#include "model/matchname.h"
#include "model/textline.h"
#include "publish/teampost.h"

#include <charconv>
#include <random>

namespace greenfold {

using namespace matchplay;

namespace {

// The league and its season of match play, held as the command needs it.
struct Held {
    Opened opened;
    MatchSeason season;
    explicit operator bool() const { return opened.g != nullptr; }
};

Held openmatches(CliContext& ctx, const CliRequest& r, Access access, bool mustbeon = true) {
    Held h{openrequested(ctx, r, false, access), {}};
    if (!h) return h;
    ProgramState& g = *h.opened.g;
    h.season = openseason(g, r.dir);
    if (h.season.damaged) {
        fail(ctx, "cannot read the match file " + matchfilename(g.leaguefile) +
                      " or the results file beside it");
        h.opened = {};
    } else if (mustbeon && !h.season.file.settings.on) {
        fail(ctx, "match play is off in " + leaguename(g) + "; 'greenfold-cli matchplay " +
                      leaguename(g) + " --set match-play=on' turns it on");
        h.opened = {};
    }
    return h;
}

// The match file written with the league's one commit.
int save(CliContext& ctx, const CliRequest& r, Held& h) {
    ProgramState& g = *h.opened.g;
    LeagueCommit commit(r.dir, g.leaguefile);
    stagematches(g, h.season.file, commit);
    if (const Outcome out = commit.run(g.damagedfiles); !out)
        return fail(ctx, out.messages.empty() ? "cannot write " + matchfilename(g.leaguefile)
                                              : out.messages.back().text);
    return exit_ok;
}

std::string lines(const std::vector<std::string>& text) {
    std::string out;
    for (const std::string& l : text) out += l + "\n";
    return out;
}

std::string csv(const std::vector<std::string>& heading, const Cells& rows) {
    std::string out = csvline(heading);
    for (const auto& row : rows) out += csvline(row);
    return out;
}

NightDate nightdate(const CalendarDate& d) {
    return {int16_t(d.month), int16_t(d.day), int16_t(twodigityear(d.year))};
}

bool isplayer(const ProgramState& g, const std::string& name) {
    for (int p = 1; p <= g.playercount && p <= maxplayers; ++p)
        if (g.playername[p] == name) return true;
    return false;
}

std::pair<std::string, std::string> split(const std::string& s) {
    const auto eq = s.find('=');
    if (eq == std::string::npos) return {s, ""};
    return {s.substr(0, eq), s.substr(eq + 1)};
}

// ---- matchplay ----

std::string marks(ProgramState& g, MatchFile& f, const MatchOptions& m) {
    for (const auto& [names, on] : {std::pair{&m.substituteonly, true}, {&m.regulars, false}})
        for (const std::string& name : *names) {
            if (!isplayer(g, name)) return "no player named '" + name + "' in the league";
            marksubstituteonly(f, name, on);
        }
    return "";
}

int changesettings(CliContext& ctx, const CliRequest& r, Held& h) {
    MatchSeason& s = h.season;
    const MatchSettings before = s.file.settings;
    const std::vector<std::string> sidesbefore = sidenames(s);
    for (const std::string& kv : r.match.sets)
        if (const Outcome o = applysetting(s.file.settings, kv); !o) {
            ctx.err << "greenfold-cli: " << o.messages.front().text << "\n";
            return exit_usage;
        }
    if (std::string problem = marks(*h.opened.g, s.file, r.match); !problem.empty())
        return fail(ctx, problem);
    refreshseason(s, *h.opened.g);
    if (reshapes(before, s.file.settings) || sidenames(s) != sidesbefore) {
        const std::size_t weeks = s.file.schedule.weeks.size();
        clearunplayed(s.file.schedule, playednights(s.file.schedule, s.nights));
        if (s.file.schedule.weeks.size() != weeks)
            ctx.err << "greenfold-cli: the format, the holes or the sides changed: the "
                       "schedule's weeks not yet played are cleared; make it again with "
                       "'schedule --make'\n";
        refreshseason(s, *h.opened.g);
    }
    complete(s);
    return save(ctx, r, h);
}

// ---- schedule ----

int makeschedule(CliContext& ctx, const CliRequest& r, Held& h) {
    MatchSeason& s = h.season;
    const MatchOptions& m = r.match;
    SchedulePlan plan;
    plan.weeks = *m.weeks;
    plan.first = nightdate(*m.first);
    for (const CalendarDate& d : m.skips) plan.skip.push_back(nightdate(d));
    plan.positions = m.positions;
    const Outcome made =
        newschedule(s.file, s.sides, plan, playednights(s.file.schedule, s.nights), m.force);
    if (!made) return fail(ctx, made.messages.front().text);
    refreshseason(s, *h.opened.g);
    complete(s);
    return save(ctx, r, h);
}

int rainout(CliContext& ctx, const CliRequest& r, Held& h) {
    MatchSeason& s = h.season;
    const Nights played = playednights(s.file.schedule, s.nights);
    const Outcome done = r.match.postpone ? postpone(s.file.schedule, *r.match.rainout, played)
                                          : cancel(s.file.schedule, *r.match.rainout, played);
    if (!done) return fail(ctx, done.messages.front().text);
    refreshseason(s, *h.opened.g);
    complete(s);
    return save(ctx, r, h);
}

// ---- sheet ----

using Edit = Outcome (*)(WeekSheet&, const SheetContext&, std::string_view);

std::string applyedits(WeekSheet& sheet, const SheetContext& c, const MatchOptions& m) {
    const std::pair<const std::vector<std::string>*, Edit> plain[] = {{&m.present, setpresent},
                                                                      {&m.absent, markabsent},
                                                                      {&m.forfeits, setforfeit},
                                                                      {&m.teammates, setteammate}};
    for (const auto& [names, edit] : plain)
        for (const std::string& name : *names)
            if (const Outcome o = edit(sheet, c, name); !o) return o.messages.front().text;
    for (const std::string& d : m.draws) {
        const auto [name, card] = split(d);
        const bool named = d.find('=') != std::string::npos;
        if (const Outcome o = setdraw(sheet, c, name, named ? std::optional(card) : std::nullopt);
            !o)
            return o.messages.front().text;
    }
    for (const std::string& sub : m.subs) {
        const auto [name, substitute] = split(sub);
        if (const Outcome o = setsubstitute(sheet, c, name, substitute); !o)
            return o.messages.front().text;
    }
    for (const std::string& mh : m.mhs) {
        const auto [name, value] = split(mh);
        int n = 0;
        const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), n);
        if (ec != std::errc() || end != value.data() + value.size())
            return "--mh takes NAME=N, a whole number, not '" + mh + "'";
        if (const Outcome o = typehandicap(sheet, c, name, n); !o) return o.messages.front().text;
    }
    return "";
}

std::string sheetusage(const MatchOptions& m) {
    for (const std::string& s : m.subs)
        if (s.find('=') == std::string::npos) return "--sub takes NAME=SUBSTITUTE, not '" + s + "'";
    for (const std::string& s : m.mhs)
        if (s.find('=') == std::string::npos) return "--mh takes NAME=N, not '" + s + "'";
    return "";
}

const Week* weekof(CliContext& ctx, const MatchSeason& s, int number) {
    const Week* w = findweek(s.file.schedule, number);
    if (!w) fail(ctx, "the schedule has no week " + std::to_string(number));
    return w;
}

} // namespace

int runmatchplay(CliContext& ctx, const CliRequest& r) {
    const MatchOptions& m = r.match;
    const bool changes = !m.sets.empty() || !m.substituteonly.empty() || !m.regulars.empty();
    Held h = openmatches(ctx, r, changes ? Access::write : Access::read, false);
    if (!h) return exit_data;
    if (changes)
        if (const int status = changesettings(ctx, r, h); status != exit_ok) return status;
    return deliver(ctx, r, lines(settinglines(h.season.file.settings)));
}

int runschedule(CliContext& ctx, const CliRequest& r) {
    const MatchOptions& m = r.match;
    Held h = openmatches(ctx, r, m.make || m.rainout ? Access::write : Access::read);
    if (!h) return exit_data;
    if (m.make || m.rainout)
        if (const int status = m.make ? makeschedule(ctx, r, h) : rainout(ctx, r, h);
            status != exit_ok)
            return status;
    const Schedule& s = h.season.file.schedule;
    return deliver(ctx, r,
                   r.csv ? csv(scheduleheading(), schedulecells(s))
                         : lines(schedulelines(h.season.league, s)));
}

int runsheet(CliContext& ctx, const CliRequest& r) {
    if (std::string usage = sheetusage(r.match); !usage.empty()) {
        ctx.err << "greenfold-cli: " << usage << "\n";
        return exit_usage;
    }
    Held h = openmatches(ctx, r, Access::write);
    if (!h) return exit_data;
    MatchSeason& s = h.season;
    complete(s);
    std::mt19937 engine{std::random_device{}()};
    const Outcome edited = editsheet(
        s, *h.opened.g, *r.match.week,
        [&](WeekSheet& sheet, const SheetContext& c) {
            const std::string problem = applyedits(sheet, c, r.match);
            return problem.empty() ? Outcome{} : Outcome::failure({problem, "Greenfold"});
        },
        [&](int count) { return count <= 1 ? 0 : int(engine() % unsigned(count)); });
    if (!edited) return fail(ctx, edited.messages.front().text);
    if (const int status = save(ctx, r, h); status != exit_ok) return status;
    const Week& w = *findweek(s.file.schedule, *r.match.week);
    return deliver(ctx, r, lines(sheetlines(s.league, w, *s.file.sheet(w.number))));
}

int runmatches(CliContext& ctx, const CliRequest& r) {
    Held h = openmatches(ctx, r, Access::read);
    if (!h) return exit_data;
    MatchSeason& s = h.season;
    complete(s); // what the next save keeps; nothing is written here
    const int number = r.match.week ? *r.match.week : newestweek(s.file.schedule, s.nights);
    if (number == 0) {
        ctx.err << "greenfold-cli: no week of " << s.league << " has rounds yet\n";
        return deliver(ctx, r, r.csv ? csv(matchesheading(), {}) : "");
    }
    const Week* w = weekof(ctx, s, number);
    if (!w) return exit_data;
    const WeekResult week = weekresult(s, *w);
    return deliver(ctx, r,
                   r.csv ? csv(matchesheading(), matchescells(week, s.file.settings))
                         : lines(matcheslines(s.league, week, s.file.settings)));
}

int runmatchstandings(CliContext& ctx, const CliRequest& r) {
    Held h = openmatches(ctx, r, Access::read);
    if (!h) return exit_data;
    MatchSeason& s = h.season;
    complete(s);
    const std::vector<TableRow> table = standings(s.file, s.sides.sides, s.nights);
    return deliver(ctx, r,
                   r.csv ? csv(standingsheading(), standingscells(table))
                         : lines(standingslines(s.league, table)));
}

int runpostweek(CliContext& ctx, const CliRequest& r) {
    Held h = openmatches(ctx, r, Access::write);
    if (!h) return exit_data;
    MatchSeason& s = h.season;
    complete(s);
    const Week* w = weekof(ctx, s, *r.match.week);
    if (!w) return exit_data;
    if (!weekplayed(*w, playednights(s.file.schedule, s.nights)))
        return fail(ctx, "week " + std::to_string(w->number) + " has not been played");
    const Outcome posted = postmatchweek(*h.opened.g, s, *w, r.dir);
    if (!posted) return fail(ctx, posted.messages.front().text);
    std::string text = posted.messages.back().text;
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
    return deliver(ctx, r, text + "\n");
}

} // namespace greenfold
