#include "results/resultsfile.h"

#include "model/resultsname.h"
#include "model/textline.h"
#include "results/nightrecord.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <numeric>

namespace greenfold {

namespace {

constexpr int fieldcount = 28; // date, course, tee, 18 holes, out, in, gross, index, base,
                               // handicap, net; the name follows

bool inrange(const std::optional<int16_t>& v, int lo, int hi) {
    return v && *v >= lo && *v <= hi;
}

std::optional<int> whole(std::string_view s, int lo, int hi) {
    int v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi) return std::nullopt;
    return v;
}

// "-" for none; else a number in range. ok false when the field is neither.
struct Maybe {
    std::optional<int> value;
    bool ok = false;
};
Maybe maybewhole(std::string_view s, int lo, int hi) {
    if (s == "-") return {std::nullopt, true};
    auto v = whole(s, lo, hi);
    return {v, v.has_value()};
}

// An index in tenths written "12.4", "-1.5" or "0.0".
Maybe maybeindex(std::string_view s) {
    if (s == "-") return {std::nullopt, true};
    const auto point = s.find('.');
    if (point == std::string_view::npos || point + 2 != s.size()) return {};
    const bool minus = !s.empty() && s.front() == '-';
    auto w = whole(s.substr(minus ? 1 : 0, point - (minus ? 1 : 0)), 0, 99);
    auto t = whole(s.substr(point + 1), 0, 9);
    if (!w || !t) return {};
    const int v = *w * 10 + *t;
    return {minus ? -v : v, true};
}

std::string indexfield(const std::optional<int>& tenths) {
    return tenths ? formatpattern(*tenths / 10.0, "0.0") : "-";
}
std::string wholefield(const std::optional<int>& v) {
    return v ? std::to_string(*v) : "-";
}

std::optional<NightDate> readdate(std::string_view s) {
    if (s.size() != 8 || s[2] != '/' || s[5] != '/') return std::nullopt;
    auto m = whole(s.substr(0, 2), 1, 12);
    auto d = whole(s.substr(3, 2), 1, 31);
    auto y = whole(s.substr(6, 2), 0, 99);
    if (!m || !d || !y) return std::nullopt;
    return NightDate{int16_t(*m), int16_t(*d), int16_t(*y)};
}

std::vector<std::string_view> fields(std::string_view line, std::string_view& rest) {
    std::vector<std::string_view> out;
    std::size_t pos = 0;
    while (int(out.size()) < fieldcount) {
        const auto space = line.find(' ', pos);
        if (space == std::string_view::npos) return {};
        out.push_back(line.substr(pos, space - pos));
        pos = space + 1;
    }
    rest = line.substr(pos);
    return out;
}

// A line carries all three of index, method handicap and handicap in effect, or none,
// and its net is what they make of the gross.
bool consistent(const ResultLine& l, const std::optional<int>& net) {
    if (l.index.has_value() != l.base.has_value() || l.base.has_value() != l.hcp.has_value())
        return false;
    return net == l.net();
}

std::optional<ResultLine> readline(std::string_view text) {
    std::string_view rest;
    const auto f = fields(text, rest);
    // A name never holds a control character, so it is written back as it was read.
    const std::string name = stripcontrols(rest);
    if (f.empty() || name.empty()) return std::nullopt;
    ResultLine l;
    auto date = readdate(f[0]);
    auto course = whole(f[1], 0, maxcourses);
    auto tee = whole(f[2], 0, tee_pro);
    if (!date || !course || !tee) return std::nullopt;
    l.date = *date;
    l.course = int16_t(*course);
    l.tee = int16_t(*tee);
    l.name = name;
    for (int h = 0; h < 18; ++h) {
        auto v = whole(f[std::size_t(3 + h)], 0, 99);
        if (!v) return std::nullopt;
        l.holes[std::size_t(h)] = int16_t(*v);
    }
    auto out = whole(f[21], 0, 999), in = whole(f[22], 0, 999), gross = whole(f[23], 0, 1998);
    if (!out || !in || !gross || *gross != *out + *in) return std::nullopt;
    l.out = int16_t(*out);
    l.in = int16_t(*in);
    const Maybe index = maybeindex(f[24]), base = maybewhole(f[25], -999, 999),
                hcp = maybewhole(f[26], -999, 999), net = maybewhole(f[27], -999, 2997);
    if (!index.ok || !base.ok || !hcp.ok || !net.ok) return std::nullopt;
    l.index = index.value;
    l.base = base.value;
    l.hcp = hcp.value;
    if (!consistent(l, net.value)) return std::nullopt;
    return l;
}

std::string linetext(const ResultLine& l) {
    std::string s =
        nighttext(l.date) + ' ' + std::to_string(l.course) + ' ' + std::to_string(l.tee);
    for (int16_t h : l.holes) s += ' ' + std::to_string(h);
    s += ' ' + std::to_string(l.out) + ' ' + std::to_string(l.in) + ' ' + std::to_string(l.gross());
    s += ' ' + indexfield(l.index) + ' ' + wholefield(l.base) + ' ' + wholefield(l.hcp) + ' ' +
         wholefield(l.net());
    return s + ' ' + l.name;
}

template <typename E> std::optional<E> readenum(LineReader& in, int last) {
    auto v = in.nextinteger();
    if (!inrange(v, 0, last)) return std::nullopt;
    return static_cast<E>(*v);
}

bool readpoints(LineReader& in, CompetitionSettings& s) {
    auto places = in.nextinteger();
    if (!inrange(places, 0, maxplaces)) return false;
    s.points.clear();
    for (int k = 0; k < *places; ++k) {
        auto v = in.nextinteger();
        if (!inrange(v, 0, 9999)) return false;
        s.points.push_back(*v);
    }
    auto part = in.nextinteger();
    if (!inrange(part, 0, 9999)) return false;
    s.participation = *part;
    return true;
}

bool readassigned(LineReader& in, CompetitionSettings& s) {
    auto count = in.nextinteger();
    if (!inrange(count, 0, maxplayers * 10)) return false;
    for (int k = 0; k < *count; ++k) {
        auto player = in.next();
        FlightAssignment a{player ? stripcontrols(*player) : "", {}};
        auto flight = in.next();
        a.flight = flight ? stripcontrols(*flight) : "";
        if (a.player.empty() || a.flight.empty()) return false;
        s.assigned.push_back(std::move(a));
    }
    return true;
}

// Version 2's lines: the skins played (0 off, 1 gross, 2 net, 3 both), carry-over, a carry
// past the last hole split, the stake as money ("5.00"); then how many players count for a team.
bool readversion2(LineReader& in, CompetitionSettings& s) {
    auto mode = readenum<SkinsMode>(in, 3);
    auto carry = in.nextinteger(), split = in.nextinteger();
    auto pottext = in.next();
    auto pot = pottext ? readcents(*pottext) : std::nullopt;
    auto team = in.nextinteger();
    if (!mode || !inrange(carry, 0, 1) || !inrange(split, 0, 1) || !pot ||
        !inrange(team, 0, maxplayers))
        return false;
    s.skins = {*mode, *carry == 1, *split == 1, *pot};
    s.teambest = *team;
    return true;
}

std::optional<CompetitionSettings> readsettings(LineReader& in, int version) {
    CompetitionSettings s;
    auto allowance = in.nextinteger();
    if (!inrange(allowance, 0, 100)) return std::nullopt;
    s.allowance = *allowance;
    auto scoring = readenum<Scoring>(in, 1);
    auto ties = readenum<TieRule>(in, 1);
    if (!scoring || !ties || !readpoints(in, s)) return std::nullopt;
    s.scoring = *scoring;
    s.ties = *ties;
    auto mode = readenum<FlightMode>(in, 2);
    auto count = in.nextinteger();
    auto draw = readenum<FlightDraw>(in, 1);
    auto best = in.nextinteger();
    if (!mode || !inrange(count, 1, maxflights) || !draw || !inrange(best, 0, 999))
        return std::nullopt;
    s.flights = *mode;
    s.flightcount = *count;
    s.draw = *draw;
    s.bestnights = *best;
    if (!readassigned(in, s)) return std::nullopt;
    if (version >= 2 && !readversion2(in, s)) return std::nullopt;
    return s;
}

// Version 3's draw: how many players, then a line each, "flight index name" (the flight
// 1 first, the index as a round line has it).
bool readdrawn(LineReader& in, ResultsFile& f) {
    auto count = in.nextinteger();
    if (!inrange(count, 0, maxresultlines)) return false;
    for (int k = 0; k < *count; ++k) {
        auto text = in.next();
        if (!text) return false;
        const std::string_view line = *text;
        const auto first = line.find(' '), second = line.find(' ', first + 1);
        if (first == std::string_view::npos || second == std::string_view::npos) return false;
        auto flight = whole(line.substr(0, first), 1, f.settings.flightcount);
        const Maybe index = maybeindex(line.substr(first + 1, second - first - 1));
        std::string name = stripcontrols(line.substr(second + 1));
        if (!flight || !index.ok || name.empty()) return false;
        f.drawn.push_back({std::move(name), *flight - 1, index.value});
    }
    return true;
}

int versionof(const std::optional<std::string_view>& line) {
    if (line == resultsversion) return 3;
    if (line == resultsversion2) return 2;
    return line == resultsversion1 ? 1 : 0;
}

} // namespace

