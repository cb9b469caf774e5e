#include "model/resultsname.h"

namespace greenfold {

std::string resultsfilename(const std::string& leaguefile) {
    std::string name = leaguefile;
    if (name.size() >= 4) {
        std::string tail = name.substr(name.size() - 4);
        for (char& c : tail)
            if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (tail == ".LGE") name.resize(name.size() - 4);
    }
    return name + resultssuffix;
}

} // namespace greenfold
