#include "model/backup.h"

#include "model/historyfile.h"
#include "model/leaguecommit.h"
#include "model/matchname.h"
#include "model/resultsname.h"
#include "model/textline.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <iterator>
#include <sstream>

namespace greenfold {

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

// The last part of a recorded path, whichever separator the machine that wrote it used.
std::string lastpart(const std::string& path) {
    auto cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

bool endswith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Only the program's own data files may come back from a backup folder.
bool datafilename(const std::string& name) {
    const std::string n = lower(name);
    if (n == "grnfld.dat" || n == "course.dat") return true;
    return n.size() > 4 &&
           (endswith(n, ".lge") || endswith(n, ".tea") || endswith(n, ".hix") ||
            endswith(n, ".res") || endswith(n, ".mat")) &&
           n.find_first_of("/\\:") == std::string::npos;
}

std::string trimmed(std::string_view s) {
    auto first = s.find_first_not_of(" \t\"");
    if (first == std::string_view::npos) return "";
    auto last = s.find_last_not_of(" \t\"");
    return std::string(s.substr(first, last - first + 1));
}

} // namespace

std::vector<std::string> backupnames(const ProgramState& g) {
    std::vector<std::string> names;
    const int count = std::clamp<int>(g.leaguecount, 0, maxleagues);
    for (int n = 1; n <= count; ++n) names.push_back(g.leaguelist[n] + ".lge");
    names.push_back("Grnfld.dat");
    names.push_back("Course.dat");
    for (int n = 1; n <= count; ++n) names.push_back(g.leaguelist[n] + ".tea");
    for (int n = 1; n <= count; ++n) names.push_back(historyfilename(g.leaguelist[n] + ".lge"));
    for (int n = 1; n <= count; ++n) names.push_back(resultsfilename(g.leaguelist[n] + ".lge"));
    for (int n = 1; n <= count; ++n) names.push_back(matchfilename(g.leaguelist[n] + ".lge"));
    return names;
}

Message backupfailure() {
    return {"Could not write back-up files\n\r\n\rPlease check Disk Drive", "Greenfold",
            Icon::none};
}

Message restorewarning() {
    return {"This operation will copy files from your GFD backup disk to the original\r\n"
            "directory on your hard disk where Greenfold runs.\r\n\r\nAre you sure you want to "
            "continue?",
            "WARNING!", Icon::stop};
}

Message restoredone() {
    return {"Files Restored,  Please Exit and Restart Greenfold", "Restore Utility",
            Icon::exclamation};
}

Message restoredreopen() {
    return {"The restored files have been read again.\r\n"
            "The league that was open has been closed, so that nothing\r\n"
            "held in memory is saved over the restored files.\r\n\r\n"
            "Open the league again from the File menu.",
            "Restore Utility", Icon::information};
}

Message restorefailure(const std::vector<std::string>& restored) {
    std::string text = "All data files could not be restored.\r\nPossible cause - GFD program "
                       "was moved\r\nor reinstalled in a different directory\r\nsince the backup "
                       "was made.\r\nIf necessary, the backup files can be\r\nmanually copied to "
                       "the directory where\r\nthe program resides on your hard drive.";
    if (!restored.empty()) {
        text += "\r\n\r\nRestored before it stopped:";
        for (const auto& f : restored) text += "\r\n" + f;
    }
    return {text, "Restore Utility", Icon::none};
}

namespace {

// A copy waits under this name until every copy of the backup has been written.
fs::path stagedname(const fs::path& copy) {
    fs::path staged = copy;
    staged += ".backup~";
    return staged;
}

void removestaged(const std::vector<BackupPair>& pairs) {
    std::error_code ec;
    for (const auto& p : pairs) fs::remove(stagedname(p.copy), ec);
}

// The files to copy, with where each copy goes. A team, index history or results file that
// is not there is left out; any other missing file is copied (and fails) in its turn.
std::vector<BackupPair> backuppairs(const ProgramState& g, const fs::path& from,
                                    const fs::path& dest) {
    const auto names = backupnames(g);
    const std::size_t optionalfrom = std::size_t(std::clamp<int>(g.leaguecount, 0, maxleagues)) + 2;
    std::vector<BackupPair> pairs;
    std::error_code ec;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const fs::path source = findfile(from, names[i]);
        if (i >= optionalfrom && !fs::exists(source, ec)) continue; // no teams, history or results
        pairs.push_back({(dest / source.filename()).string(), source.string()});
    }
    return pairs;
}

// Puts the staged copies in place of the old ones. The old list goes first, so from
// here on the folder never holds a list that describes a mixture of old and new copies.
bool replacecopies(const std::vector<BackupPair>& pairs, const fs::path& dest) {
    std::error_code ec;
    fs::remove(findfile(dest, restorelistname), ec);
    if (ec) return false;
    syncfolder(dest);
    for (const auto& p : pairs) {
        fs::rename(stagedname(p.copy), p.copy, ec);
        if (ec) return false;
    }
    syncfolder(dest);
    return true;
}

} // namespace

