#include "results/seasons.h"

#include "model/leaguelist.h"
#include "model/resultsname.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>

namespace greenfold {

namespace {

std::string lower(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

bool digits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "2026" or "2026-2" after the league's name and a dash: the season's year and number.
std::optional<SeasonChoice> keptname(std::string_view rest) {
    const std::string_view year = rest.substr(0, 4);
    if (rest.size() < 4 || !digits(year)) return std::nullopt;
    SeasonChoice s;
    std::from_chars(year.data(), year.data() + year.size(), s.year);
    if (rest.size() == 4) return s;
    const std::string_view number = rest.substr(5);
    if (rest[4] != '-' || !digits(number) || number.size() > 4) return std::nullopt;
    std::from_chars(number.data(), number.data() + number.size(), s.number);
    return s.number >= 2 ? std::optional(s) : std::nullopt;
}

bool knownleague(const ProgramState& g, const std::string& stem) {
    for (int n = 1; n <= g.leaguecount && n <= maxleagues; ++n)
        if (lower(g.leaguelist[n]) == stem) return true;
    return false;
}

} // namespace

std::vector<SeasonChoice> seasonchoices(const ProgramState& g, const fs::path& dir) {
    std::vector<SeasonChoice> kept;
    const std::string prefix = lower(leaguename(g)) + "-";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(dir.empty() ? "." : dir, ec)) {
        const std::string name = entry.path().filename().string();
        const std::string low = lower(name);
        const std::string suffix = resultssuffix;
        if (g.leaguefile.empty() || !low.starts_with(prefix) || !low.ends_with(suffix) ||
            low.size() <= prefix.size() + suffix.size())
            continue;
        const std::string stem = low.substr(0, low.size() - suffix.size());
        auto s = keptname(std::string_view(stem).substr(prefix.size()));
        if (!s || knownleague(g, stem)) continue;
        s->file = name;
        kept.push_back(*s);
    }
    std::sort(kept.begin(), kept.end(), [](const SeasonChoice& a, const SeasonChoice& b) {
        return a.year != b.year ? a.year > b.year : a.number > b.number;
    });
    kept.insert(kept.begin(), SeasonChoice{});
    return kept;
}

std::string seasoncaption(const SeasonChoice& s) {
    if (!s.kept()) return "This season";
    return std::to_string(s.year) + " season" +
           (s.number > 1 ? " (" + std::to_string(s.number) + ")" : "");
}

LoadedResults loadseason(ProgramState& g, const SeasonChoice& s, const fs::path& dir) {
    if (!s.kept()) return loadresults(g, dir);
    LoadedResults r;
    std::ifstream in(findfile(dir, s.file), std::ios::binary);
    r.exists = bool(in);
    if (auto read = readresults(in)) {
        r.file = std::move(*read);
        return r;
    }
    r.outcome.add({"The kept season " + s.file + " could not be read; it is left as it is.",
                   "Greenfold", Icon::exclamation});
    return r;
}

std::string nonighttext(const ResultsFile& f) {
    return f.started ? "A new season started on " + nighttext(*f.started) + " and has no night yet."
                     : "This season has no night yet.";
}

Message nothingtodo(const ResultsFile& f, SeasonCommand command) {
    switch (command) {
    case SeasonCommand::print:
        return {"There is nothing to print. " + nonighttext(f), "Print", Icon::information};
    case SeasonCommand::printskins:
        return {"There are no skins to print. " + nonighttext(f), "Print Skins", Icon::information};
    case SeasonCommand::postteams:
        return {"There is no night to post to the teams. " + nonighttext(f), "Post to Teams",
                Icon::information};
    case SeasonCommand::webpage:
        return {"There are no standings to put on a web page. " + nonighttext(f),
                "Save as Web Page", Icon::information};
    }
    return {};
}

Message keptseasonreadonly(const SeasonChoice& s) {
    return {"The " + seasoncaption(s) + " is kept as it ended (" + s.file +
                "): its nights are shown, not posted to the teams again. Choose This season "
                "to post a night.",
            "Post to Teams", Icon::information};
}

} // namespace greenfold