std::strong_ordering NightDate::operator<=>(const NightDate& o) const {
    if (auto c = fullyear(year) <=> fullyear(o.year); c != 0) return c;
    if (auto c = month <=> o.month; c != 0) return c;
    return day <=> o.day;
}

std::string nighttext(const NightDate& d) {
    return formatpattern(d.month, "00") + '/' + formatpattern(d.day, "00") + '/' +
           formatpattern(d.year, "00");
}

std::string centstext(long long cents) {
    return std::to_string(cents / 100) + '.' + formatpattern(double(cents % 100), "00");
}

std::optional<int> readcents(std::string_view text) {
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view frac = point == std::string_view::npos ? "" : text.substr(point + 1);
    const auto digits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || whole.size() > 3 || frac.size() > 2 || !digits(whole) || !digits(frac))
        return std::nullopt;
    int cents = 0;
    for (char c : whole) cents = cents * 10 + (c - '0');
    for (std::size_t k = 0; k < 2; ++k) cents = cents * 10 + (k < frac.size() ? frac[k] - '0' : 0);
    return cents;
}

std::optional<int> ResultLine::net() const {
    if (!hcp) return std::nullopt;
    return gross() - *hcp;
}

bool ResultLine::totalsonly() const {
    return std::accumulate(holes.begin(), holes.end(), 0) == 0;
}

