// Any bytes as a results file: the reader must refuse or read them, never crash; a file it
// accepts must write back to the same bytes' meaning, and its nights and standings must
// work out without crashing.
#include "results/night.h"
#include "results/resultsfile.h"
#include "results/standings.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto f = greenfold::readresults(in);
    if (!f) return 0;
    std::istringstream back(greenfold::resultsbytes(*f));
    if (greenfold::readresults(back) != f) __builtin_trap();
    for (const greenfold::NightDate& n : greenfold::seasonnights(*f))
        (void)greenfold::nightresults(*f, n);
    (void)greenfold::standings(*f);
    return 0;
}
