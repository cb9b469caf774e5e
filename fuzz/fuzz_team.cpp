// Any bytes as a team file, for a league of 0..100 players (the first byte). A file it
// accepts must write back to a file it reads again.
#include "teams/teamfile.h"

#include <cstdint>
#include <memory>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    auto g = std::make_unique<greenfold::ProgramState>();
    g->playercount = int16_t(data[0] % (greenfold::maxplayers + 1));
    auto teams = std::make_unique<greenfold::Teamdata>();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    if (!greenfold::readteamfile(in, *g, *teams)) return 0;
    std::istringstream back(greenfold::teambytes(*g, *teams));
    auto again = std::make_unique<greenfold::Teamdata>();
    if (!greenfold::readteamfile(back, *g, *again)) __builtin_trap();
    return 0;
}
