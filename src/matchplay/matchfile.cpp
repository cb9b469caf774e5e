#include "matchplay/matchfile.h"

#include "model/programstate.h"
#include "model/textline.h"

#include <algorithm>
#include <chrono>
#include <set>

namespace greenfold::matchplay {

namespace {

bool inrange(const std::optional<int16_t>& v, int lo, int hi) {
    return v && *v >= lo && *v <= hi;
}

// The reader: every value checked as it is read; the first fault ends the read.
class Reader {
  public:
    explicit Reader(std::istream& in) : lines_(in) {}

    int number(int lo, int hi) {
        const auto v = lines_.nextinteger();
        if (!inrange(v, lo, hi)) ok_ = false;
        return ok_ ? *v : lo;
    }
    bool flag() { return number(0, 1) == 1; }
    template <typename E> E choice(int last) { return static_cast<E>(number(0, last)); }
    std::string text(bool mayempty = false) {
        const auto v = lines_.next();
        std::string s = v ? stripcontrols(*v) : std::string();
        if (!v || (!mayempty && s.empty())) ok_ = false;
        return s;
    }
    NightDate date(bool mayempty = false);
    bool ok() const { return ok_; }
    void fail() { ok_ = false; }
    bool atend() const { return lines_.atend(); }

  private:
    LineReader lines_;
    bool ok_ = true;
};

std::optional<NightDate> parsedate(std::string_view s) {
    if (s.size() != 8 || s[2] != '/' || s[5] != '/') return std::nullopt;
    const auto digits = [&](std::size_t at) {
        const char a = s[at], b = s[at + 1];
        if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
        return (a - '0') * 10 + (b - '0');
    };
    const int m = digits(0), d = digits(3), y = digits(6);
    using namespace std::chrono;
    if (m < 1 || d < 1 || y < 0 ||
        !year_month_day{year{fullyear(y)}, month{unsigned(m)}, day{unsigned(d)}}.ok())
        return std::nullopt;
    return NightDate{int16_t(m), int16_t(d), int16_t(y)};
}

NightDate Reader::date(bool mayempty) {
    const std::string s = text(mayempty);
    if (mayempty && s.empty()) return {};
    const auto d = parsedate(s);
    if (!d) ok_ = false;
    return d.value_or(NightDate{});
}

std::string datetext(const NightDate& d) {
    return d == NightDate{} ? std::string() : nighttext(d);
}

void readsettings(Reader& in, MatchSettings& s) {
    s.on = in.flag();
    s.format = in.choice<Format>(1);
    s.holes = in.number(9, 18);
    if (s.holes != 9 && s.holes != 18) in.fail();
    s.nines = in.choice<Nines>(2);
    s.allowance = in.number(0, 100);
    s.bestballallowance = in.number(0, 100);
    s.strokes = in.choice<Strokes>(1);
    s.maxstrokes = in.number(0, maxmaxstrokes);
    s.holepoints = in.number(0, maxsettingpoints);
    s.halved = in.choice<Halved>(1);
    for (int MatchSettings::*p :
         {&MatchSettings::nineholespoints, &MatchSettings::ninenetpoints,
          &MatchSettings::matchholespoints, &MatchSettings::matchnetpoints,
          &MatchSettings::teamnetpoints, &MatchSettings::teamaggregatepoints,
          &MatchSettings::bestballpoints})
        s.*p = in.number(0, maxsettingpoints);
    s.absent = in.choice<AbsentFill>(1);
    s.phantomcard = in.choice<PhantomCard>(2);
    s.penalty = in.number(0, maxpenalty);
    s.phantompoints = in.choice<PhantomPoints>(1);
    const int cap = in.number(0, maxsubstitutecap);
    s.substitutecap = cap > 0 ? std::optional<Points>(Points{cap}) : std::nullopt;
    s.byepoints = in.number(0, maxbyepoints);
    s.tiebreaks = in.flag();
}

void writesettings(LineWriter& out, const MatchSettings& s) {
    out.integer(s.on).integer(int(s.format)).integer(s.holes).integer(int(s.nines));
    out.integer(s.allowance).integer(s.bestballallowance).integer(int(s.strokes));
    out.integer(s.maxstrokes).integer(s.holepoints).integer(int(s.halved));
    out.integer(s.nineholespoints).integer(s.ninenetpoints).integer(s.matchholespoints);
    out.integer(s.matchnetpoints).integer(s.teamnetpoints).integer(s.teamaggregatepoints);
    out.integer(s.bestballpoints).integer(int(s.absent)).integer(int(s.phantomcard));
    out.integer(s.penalty).integer(int(s.phantompoints));
    out.integer(s.substitutecap ? s.substitutecap->halves : 0).integer(s.byepoints);
    out.integer(s.tiebreaks);
}

std::vector<std::string> readnames(Reader& in, int most) {
    const int n = in.number(0, most);
    std::vector<std::string> out;
    for (int k = 0; k < n && in.ok(); ++k) out.push_back(in.text());
    if (std::set<std::string>(out.begin(), out.end()).size() != out.size()) in.fail();
    return out;
}

// Ascending and without repeats.
template <typename T> bool ascending(const std::vector<T>& v) {
    return std::adjacent_find(v.begin(), v.end(),
                              [](const T& a, const T& b) { return !(a < b); }) == v.end();
}

void readplan(Reader& in, SchedulePlan& p) {
    p.weeks = in.number(0, maxweeks);
    p.first = in.date(true);
    const int skips = in.number(0, maxskipdates);
    for (int k = 0; k < skips && in.ok(); ++k) p.skip.push_back(in.date());
    const int positions = in.number(0, maxweeks);
    for (int k = 0; k < positions && in.ok(); ++k) p.positions.push_back(in.number(1, maxweeks));
    if (!ascending(p.positions)) in.fail();
}

// A week's pairs: each side once, the bye (at most one) last.
bool goodpairs(const std::vector<Pair>& pairs) {
    std::set<std::string> seen;
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const Pair& p = pairs[k];
        if (p.bye() && k + 1 != pairs.size()) return false;
        if (!seen.insert(p.side1).second || (!p.bye() && !seen.insert(p.side2).second))
            return false;
    }
    return true;
}

Week readweek(Reader& in) {
    Week w;
    w.number = in.number(1, maxweeks);
    w.date = in.date();
    w.nine = in.choice<Nine>(2);
    w.position = in.flag();
    w.paired = in.flag();
    w.cancelled = in.flag();
    const int pairs = in.number(0, maxsides / 2);
    for (int k = 0; k < pairs && in.ok(); ++k) {
        Pair p;
        p.side1 = in.text();
        p.side2 = in.text(true);
        w.pairs.push_back(std::move(p));
    }
    if (!goodpairs(w.pairs) || (!w.paired && (!w.position || !w.pairs.empty()))) in.fail();
    return w;
}

Entry readentry(Reader& in) {
    Entry e;
    e.player = in.text();
    e.kind = in.choice<SlotKind>(2);
    e.substitute = in.text(true);
    e.fill = in.choice<AbsentFill>(1);
    e.card = in.choice<PhantomCard>(2);
    e.drawn = in.text(true);
    e.byhand = in.flag();
    const bool drawing =
        e.kind == SlotKind::absent && e.fill == AbsentFill::phantom && e.card == PhantomCard::draw;
    if ((e.kind == SlotKind::substitute) == e.substitute.empty() || (!drawing && !e.drawn.empty()))
        in.fail();
    return e;
}

WeekSheet readsheet(Reader& in) {
    WeekSheet s;
    s.week = in.number(1, maxweeks);
    const int sides = in.number(0, maxsides);
    std::set<std::string> names, players;
    for (int k = 0; k < sides && in.ok(); ++k) {
        SideSheet ss{in.text(), {}};
        const int slots = in.number(0, maxsheetslots);
        for (int j = 0; j < slots && in.ok(); ++j) {
            ss.entries.push_back(readentry(in));
            if (!players.insert(ss.entries.back().player).second) in.fail();
        }
        if (!names.insert(ss.side).second) in.fail();
        s.sides.push_back(std::move(ss));
    }
    const int typed = in.number(0, maxtyped);
    std::set<std::string> typednames;
    for (int k = 0; k < typed && in.ok(); ++k) {
        TypedHandicap t;
        t.name = in.text();
        t.mh = in.number(-maxtypedmh, maxtypedmh);
        if (!typednames.insert(t.name).second) in.fail();
        s.typed.push_back(std::move(t));
    }
    return s;
}

void writeweek(LineWriter& out, const Week& w) {
    out.integer(w.number).text(nighttext(w.date)).integer(int(w.nine)).integer(w.position);
    out.integer(w.paired).integer(w.cancelled).integer(long(w.pairs.size()));
    for (const Pair& p : w.pairs) out.text(p.side1).text(p.side2);
}

void writesheet(LineWriter& out, const WeekSheet& s) {
    out.integer(s.week).integer(long(s.sides.size()));
    for (const SideSheet& ss : s.sides) {
        out.text(ss.side).integer(long(ss.entries.size()));
        for (const Entry& e : ss.entries) {
            out.text(e.player).integer(int(e.kind)).text(e.substitute).integer(int(e.fill));
            out.integer(int(e.card)).text(e.drawn).integer(e.byhand);
        }
    }
    out.integer(long(s.typed.size()));
    for (const TypedHandicap& t : s.typed) out.text(t.name).integer(t.mh);
}

void renamein(std::string& field, const std::string& oldname, const std::string& newname) {
    if (field == oldname) field = newname;
}

void renameside(MatchFile& f, const std::string& oldname, const std::string& newname) {
    for (Week& w : f.schedule.weeks)
        for (Pair& p : w.pairs) {
            renamein(p.side1, oldname, newname);
            renamein(p.side2, oldname, newname);
        }
    for (WeekSheet& s : f.sheets)
        for (SideSheet& ss : s.sides) renamein(ss.side, oldname, newname);
}

} // namespace

