#include "charts/compare.h"

#include "charts/chartplayer.h"
#include "model/textline.h"
#include "reports/printsteps.h"
#include "whs/roundfigures.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace greenfold {

namespace {

constexpr std::size_t namefield = 22;
constexpr std::size_t scalefield = 72;
constexpr std::size_t firstpage = 50;

std::string spaces(std::size_t n) {
    return std::string(n, ' ');
}

void pad(std::string& line, std::size_t width) {
    line += filler(line, width);
}

void heading(PrintSurface& s, const std::string& date) {
    s.printline("");
    s.printline("");
    s.setfontsize(18);
    s.setbold(true);
    s.printtext(spaces(14) + "Greenfold");
    s.setfontsize(10);
    s.printline(spaces(10) + date);
    s.printline("");
    s.printline("");
    s.setfontsize(12);
    s.printline(spaces(38) + "Hcp Index");
    s.printline(" ");
    s.setfontsize(10);
    s.printline("      Player                -5    0    5   10   15   20   25   30   35   40");
    s.printline("");
    s.printline("");
    s.printline(spaces(5) + std::string(79, '_'));
    s.printline("");
}

// The name filled to 22 characters, the star (none without an index), the line filled to
// 72 characters, then the value.
std::string starline(const std::string& name, std::optional<float> index,
                     const std::string& value) {
    std::string line = " " + name;
    pad(line, namefield);
    if (index) line += spaces(std::size_t(starstep(*index) + 6)) + "*";
    pad(line, scalefield);
    return line + value;
}

// Under the WHS method a plus index carries its "+" in the sign position, and a player
// who has no index yet has neither star nor value.
std::string whsline(const ProgramState& g, const Ranked& r) {
    const std::string& name = g.playername[r.slot];
    if (!r.indexed) return starline(name, std::nullopt, "");
    return starline(name, r.index, (r.index < 0 ? "" : " ") + whs::indexfigure(r.index));
}

} // namespace

std::string scalecaption1() {
    return spaces(36) + "10   15   20   25   30   35   40";
}

std::vector<Ranked> rankplayers(const ProgramState& g) {
    struct Keyed {
        bool indexed;
        float key;
        int slot;
    };
    std::vector<Keyed> keys;
    const bool whs = g.method == HandicapMethod::whs;
    const int count = std::clamp<int>(g.playercount, 0, maxplayers);
    for (int i = 1; i <= count; ++i)
        keys.push_back({!whs || !whs::noindexyet(g, i, keptrounds(g, i)),
                        currentindex(g, i) * 100.0f + float(i) / 1000.0f, i});
    std::stable_sort(keys.begin(), keys.end(), [](const Keyed& a, const Keyed& b) {
        return a.indexed != b.indexed ? a.indexed : a.key < b.key;
    });
    std::vector<Ranked> ranked;
    for (const auto& k : keys)
        ranked.push_back({k.slot, std::floor(k.key / 10.0f) / 10.0f, k.indexed});
    return ranked;
}

int starstep(float index) {
    const double v = std::floor(double(index) + 0.5);
    if (!(v <= 41)) return 41;
    if (v < -6) return -6;
    return int(v);
}

std::string compareline(const std::string& name, float index) {
    return starline(name, index, (index >= 0 ? " " : "") + generalformat(index));
}

std::vector<std::string> comparelines(const ProgramState& g) {
    std::vector<std::string> lines;
    for (const auto& r : rankplayers(g)) {
        if (keptrounds(g, r.slot) == 0) continue;
        lines.push_back(g.method == HandicapMethod::whs
                            ? whsline(g, r)
                            : compareline(g.playername[r.slot], r.index));
    }
    return lines;
}

Message listquestion() {
    return {"Ready to send List to the Printer.", "Greenfold", Icon::question};
}

void printcomparison(PrintSurface& s, const ProgramState& g, const std::vector<std::string>& lines,
                     const std::string& date) {
    const std::string font = reportfontname(g);
    s.setorientation(orientation_portrait);
    s.setfontname(font);
    heading(s, date);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // A listing of exactly 50 lines ends here rather than on a page with only the
        // heading.
        if (i == firstpage) {
            s.newpage();
            resetprintfont(s, font);
            s.setfontname(font);
            heading(s, date);
        }
        s.printline(spaces(5) + lines[i]);
    }
    s.enddocument();
}

} // namespace greenfold
