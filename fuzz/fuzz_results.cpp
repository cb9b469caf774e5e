// Any bytes as a results file: the reader must refuse or read them, never crash; a file it
// accepts must write back to the same bytes' meaning, and its nights and standings must
// work out without crashing, skins too.
#include "results/night.h"
#include "results/resultsfile.h"
#include "results/skins.h"
#include "results/standings.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const auto f = greenfold::readresults(in);
    if (!f) return 0;
    std::istringstream back(greenfold::resultsbytes(*f));
    if (greenfold::readresults(back) != f) __builtin_trap();
    const greenfold::whs::StrokeIndexes indexes = {7, 15, 1, 11, 3, 17, 5, 13, 9,
                                                   8, 16, 2, 12, 4, 18, 6, 14, 10};
    for (const greenfold::NightDate& n : greenfold::seasonnights(*f)) {
        (void)greenfold::nightresults(*f, n);
        (void)greenfold::nightskins(*f, n, greenfold::drawflights(*f, n), {{1, indexes}});
    }
    (void)greenfold::standings(*f);
    return 0;
}
