#pragma once

#include "model/outcome.h"
#include "model/programstate.h"
#include "model/safefile.h"

#include <string>
#include <string_view>

namespace greenfold {

// The rules of the settings window.

inline constexpr float defaultfactor = 0.96f;

// The factor as typed: its leading number as a Single; anything below .5 or above 1.1
// (text that is no number reads as 0) quietly becomes .96.
float factorfrom(std::string_view text);
// The factor as the box shows it: ".96", "1.10".
std::string factortext(float factor);

// What the window holds when the user accepts it.
struct SettingsChoice {
    std::string font;
    int ninehole = 0; // 1..3, 0 when no option is selected
    bool esc = false;
    bool average = false;
    bool hcplimit = false;
    bool dateremind = false;
    std::string factor;
    HandicapMethod method = HandicapMethod::classic;
    std::string allowance; // whole percent as typed
};

// The window's contents for the current settings.
SettingsChoice currentsettings(const ProgramState& g);

// Takes the choices into the settings. Without a selected nine-hole option the old one
// stays; an empty font becomes "Courier New"; an allowance that is not a whole percent
// 1..100 leaves the old one.
void applysettings(ProgramState& g, const SettingsChoice& choice);

// The folder of the settings file as read at start-up.
std::string settingsdir(const ProgramState& g);

// Writes the latest-league record (in dir) and the settings file (in its own folder).
// Only the record reports a failure; the settings file never has.
Outcome savebothsettings(ProgramState& g, const fs::path& dir, const std::string& systemdir);

// The allowance as typed: its leading number when it is 1..100, else the old one.
int16_t allowancefrom(std::string_view text, int16_t old);

// The note shown each time the settings are accepted with averaging on.
Message averagingnotice();

} // namespace greenfold
