#include "model/latestfile.h"

#include "model/textline.h"

#include <algorithm>
#include <fstream>

namespace greenfold {

namespace {

// The font name is read as a delimited field: up to the first comma, without the
// blanks and quotes around it.
std::string fontfield(std::string_view line) {
    line = line.substr(0, line.find(','));
    auto first = line.find_first_not_of(" \t\"");
    if (first == std::string_view::npos) return "";
    auto last = line.find_last_not_of(" \t\"");
    return std::string(line.substr(first, last - first + 1));
}

struct Latest {
    int16_t leaguecount = 0;
    std::array<std::string, maxleagues + 1> leaguelist{};
    float hcpfactor = 0;
    std::string printfont;
    int16_t ninehole = 0, leagueindex = 0, hcplimit = 0, dateremind = 0;
};

bool parselatest(LineReader& lines, Latest& l) {
    auto count = lines.nextinteger();
    if (!count || *count < 0 || *count > maxleagues) return false;
    l.leaguecount = *count;
    for (int n = 1; n <= l.leaguecount; ++n) {
        auto name = lines.next();
        if (!name) return false;
        l.leaguelist[n] = std::string(*name);
    }
    auto factor = lines.nextsingle();
    auto font = lines.next();
    auto nine = lines.nextinteger();
    auto index = lines.nextinteger();
    auto limit = lines.nextinteger();
    auto remind = lines.nextinteger();
    if (!factor || !font || !nine || !index || !limit || !remind) return false;
    l.hcpfactor = *factor;
    l.printfont = fontfield(*font);
    l.ninehole = *nine;
    l.leagueindex = *index;
    l.hcplimit = *limit;
    l.dateremind = *remind;
    return true;
}

} // namespace

bool readlatest(std::istream& in, ProgramState& g) {
    LineReader lines(in);
    Latest l;
    if (!parselatest(lines, l)) return false;
    g.leaguecount = l.leaguecount;
    g.leaguelist = std::move(l.leaguelist);
    g.hcpfactor = l.hcpfactor < 0.5f ? 0.96f : l.hcpfactor;
    g.printfont = l.printfont.empty() ? "Courier New" : l.printfont;
    g.ninehole = l.ninehole;
    g.leagueindex = l.leagueindex;
    g.hcplimit = l.hcplimit;
    g.dateremind = l.dateremind;
    return true;
}

Message latestloadfailure() {
    return {"Cannot Load GrnFld.DAT, Please check your working\r\ndirectory or Launchers startup "
            "directory setting.",
            "Greenfold", Icon::none};
}

Message latestsavefailure() {
    return {"Cannot Write GrnFld.DAT, Please check disk write protect.", "Greenfold", Icon::none};
}

Outcome loadlatest(ProgramState& g, const fs::path& dir) {
    const fs::path file = findfile(dir, latestfilename);
    std::ifstream in(file, std::ios::binary);
    if (in && readlatest(in, g)) return {};
    if (in) markdamaged(g.damagedfiles, file);
    return Outcome::failure(latestloadfailure());
}

std::string latestbytes(const ProgramState& g) {
    LineWriter out;
    const int count = std::clamp<int>(g.leaguecount, 0, maxleagues);
    out.integer(count);
    for (int n = 1; n <= count; ++n) out.text(g.leaguelist[n]);
    out.single(g.hcpfactor).text(g.printfont).integer(g.ninehole).integer(g.leagueindex);
    out.integer(g.hcplimit).integer(g.dateremind);
    return out.str();
}

Outcome savelatest(ProgramState& g, const fs::path& dir, const StreamWrap& wrap) {
    return safesave(g.damagedfiles, findfile(dir, latestfilename), latestbytes(g),
                    latestsavefailure(), wrap);
}

} // namespace greenfold
