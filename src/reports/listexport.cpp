#include "reports/listexport.h"

#include "model/textline.h"
#include "reports/handicaplists.h"
#include "reports/printsteps.h"

#include <algorithm>
#include <cctype>

namespace greenfold {

namespace {

constexpr int exportwidth = 45;
constexpr std::size_t shortestname = 7;

bool endswithtxt(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return tail == ".TXT";
}

} // namespace

std::optional<std::string> exportfilename(const std::string& chosen) {
    std::string name = chosen;
    if (!endswithtxt(name)) name += ".txt";
    const auto folder = name.find_last_of("/\\");
    const std::string_view typed = folder == std::string::npos
                                       ? std::string_view(name)
                                       : std::string_view(name).substr(folder + 1);
    if (textwidth(typed) < shortestname) return std::nullopt;
    return name;
}

Message exportreplacequestion(const std::string& file) {
    return {file + " already exists.\r\nDo you want to replace it?", exporttitle,
            Icon::exclamation};
}

std::string shortprintbytes(const ProgramState& g, const ListLines& lines,
                            const std::string& date) {
    LineWriter out;
    out.text(reportheader(g.leaguefile, exportwidth, date));
    out.text(" ");
    const std::size_t n = std::min(lines.names.size(), lines.rounds.size());
    for (std::size_t i = 0; i < n; ++i)
        out.text(i == 1 ? shortrule() : shortline(lines.names[i], lines.rounds[i]));
    return out.str();
}

Outcome shortprintfile(const ProgramState& g, const ListLines& lines, const std::string& date,
                       const std::string& exportfile, const StreamWrap& wrap) {
    if (atomicwrite(fs::path(exportfile), shortprintbytes(g, lines, date), wrap)) return {};
    return Outcome::failure({"The listing could not be written to\r\n" + exportfile +
                                 "\r\n\r\nCheck the folder and the name, then try again.",
                             "Greenfold", Icon::exclamation});
}

} // namespace greenfold
