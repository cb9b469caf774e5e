#include "shell/startup.h"

#include "model/backup.h"
#include "model/coursefile.h"
#include "model/latestfile.h"
#include "model/leaguelist.h"
#include "model/settingsfile.h"
#include "whs/inifile.h"

namespace greenfold {

Outcome startup(ProgramState& g, const fs::path& datadir, const std::string& systemdir) {
    setmonthnames(g);
    readsettings(g, systemdir);
    const Outcome method = whs::loadmethod(g, systemdir);
    Outcome out = loadlatest(g, datadir);
    if (!out) {
        if (g.hcpfactor == 0.0f) g.hcpfactor = 0.96f;
        if (g.printfont.empty()) g.printfont = "Courier New";
    }
    // A refused greenfold.ini is said first; the list of leagues still counts as read.
    out.messages.insert(out.messages.begin(), method.messages.begin(), method.messages.end());
    return out;
}

Outcome afterrestore(ProgramState& g, const fs::path& datadir, const std::string& systemdir) {
    const bool wasopen = !g.leaguefile.empty();
    clearleague(g);
    g.leaguefile.clear();
    releaseopenleague();
    Outcome out = startup(g, datadir, systemdir);
    out.merge(loadcourses(g, datadir));
    if (wasopen) out.add(restoredreopen());
    return out;
}

} // namespace greenfold
