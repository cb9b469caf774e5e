// Any bytes as the course file; a table it accepts must write back to a file it reads.
#include "model/coursefile.h"

#include <cstdint>
#include <memory>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto g = std::make_unique<greenfold::ProgramState>();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (!greenfold::readcourses(in, *g)) return 0;
    const std::string bytes = greenfold::coursebytes(*g);
    auto again = std::make_unique<greenfold::ProgramState>();
    std::istringstream back(bytes);
    if (!greenfold::readcourses(back, *again)) __builtin_trap();
    return 0;
}
