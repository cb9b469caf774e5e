#include "model/matchname.h"

#include "model/resultsname.h"

namespace greenfold {

std::string matchfilename(const std::string& leaguefile) {
    const std::string res = resultsfilename(leaguefile);
    return res.substr(0, res.size() - std::string(resultssuffix).size()) + matchsuffix;
}

} // namespace greenfold
