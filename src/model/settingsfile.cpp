#include "model/settingsfile.h"

#include "model/textline.h"

#include <cstdlib>
#include <fstream>

namespace greenfold {

namespace {

bool canwrite(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    const fs::path probe = dir / ".greenfold-probe";
    {
        std::ofstream out(probe);
        if (!out) return false;
    }
    fs::remove(probe, ec);
    return true;
}

std::string withseparator(const fs::path& dir) {
    auto s = dir.string();
    if (!s.empty() && s.back() != '/' && s.back() != '\\') s += char(fs::path::preferred_separator);
    return s;
}

std::string envdir(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

void setdefaults(ProgramState& g) {
    g.escflag = 0;
    g.hoffset = 0;
    g.wdoffset = 0;
    g.pscaling = 1;
    g.averageflag = 0;
}

} // namespace

std::string getsystemdir() {
#ifdef _WIN32
    if (auto root = envdir("SystemRoot"); !root.empty()) {
        fs::path sys = fs::path(root) / "System32";
        if (canwrite(sys)) return withseparator(sys);
    }
    if (auto data = envdir("ProgramData"); !data.empty())
        return withseparator(fs::path(data) / "Greenfold");
    return "";
#else
    const fs::path machine = "/var/lib/greenfold";
    if (canwrite(machine)) return withseparator(machine);
    if (auto xdg = envdir("XDG_CONFIG_HOME"); !xdg.empty() && fs::path(xdg).is_absolute())
        return withseparator(fs::path(xdg) / "greenfold");
    if (auto home = envdir("HOME"); !home.empty())
        return withseparator(fs::path(home) / ".config" / "greenfold");
    return "";
#endif
}

void readsettings(ProgramState& g, std::istream& in) {
    LineReader lines(in);
    auto esc = lines.nextinteger();
    auto hoff = lines.nextsingle();
    auto wdoff = lines.nextsingle();
    auto scaling = lines.nextsingle();
    if (!esc || !hoff || !wdoff || !scaling) {
        setdefaults(g);
        return;
    }
    g.escflag = *esc;
    g.hoffset = *hoff;
    g.wdoffset = *wdoff;
    g.pscaling = *scaling;
    g.averageflag = lines.nextinteger().value_or(0);
}

void readsettings(ProgramState& g, const std::string& systemdir) {
    g.inipath = systemdir + settingsfilename;
    std::ifstream in(g.inipath, std::ios::binary);
    if (!in) {
        setdefaults(g);
        return;
    }
    readsettings(g, in);
}

std::string settingsbytes(const ProgramState& g) {
    LineWriter out;
    out.integer(g.escflag).single(g.hoffset).single(g.wdoffset).single(g.pscaling);
    out.integer(g.averageflag);
    return out.str();
}

bool savesettings(ProgramState& g, const std::string& systemdir, const StreamWrap& wrap) {
    g.inipath = systemdir + settingsfilename;
    std::error_code ec;
    if (!systemdir.empty()) fs::create_directories(systemdir, ec);
    return atomicwrite(g.inipath, settingsbytes(g), wrap);
}

Message methodrefusal(const ProgramState& g) {
    return {g.methodproblem +
                ".\r\n\r\nGreenfold leaves the file as it is and opens no league until the "
                "handicap method is known: correct the file, or choose the method under "
                "Settings.",
            "Greenfold", Icon::exclamation};
}

} // namespace greenfold