const WeekSheet* MatchFile::sheet(int week) const {
    for (const WeekSheet& s : sheets)
        if (s.week == week) return &s;
    return nullptr;
}

WeekSheet& MatchFile::sheetfor(int week) {
    auto at = std::lower_bound(sheets.begin(), sheets.end(), week,
                               [](const WeekSheet& s, int w) { return s.week < w; });
    if (at == sheets.end() || at->week != week) at = sheets.insert(at, WeekSheet{week, {}, {}});
    return *at;
}

std::optional<MatchFile> readmatch(std::istream& stream) {
    Reader in(stream);
    if (in.text() != matchversion) return std::nullopt;
    MatchFile f;
    readsettings(in, f.settings);
    f.substituteonly = readnames(in, maxplayers);
    readplan(in, f.schedule.plan);
    const int weeks = in.number(0, maxweeks);
    for (int k = 0; k < weeks && in.ok(); ++k) f.schedule.weeks.push_back(readweek(in));
    const int sheets = in.number(0, maxweeks);
    for (int k = 0; k < sheets && in.ok(); ++k) f.sheets.push_back(readsheet(in));
    if (!in.ok() || !in.atend()) return std::nullopt;
    std::vector<int> numbers;
    for (const Week& w : f.schedule.weeks) numbers.push_back(w.number);
    std::vector<int> sheetweeks;
    for (const WeekSheet& s : f.sheets) sheetweeks.push_back(s.week);
    if (!ascending(numbers) || !ascending(sheetweeks)) return std::nullopt;
    return f;
}