Outcome backup(const ProgramState& g, const fs::path& datadir, const fs::path& dest,
               std::vector<BackupPair>* copied) {
    std::error_code ec;
    const fs::path from = fs::absolute(datadir.empty() ? fs::current_path(ec) : datadir, ec);
    const std::vector<BackupPair> pairs = backuppairs(g, from, dest);
    // Every copy is written beside the old set first; a copy that fails leaves the old
    // set and its list as they were.
    for (const auto& p : pairs) {
        if (!copyfile(p.source, stagedname(p.copy))) {
            removestaged(pairs);
            return Outcome::failure(backupfailure());
        }
    }
    const bool replaced = replacecopies(pairs, dest);
    removestaged(pairs);
    LineWriter list;
    for (const auto& p : pairs) list.text(p.copy).text(p.source);
    if (!replaced || !atomicwrite(dest / restorelistname, list.str()))
        return Outcome::failure(backupfailure());
    if (copied) *copied = pairs;
    return {};
}

std::vector<BackupPair> readrestorelist(std::istream& in) {
    LineReader lines(in);
    std::vector<std::string> items;
    while (int(items.size()) < maxrestoreitems) {
        auto line = lines.next();
        if (!line) break;
        items.push_back(trimmed(*line));
    }
    std::vector<BackupPair> pairs;
    for (std::size_t i = 0; i + 1 < items.size(); i += 2) pairs.push_back({items[i], items[i + 1]});
    return pairs;
}

namespace {

// One file to restore: where it goes and the bytes of its copy.
struct Restoring {
    fs::path folder;
    std::string name;
    std::string bytes;
};

// Every listed file read from the backup folder; false at the first pair that is not one
// of the program's data files or whose copy cannot be read, before anything is written.
bool readcopies(const fs::path& backupdir, std::vector<Restoring>& files) {
    std::ifstream in(findfile(backupdir, restorelistname), std::ios::binary);
    if (!in) return false;
    for (const auto& pair : readrestorelist(in)) {
        const std::string name = lastpart(pair.copy);
        const std::string target = lastpart(pair.source);
        if (!datafilename(name) || lower(name) != lower(target)) return false;
        const std::string folder = pair.source.substr(0, pair.source.size() - target.size());
        Restoring r{fs::path(folder.empty() ? "." : folder), target, {}};
        if (!readwhole(findfile(backupdir, name), r.bytes)) return false;
        files.push_back(std::move(r));
    }
    return true;
}

// A league's files ("Spring.lge", "Spring.tea", ...) are restored together; the list of
// leagues and the course table each on its own.
std::string leagueof(const Restoring& r) {
    const std::string n = lower(r.name);
    if (n == "grnfld.dat" || n == "course.dat") return "";
    return r.name.substr(0, r.name.find('.'));
}

} // namespace

Outcome restore(const fs::path& backupdir, std::vector<std::string>* restored) {
    std::vector<std::string> done;
    auto finish = [&](Outcome out) {
        if (restored) *restored = done;
        return out;
    };
    std::vector<Restoring> files;
    if (!readcopies(backupdir, files)) return finish(Outcome::failure(restorefailure(done)));
    std::vector<bool> written(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (written[i]) continue;
        const std::string league = leagueof(files[i]);
        if (league.empty()) {
            const fs::path to = findfile(files[i].folder, files[i].name);
            if (!atomicwrite(to, files[i].bytes))
                return finish(Outcome::failure(restorefailure(done)));
            done.push_back(to.string());
            continue;
        }
        std::error_code ec;
        if (!fs::is_directory(files[i].folder, ec))
            return finish(Outcome::failure(restorefailure(done)));
        LeagueCommit commit(files[i].folder, league + ".LGE");
        std::vector<std::string> names;
        for (std::size_t k = i; k < files.size(); ++k) {
            if (files[k].folder != files[i].folder || leagueof(files[k]) != league) continue;
            commit.write(files[k].name, files[k].bytes, {}); // said below
            names.push_back(findfile(files[k].folder, files[k].name).string());
            written[k] = true;
        }
        std::vector<std::string> nodamaged;
        Outcome out = commit.run(nodamaged);
        if (!out) {
            // What was restored before, then why the league's files could not be written
            // (another program has the league open).
            Outcome failed = Outcome::failure(restorefailure(done));
            for (const Message& m : out.messages)
                if (!m.text.empty()) failed.add(m);
            return finish(failed);
        }
        done.insert(done.end(), names.begin(), names.end());
    }
    Outcome out;
    out.add(restoredone());
    return finish(out);
}

} // namespace greenfold

namespace greenfold {

bool removablemount(const std::string& root) {
    for (const char* place : {"/media/", "/run/media/", "/mnt/", "/Volumes/"})
        if (root.rfind(place, 0) == 0 && root.size() > std::string(place).size()) return true;
    return false;
}

} // namespace greenfold
