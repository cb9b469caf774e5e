// Any bytes as an index history file: the reader must refuse or read them, never crash,
// and a history it accepts, placed beside a league of the same players and rounds, must
// write back to a file it reads again as the same entries.
#include "model/historyfile.h"

#include <cstdint>
#include <memory>
#include <sstream>

namespace {

using namespace greenfold;

// The league the entries describe: their names, and rounds on the dates of their notes.
std::unique_ptr<League> leagueof(const std::vector<HistoryEntry>& entries) {
    auto g = std::make_unique<League>();
    g->playercount = static_cast<int16_t>(entries.size());
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const int p = int(k) + 1;
        g->playername[p] = entries[k].name;
        g->roundcount[p] = static_cast<int16_t>(entries[k].rounds.size());
        for (std::size_t r = 0; r < entries[k].rounds.size(); ++r) {
            g->rmonth[p][r + 1] = entries[k].rounds[r].month;
            g->rday[p][r + 1] = entries[k].rounds[r].day;
            g->ryear[p][r + 1] = entries[k].rounds[r].year;
        }
    }
    return g;
}

// The file's bytes for the entries placed beside their league.
std::string placed(const std::vector<HistoryEntry>& entries) {
    auto g = leagueof(entries);
    placehistory(*g, entries);
    return historybytes(*g);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto entries = readhistory(in);
    if (!entries) return 0;
    const std::string bytes = placed(*entries);
    std::istringstream back(bytes);
    const auto again = readhistory(back);
    if (!again || placed(*again) != bytes) __builtin_trap();
    return 0;
}