std::string matchbytes(const MatchFile& f) {
    LineWriter out;
    out.text(matchversion);
    writesettings(out, f.settings);
    out.integer(long(f.substituteonly.size()));
    for (const std::string& n : f.substituteonly) out.text(n);
    const SchedulePlan& p = f.schedule.plan;
    out.integer(p.weeks).text(datetext(p.first)).integer(long(p.skip.size()));
    for (const NightDate& d : p.skip) out.text(nighttext(d));
    out.integer(long(p.positions.size()));
    for (int w : p.positions) out.integer(w);
    out.integer(long(f.schedule.weeks.size()));
    for (const Week& w : f.schedule.weeks) writeweek(out, w);
    out.integer(long(f.sheets.size()));
    for (const WeekSheet& s : f.sheets) writesheet(out, s);
    return out.str();
}

void marksubstituteonly(MatchFile& f, const std::string& player, bool on) {
    auto& marks = f.substituteonly;
    const auto at = std::find(marks.begin(), marks.end(), player);
    if (on && at == marks.end()) marks.push_back(player);
    if (!on && at != marks.end()) marks.erase(at);
}

void renameplayer(MatchFile& f, const std::string& oldname, const std::string& newname) {
    for (std::string& n : f.substituteonly) renamein(n, oldname, newname);
    for (WeekSheet& s : f.sheets) {
        for (SideSheet& ss : s.sides)
            for (Entry& e : ss.entries) {
                renamein(e.player, oldname, newname);
                renamein(e.substitute, oldname, newname);
                renamein(e.drawn, oldname, newname);
            }
        for (TypedHandicap& t : s.typed) renamein(t.name, oldname, newname);
    }
    if (f.settings.format == Format::individual) renameside(f, oldname, newname);
}

void renameteam(MatchFile& f, const std::string& oldname, const std::string& newname) {
    if (f.settings.format == Format::teams) renameside(f, oldname, newname);
}

} // namespace greenfold::matchplay
