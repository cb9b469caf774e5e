#include "shell/startup.h"

#include "model/latestfile.h"
#include "model/settingsfile.h"

namespace greenfold {

Outcome startup(GOLF1& g, const fs::path& datadir, const std::string& systemdir) {
    setmonthnames(g);
    readsettings(g, systemdir);
    Outcome out = loadlatest(g, datadir);
    if (!out) {
        if (g.hcpfactor == 0.0f) g.hcpfactor = 0.96f;
        if (g.printfont.empty()) g.printfont = "Courier New";
    }
    return out;
}

} // namespace greenfold
