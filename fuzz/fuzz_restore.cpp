// Any bytes as a backup's list file.
#include "model/backup.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    auto pairs = greenfold::readrestorelist(in);
    if (pairs.size() > greenfold::maxrestoreitems / 2) __builtin_trap();
    return 0;
}
