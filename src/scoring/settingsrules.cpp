#include "scoring/settingsrules.h"

#include "model/latestfile.h"
#include "model/settingsfile.h"
#include "model/textline.h"

#include <cmath>
#include <cstring>

namespace greenfold {

float factorfrom(std::string_view text) {
    const float factor = static_cast<float>(leadingnumber(text));
    if (!(factor >= 0.5f && factor <= 1.1f)) return defaultfactor;
    return factor;
}

std::string factortext(float factor) {
    return formatpattern(factor, "#.00");
}

SettingsChoice currentsettings(const ProgramState& g) {
    SettingsChoice c;
    c.font = g.printfont;
    c.ninehole = g.ninehole >= 1 && g.ninehole <= 3 ? g.ninehole : 0;
    c.esc = g.escflag == 5;
    c.average = g.averageflag == 1;
    c.hcplimit = g.hcplimit == 1;
    c.dateremind = g.dateremind == 1;
    c.factor = factortext(g.hcpfactor);
    c.method = g.method;
    c.allowance = std::to_string(g.allowance);
    return c;
}

void applysettings(ProgramState& g, const SettingsChoice& choice) {
    g.printfont = choice.font.empty() ? "Courier New" : choice.font;
    if (choice.ninehole >= 1 && choice.ninehole <= 3) g.ninehole = int16_t(choice.ninehole);
    g.hcplimit = choice.hcplimit ? 1 : 0;
    g.dateremind = choice.dateremind ? 1 : 0;
    g.escflag = choice.esc ? 5 : 0;
    g.averageflag = choice.average ? 1 : 0;
    g.hcpfactor = factorfrom(choice.factor);
    g.method = choice.method;
    g.allowance = allowancefrom(choice.allowance, g.allowance);
}

int16_t allowancefrom(std::string_view text, int16_t old) {
    const double typed = leadingnumber(text);
    return typed >= 1 && typed <= 100 && typed == std::floor(typed) ? int16_t(typed) : old;
}

std::string settingsdir(const ProgramState& g) {
    const std::size_t name = std::strlen(settingsfilename);
    const std::string& path = g.inipath;
    if (path.size() >= name && path.compare(path.size() - name, name, settingsfilename) == 0)
        return path.substr(0, path.size() - name);
    return getsystemdir();
}

Outcome savebothsettings(ProgramState& g, const fs::path& dir, const std::string& systemdir) {
    Outcome out = savelatest(g, dir);
    savesettings(g, systemdir);
    return out;
}

Message averagingnotice() {
    return {"You have selected the option to average using\r\n"
            "a higher number of rounds than the normal system.\r\n"
            "\r\n"
            "This can be useful for getting started or for groups\r\n"
            "that don't play a high number of rounds\r\n"
            "\r\n"
            "Please be aware that the handicap values will vary\r\n"
            "from the most widely accepted system until 9 or more\r\n"
            "rounds have been played.",
            "Greenfold", Icon::information};
}

} // namespace greenfold
