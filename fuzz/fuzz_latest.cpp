// Any bytes as the latest-league record.
#include "model/latestfile.h"

#include <cstdint>
#include <memory>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto g = std::make_unique<greenfold::ProgramState>();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (greenfold::readlatest(in, *g)) (void)greenfold::latestbytes(*g);
    return 0;
}
