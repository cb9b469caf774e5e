#include "players/pickers.h"

namespace greenfold {

std::vector<std::string> pickernames(const ProgramState& g) {
    std::vector<std::string> names;
    for (int p = 1; p <= g.playercount; ++p)
        if (!g.playername[p].empty()) names.push_back(g.playername[p]);
    return names;
}

int findplayerexact(const ProgramState& g, std::string_view name) {
    int found = 0;
    for (int p = 1; p <= g.playercount; ++p)
        if (g.playername[p] == name) found = p;
    return found;
}

std::string playerlisttitle(const ProgramState& g) {
    const std::string& file = g.leaguefile;
    return (file.size() >= 4 ? file.substr(0, file.size() - 4) : file) + " Player List";
}

} // namespace greenfold
