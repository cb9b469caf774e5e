#include "matchplay/settings.h"

#include <array>
#include <charconv>
#include <functional>

namespace greenfold::matchplay {

namespace {

std::optional<int> number(std::string_view text, int lo, int hi) {
    int v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || v < lo || v > hi)
        return std::nullopt;
    return v;
}

// A cap of points: a whole number or one with ".5" (".0" too), 0.5 .. 99.
std::optional<Points> capvalue(std::string_view text) {
    const auto point = text.find('.');
    const auto whole = number(text.substr(0, point), 0, 99);
    if (!whole) return std::nullopt;
    int halves = 2 * *whole;
    if (point != std::string_view::npos) {
        const std::string_view frac = text.substr(point + 1);
        if (frac != "0" && frac != "5") return std::nullopt;
        halves += frac == "5" ? 1 : 0;
    }
    if (halves < 1 || halves > maxsubstitutecap) return std::nullopt;
    return Points{halves};
}

// One key: how it shows and how a value is taken (false: the value is not allowed) and
// the allowed values for the message.
struct Key {
    const char* name;
    const char* allowed;
    std::function<std::string(const MatchSettings&)> show;
    std::function<bool(MatchSettings&, std::string_view)> take;
};

// A setting of two or three words.
template <typename E, std::size_t N>
Key wordkey(const char* name, const char* allowed, E MatchSettings::*field,
            std::array<const char*, N> words) {
    return {name, allowed, [=](const MatchSettings& s) { return words[std::size_t(s.*field)]; },
            [=](MatchSettings& s, std::string_view v) {
                for (std::size_t k = 0; k < N; ++k)
                    if (v == words[k]) {
                        s.*field = static_cast<E>(k);
                        return true;
                    }
                return false;
            }};
}

Key onoffkey(const char* name, bool MatchSettings::*field) {
    return {name, "on or off", [=](const MatchSettings& s) { return s.*field ? "on" : "off"; },
            [=](MatchSettings& s, std::string_view v) {
                if (v != "on" && v != "off") return false;
                s.*field = v == "on";
                return true;
            }};
}

Key numberkey(const char* name, const char* allowed, int MatchSettings::*field, int lo, int hi) {
    return {name, allowed, [=](const MatchSettings& s) { return std::to_string(s.*field); },
            [=](MatchSettings& s, std::string_view v) {
                const auto n = number(v, lo, hi);
                if (n) s.*field = *n;
                return n.has_value();
            }};
}

Key pointskey(const char* name, int MatchSettings::*field) {
    return numberkey(name, "0 to 9", field, 0, maxsettingpoints);
}

Key holeskey() {
    return {"holes", "9 or 18", [](const MatchSettings& s) { return std::to_string(s.holes); },
            [](MatchSettings& s, std::string_view v) {
                if (v != "9" && v != "18") return false;
                s.holes = v == "9" ? 9 : 18;
                return true;
            }};
}

Key capkey() {
    return {"substitute-cap", "none, or 0.5 to 99 in halves",
            [](const MatchSettings& s) {
                return s.substitutecap ? pointstext(*s.substitutecap) : std::string("none");
            },
            [](MatchSettings& s, std::string_view v) {
                if (v == "none") {
                    s.substitutecap.reset();
                    return true;
                }
                const auto cap = capvalue(v);
                if (cap) s.substitutecap = cap;
                return cap.has_value();
            }};
}

const std::vector<Key>& keys() {
    using S = MatchSettings;
    static const std::vector<Key> all = {
        onoffkey("match-play", &S::on),
        wordkey("format", "individual or teams", &S::format, std::array{"individual", "teams"}),
        holeskey(),
        wordkey("nines", "alternate, front or back", &S::nines,
                std::array{"alternate", "front", "back"}),
        numberkey("allowance", "0 to 100", &S::allowance, 0, 100),
        numberkey("best-ball-allowance", "0 to 100", &S::bestballallowance, 0, 100),
        wordkey("strokes", "difference or full", &S::strokes, std::array{"difference", "full"}),
        numberkey("max-strokes", "0 to 54", &S::maxstrokes, 0, maxmaxstrokes),
        pointskey("hole-points", &S::holepoints),
        wordkey("halved", "split or carry", &S::halved, std::array{"split", "carry"}),
        pointskey("nine-holes-points", &S::nineholespoints),
        pointskey("nine-net-points", &S::ninenetpoints),
        pointskey("match-holes-points", &S::matchholespoints),
        pointskey("match-net-points", &S::matchnetpoints),
        pointskey("team-net-points", &S::teamnetpoints),
        pointskey("team-aggregate-points", &S::teamaggregatepoints),
        pointskey("best-ball-points", &S::bestballpoints),
        wordkey("absent", "phantom or forfeit", &S::absent, std::array{"phantom", "forfeit"}),
        wordkey("phantom-card", "par, draw or teammate", &S::phantomcard,
                std::array{"par", "draw", "teammate"}),
        numberkey("penalty", "0 to 9", &S::penalty, 0, maxpenalty),
        wordkey("phantom-points", "count or lost", &S::phantompoints, std::array{"count", "lost"}),
        capkey(),
        numberkey("bye-points", "0 to 99", &S::byepoints, 0, maxbyepoints),
        onoffkey("tie-breaks", &S::tiebreaks),
    };
    return all;
}

Message problem(std::string text) {
    return {std::move(text), "Greenfold", Icon::exclamation};
}

} // namespace

MatchSettings defaultsettings(bool leaguehasteams) {
    MatchSettings s;
    s.format = leaguehasteams ? Format::teams : Format::individual;
    return s;
}

std::vector<std::string> settinglines(const MatchSettings& s) {
    std::vector<std::string> out;
    for (const Key& k : keys()) out.push_back(std::string(k.name) + '=' + k.show(s));
    return out;
}

Outcome applysetting(MatchSettings& s, std::string_view keyvalue) {
    const auto eq = keyvalue.find('=');
    const std::string_view key = keyvalue.substr(0, eq);
    for (const Key& k : keys()) {
        if (key != k.name) continue;
        const std::string_view value =
            eq == std::string_view::npos ? std::string_view() : keyvalue.substr(eq + 1);
        MatchSettings changed = s;
        if (eq == std::string_view::npos || !k.take(changed, value))
            return Outcome::failure(problem(std::string(k.name) + ": '" + std::string(value) +
                                            "' is not allowed (" + k.allowed + ")"));
        s = changed;
        return {};
    }
    return Outcome::failure(problem("'" + std::string(key) + "' is not a match play setting"));
}

bool reshapes(const MatchSettings& before, const MatchSettings& after) {
    return before.format != after.format || before.holes != after.holes;
}

Points singlestake(const MatchSettings& s) {
    return singlestake(s, s.holes);
}

Points singlestake(const MatchSettings& s, int holes) {
    int whole = s.holepoints * holes + s.matchholespoints + s.matchnetpoints;
    if (holes == 18) whole += 2 * (s.nineholespoints + s.ninenetpoints);
    return Points::whole(whole);
}

Points teamstake(const MatchSettings& s) {
    return singlestake(s) + singlestake(s) +
           Points::whole(s.teamnetpoints + (s.teamaggregatepoints + s.bestballpoints) * s.holes);
}

bool teamparts(const MatchSettings& s) {
    return s.teamnetpoints > 0 || s.teamaggregatepoints > 0 || s.bestballpoints > 0;
}

} // namespace greenfold::matchplay
