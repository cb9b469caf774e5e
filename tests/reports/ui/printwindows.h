#pragma once

// For the window tests that print: the main window on the demo league printing onto
// recording surfaces, and the files under the build folder (screens/) a person looks
// at: window shots, PDF printouts and their first pages as PNG, read back with poppler.
#include "players/ui/leaguewindows.h"
#include "reports/recordingsurface.h"
#include "reports/ui/printcommands.h"

#include <QPixmap>

#include <array>
#include <cstdio>

namespace greenfold::testing {

inline fs::path screens() {
    fs::create_directories(GREENFOLD_SCREENS);
    return GREENFOLD_SCREENS;
}

inline std::string run(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    std::array<char, 4096> buf;
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe.get()))
        out.append(buf.data(), n);
    return out;
}

inline bool havepoppler() {
    return std::system("pdftotext -v >/dev/null 2>&1") == 0;
}

// Checks that screens/<name>.pdf is a PDF, turns its first page into <name>.png and
// returns its text laid out; empty without poppler.
inline std::string pdftext(const std::string& name) {
    const std::string pdf = (screens() / (name + ".pdf")).string();
    EXPECT_EQ(readbytes(pdf).substr(0, 5), "%PDF-") << name;
    if (!havepoppler()) return {};
    run("pdftoppm -png -r 60 -singlefile '" + pdf + "' '" + (screens() / name).string() + "'");
    return run("pdftotext -layout '" + pdf + "' -");
}

class PrintWindows : public LeagueWindows {
  protected:
    // Printouts land on recording surfaces unless a test prints into a PDF file.
    void recordprints() { fake.printing.surface = nullptr; }

    std::vector<std::unique_ptr<Printout>>& printouts = fake.printing.printouts;
};

} // namespace greenfold::testing
