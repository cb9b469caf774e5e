#include "shell/startup.h"

#include "model/backup.h"
#include "model/coursefile.h"
#include "model/latestfile.h"
#include "model/settingsfile.h"
#include "whs/inifile.h"

namespace greenfold {

Outcome startup(GOLF1& g, const fs::path& datadir, const std::string& systemdir) {
    setmonthnames(g);
    readsettings(g, systemdir);
    whs::loadmethod(g, systemdir);
    Outcome out = loadlatest(g, datadir);
    if (!out) {
        if (g.hcpfactor == 0.0f) g.hcpfactor = 0.96f;
        if (g.printfont.empty()) g.printfont = "Courier New";
    }
    return out;
}

Outcome afterrestore(GOLF1& g, const fs::path& datadir, const std::string& systemdir) {
    const bool wasopen = !g.leaguefile.empty();
    clearleague(g);
    g.leaguefile.clear();
    Outcome out = startup(g, datadir, systemdir);
    out.merge(loadcourses(g, datadir));
    if (wasopen) out.add(restoredreopen());
    return out;
}

} // namespace greenfold
