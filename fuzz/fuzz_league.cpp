// Any bytes as a league file: the reader must refuse or read them, never crash, and a
// league it accepts must write back to a file it reads again.
#include "model/leaguefile.h"

#include <cstdint>
#include <memory>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto g = std::make_unique<greenfold::ProgramState>();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (!greenfold::readleague(in, *g)) return 0;
    const std::string bytes = greenfold::leaguebytes(*g);
    auto again = std::make_unique<greenfold::ProgramState>();
    std::istringstream back(bytes);
    if (!greenfold::readleague(back, *again)) __builtin_trap();
    return 0;
}
