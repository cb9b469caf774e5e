#include "reports/printsteps.h"

#include "model/textline.h"

namespace greenfold {

namespace {

// The start of each character of a UTF-8 text: every byte that is not a continuation.
bool charstart(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::size_t byteofchar(std::string_view text, std::size_t chars) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size(); ++i) {
        if (charstart(text[i]) && n++ == chars) break;
    }
    return i;
}

} // namespace

std::string reportfontname(const ProgramState& g) {
    return g.printfont.empty() ? std::string("Courier New") : g.printfont;
}

void resetprintfont(PrintSurface& s, const std::string& printfont) {
    const std::string current = s.currentfont();
    const int count = s.fontcount();
    for (int i = 0; i < count; ++i) {
        const std::string name = s.fontname(i);
        if (name != current && name != printfont) {
            s.setfontname(name);
            break;
        }
    }
    s.printline(" ");
}

void setreportfont(PrintSurface& s, const ProgramState& g, float size) {
    s.setfontname(reportfontname(g));
    s.setfontsize(size);
    s.setbold(true);
}

void startpage(PrintSurface& s, const ProgramState& g, float size) {
    resetprintfont(s, reportfontname(g));
    setreportfont(s, g, size);
}

std::string reportheader(const std::string& leaguefile, int width, const std::string& date) {
    const std::size_t length = textwidth(leaguefile);
    const std::string name = charsubstr(leaguefile, 0, length >= 4 ? length - 4 : 0);
    const long fill = long(width) - long(length);
    return std::string(6, ' ') + name + std::string(fill > 0 ? std::size_t(fill) : 0, ' ') +
           "Greenfold   " + date;
}

void startlist(PrintSurface& s, const ProgramState& g, int orientation, float size, int width,
               const std::string& date) {
    s.setorientation(orientation);
    startpage(s, g, size);
    for (int i = 0; i < 4; ++i) s.printline(" ");
    s.printline(reportheader(g.leaguefile, width, date));
    s.printline("");
}

void checkY(ChartLine& line, float value) {
    line.idxtext = value >= 0 && value < 10 ? " " : "";
    line.idxtext += formatpattern(value, "0.0");
}

void buildline(ChartLine& line) {
    line.linetext += std::string(7, ' ') + line.idxtext + std::string(6, ' ') + line.chcptext;
}

std::string charsubstr(std::string_view text, std::size_t first, std::size_t count) {
    const std::size_t from = byteofchar(text, first);
    const std::size_t to = byteofchar(text.substr(from), count);
    return std::string(text.substr(from, to));
}

std::string filler(std::string_view text, std::size_t width) {
    const std::size_t have = textwidth(text);
    return std::string(have < width ? width - have : 0, ' ');
}

} // namespace greenfold