namespace {

// Version 3's line: the day the season was started, "MM/DD/YY", or empty when not known.
bool readstarted(LineReader& in, ResultsFile& f) {
    auto text = in.next();
    if (!text) return false;
    if (text->empty()) return true;
    f.started = readdate(*text);
    return f.started.has_value();
}

} // namespace

std::optional<ResultsFile> readresults(std::istream& in) {
    LineReader lines(in);
    const int version = versionof(lines.next());
    if (version == 0) return std::nullopt;
    ResultsFile f;
    auto settings = readsettings(lines, version);
    if (!settings) return std::nullopt;
    f.settings = std::move(*settings);
    if (version >= 3 && (!readstarted(lines, f) || !readdrawn(lines, f))) return std::nullopt;
    auto n = lines.nextinteger();
    if (!inrange(n, 0, maxresultlines)) return std::nullopt;
    f.lines.reserve(std::size_t(*n));
    for (int k = 0; k < *n; ++k) {
        auto text = lines.next();
        if (!text) return std::nullopt;
        auto line = readline(*text);
        if (!line) return std::nullopt;
        f.lines.push_back(std::move(*line));
    }
    if (!lines.atend()) return std::nullopt;
    // A new round goes in after the nights before it, so the nights are kept in order
    // even when a file was put together by hand.
    std::stable_sort(f.lines.begin(), f.lines.end(),
                     [](const ResultLine& a, const ResultLine& b) { return a.date < b.date; });
    return f;
}

std::string resultsbytes(const ResultsFile& f) {
    const CompetitionSettings& s = f.settings;
    LineWriter out;
    out.reserve(f.lines.size() * 90 + 200);
    out.text(resultsversion).integer(s.allowance).integer(int(s.scoring)).integer(int(s.ties));
    out.integer(long(s.points.size()));
    for (int p : s.points) out.integer(p);
    out.integer(s.participation).integer(int(s.flights)).integer(s.flightcount);
    out.integer(int(s.draw)).integer(s.bestnights).integer(long(s.assigned.size()));
    for (const FlightAssignment& a : s.assigned) out.text(a.player).text(a.flight);
    out.integer(int(s.skins.mode)).integer(s.skins.carryover).integer(s.skins.splitlast);
    out.text(centstext(s.skins.potcents)).integer(s.teambest);
    out.text(f.started ? nighttext(*f.started) : "");
    out.integer(long(f.drawn.size()));
    for (const DrawnPlayer& d : f.drawn)
        out.text(std::to_string(d.flight + 1) + ' ' + indexfield(d.index) + ' ' + d.player);
    out.integer(long(f.lines.size()));
    for (const ResultLine& l : f.lines) out.text(linetext(l));
    return out.str();
}

Message resultsloadfailure(const std::string& file) {
    return {"The results file " + file +
                " could not be read. The league's nights start again from here; the damaged "
                "file will be kept beside it when the results are saved.",
            "Greenfold", Icon::exclamation};
}

Message resultssavefailure() {
    return {"Error Creating Results File", "Greenfold", Icon::exclamation};
}

LoadedResults loadresults(ProgramState& g, const fs::path& dir) {
    LoadedResults r;
    const fs::path file = findfile(dir, resultsfilename(g.leaguefile));
    // A new file under WHS starts with the league's allowance for the competitions.
    if (g.method == HandicapMethod::whs) r.file.settings.allowance = g.allowance;
    std::error_code ec;
    if (g.leaguefile.empty()) return r;
    if (!fs::exists(file, ec)) {
        r.file = firstresults(g, r.file.settings);
        return r;
    }
    r.exists = true;
    std::ifstream in(file, std::ios::binary);
    auto read = readresults(in);
    if (!read) {
        markdamaged(g.damagedfiles, file);
        r.outcome.add(resultsloadfailure(file.filename().string()));
        return r;
    }
    r.file = std::move(*read);
    keepdraw(r.file, g);
    return r;
}

void stageresults(const ProgramState& g, const ResultsFile& f, LeagueCommit& commit) {
    commit.write(resultsfilename(g.leaguefile), resultsbytes(f), resultssavefailure());
}

Outcome saveresults(ProgramState& g, const ResultsFile& f, const fs::path& dir,
                    const StreamWrap& wrap) {
    LeagueCommit commit(dir, g.leaguefile);
    stageresults(g, f, commit);
    return commit.run(g.damagedfiles, wrap);
}

} // namespace greenfold
