#include "model/leaguecommit.h"

#include "model/textline.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace greenfold {

namespace {

constexpr auto commitwait = std::chrono::seconds(10);
constexpr const char* temporarytail = ".saving~";
constexpr int maxcommitfiles = 64;

struct SeamState {
    CommitSeam seam;
    int count = 0;
};

SeamState& seamstate() {
    static SeamState state;
    return state;
}

// False when the seam makes the step fail; throws when it stops the program there.
bool seamallows(CommitStep step) {
    SeamState& s = seamstate();
    if (!s.seam) return true;
    switch (s.seam(step, ++s.count)) {
    case SeamAnswer::go:
        return true;
    case SeamAnswer::fail:
        return false;
    case SeamAnswer::stop:
        throw CommitStopped{};
    }
    return true;
}

long processnumber() {
#ifdef _WIN32
    return long(GetCurrentProcessId());
#else
    return long(::getpid());
#endif
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return s;
}

bool endswith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// Whether a plain file name belongs to the league: "Spring.LGE", "Spring-2026.res" and
// their temporaries. League names hold neither a dot nor a hyphen.
bool leaguefilename(const std::string& name, const std::string& stem) {
    if (name.find_first_of("/\\:") != std::string::npos || name.size() <= stem.size()) return false;
    const std::string n = lower(name);
    const char after = n[stem.size()];
    return n.compare(0, stem.size(), lower(stem)) == 0 && (after == '.' || after == '-');
}

bool temporaryof(const std::string& name, const std::string& stem) {
    return leaguefilename(name, stem) && endswith(name, temporarytail);
}

fs::path recordpath(const fs::path& dir, const std::string& leaguefile) {
    return findfile(dir, leaguestem(leaguefile) + commitsuffix);
}

bool present(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

bool renamefile(const fs::path& from, const fs::path& to) {
    if (!seamallows(CommitStep::rename)) return false;
#ifdef _WIN32
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
#endif
}

bool writeforced(const fs::path& file, const std::string& bytes, const StreamWrap& wrap) {
    bool written = false;
    {
        std::filebuf out;
        if (out.open(file, std::ios::out | std::ios::binary | std::ios::trunc)) {
            std::unique_ptr<std::streambuf> wrapped = wrap ? wrap(&out) : nullptr;
            std::ostream to(wrapped ? wrapped.get() : &out);
            to.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            to.flush();
            written = bool(to);
            if (out.close() == nullptr) written = false;
        }
    }
    return written && syncfile(file);
}

// ---- the record: which temporary file becomes which file ----

struct Rename {
    std::string from;
    std::string to;
};

std::string recordbytes(const std::vector<Rename>& renames) {
    LineWriter out;
    out.text(commitversion).integer(long(renames.size()));
    for (const Rename& r : renames) out.text(r.from).text(r.to);
    return out.str();
}

// The record's renames, or nothing when it is not a record of this league's own files.
std::optional<std::vector<Rename>> readrecord(const fs::path& file, const std::string& stem) {
    std::ifstream in(file, std::ios::binary);
    LineReader lines(in);
    if (lines.next() != commitversion) return std::nullopt;
    const auto count = lines.nextinteger();
    if (!count || *count < 1 || *count > maxcommitfiles) return std::nullopt;
    std::vector<Rename> renames;
    for (int k = 0; k < *count; ++k) {
        const auto from = lines.next();
        const auto to = lines.next();
        if (!from || !to) return std::nullopt;
        Rename r{std::string(*from), std::string(*to)};
        if (!temporaryof(r.from, stem) || !leaguefilename(r.to, stem) ||
            endswith(r.to, temporarytail))
            return std::nullopt;
        renames.push_back(std::move(r));
    }
    return renames;
}

bool writerecord(const fs::path& file, const std::vector<Rename>& renames) {
    if (!seamallows(CommitStep::record)) return false;
    return atomicwrite(file, recordbytes(renames));
}

bool removerecord(const fs::path& dir, const fs::path& record) {
    if (!seamallows(CommitStep::removerecord)) return false;
    std::error_code ec;
    fs::remove(record, ec);
    syncfolder(dir);
    return !ec;
}

// Carries out a record; false when a rename failed (the record stays for the next try).
bool rollforward(const fs::path& dir, const fs::path& record, const std::vector<Rename>& renames) {
    for (const Rename& r : renames) {
        const fs::path from = dir / r.from;
        if (present(from) && !renamefile(from, dir / r.to)) return false;
    }
    syncfolder(dir);
    return removerecord(dir, record);
}

void rollback(const fs::path& dir, const std::string& stem) {
    std::error_code ec;
    std::vector<fs::path> temporaries;
    for (fs::directory_iterator it(dir.empty() ? fs::path(".") : dir, ec), end; !ec && it != end;
         it.increment(ec))
        if (temporaryof(it->path().filename().string(), stem))
            temporaries.push_back(dir / it->path().filename());
    for (const fs::path& t : temporaries) fs::remove(t, ec);
    if (!temporaries.empty()) syncfolder(dir);
}

Outcome recoverunder(const fs::path& dir, const std::string& leaguefile, const LeagueLock& writer) {
    const std::string stem = leaguestem(leaguefile);
    const fs::path record = recordpath(dir, leaguefile);
    if (present(record)) {
        CommitLock commit(writer, commitwait);
        if (!commit)
            return Outcome::failure({stem + " is being read by another program; try again.",
                                     "Greenfold", Icon::exclamation});
        // A record that is not one of ours is set aside with its temporaries.
        if (const auto renames = readrecord(record, stem)) {
            if (!rollforward(dir, record, *renames))
                return Outcome::failure(unfinishedcommit(stem));
        } else {
            std::error_code ec;
            fs::remove(record, ec);
        }
    }
    rollback(dir, stem);
    return {};
}

} // namespace

Message unfinishedcommit(const std::string& leaguefile) {
    return {"The files of " + leaguestem(leaguefile) +
                " could not all be put in place. Greenfold finishes the change the next time "
                "the league is opened.",
            "Greenfold", Icon::exclamation};
}

void setcommitseam(CommitSeam seam) {
    seamstate() = {std::move(seam), 0};
}

std::string freename(const fs::path& dir, const std::string& name) {
    std::string free = name;
    for (int n = 2; present(findfile(dir, free)); ++n) free = name + "-" + std::to_string(n);
    return free;
}

LeagueCommit::LeagueCommit(fs::path dir, std::string leaguefile)
    : dir_(std::move(dir)), leaguefile_(std::move(leaguefile)) {}

void LeagueCommit::write(const std::string& name, std::string bytes, Message failure) {
    const fs::path target = findfile(dir_, name);
    for (Staged& s : files_)
        if (s.target == target) {
            s.bytes = std::move(bytes);
            s.failure = std::move(failure);
            return;
        }
    fs::path temporary = target;
    temporary += "." + std::to_string(processnumber()) + temporarytail;
    files_.push_back({target, temporary, std::move(bytes), std::move(failure)});
}

bool LeagueCommit::writes(const std::string& name) const {
    const fs::path target = findfile(dir_, name);
    return std::any_of(files_.begin(), files_.end(),
                       [&](const Staged& s) { return s.target == target; });
}

bool LeagueCommit::writetemporaries(std::size_t& failed, const StreamWrap& wrap) {
    for (failed = 0; failed < files_.size(); ++failed) {
        const Staged& s = files_[failed];
        if (!seamallows(CommitStep::temporary) || !writeforced(s.temporary, s.bytes, wrap))
            return false;
    }
    return true;
}

void LeagueCommit::removetemporaries() {
    std::error_code ec;
    for (const Staged& s : files_) fs::remove(s.temporary, ec);
}

Outcome LeagueCommit::commit(const LeagueLock& writer) {
    const std::string stem = leaguestem(leaguefile_);
    CommitLock commitlock(writer, commitwait);
    if (!commitlock) {
        removetemporaries();
        return Outcome::failure({stem + " is being read by another program, so nothing was "
                                        "written; try again.",
                                 "Greenfold", Icon::exclamation});
    }
    const fs::path record = dir_ / (stem + commitsuffix);
    std::vector<Rename> renames;
    for (const Staged& s : files_)
        renames.push_back({s.temporary.filename().string(), s.target.filename().string()});
    const bool recorded = files_.size() > 1;
    if (recorded && !writerecord(record, renames)) {
        removetemporaries();
        return Outcome::failure(files_.front().failure);
    }
    for (std::size_t k = 0; k < files_.size(); ++k) {
        if (renamefile(files_[k].temporary, files_[k].target)) continue;
        if (!recorded) {
            removetemporaries();
            return Outcome::failure(files_[k].failure);
        }
        // Some files may be in place already: the record finishes the change later.
        return Outcome::failure(unfinishedcommit(stem));
    }
    syncfolder(dir_);
    if (recorded && !removerecord(dir_, record)) return Outcome::failure(unfinishedcommit(stem));
    return {};
}

Outcome LeagueCommit::run(std::vector<std::string>& damaged, const StreamWrap& wrap) {
    if (files_.empty()) return {};
    const LockTry writer = lockleague(dir_, leaguefile_);
    if (!writer.lock)
        return Outcome::failure(
            {writer.refusal + " Nothing was written.", "Greenfold", Icon::exclamation});
    Outcome out;
    for (const Staged& s : files_) {
        out.merge(keepdamaged(damaged, s.target));
        if (!out) return out;
    }
    std::size_t failed = 0;
    if (!writetemporaries(failed, wrap)) {
        removetemporaries();
        out.ok = false;
        out.add(files_[failed].failure);
        return out;
    }
    return out.merge(commit(writer.lock));
}

Outcome recoverleague(const fs::path& dir, const std::string& leaguefile) {
    const LockTry writer = lockleague(dir, leaguefile);
    if (!writer.lock) return Outcome::failure({writer.refusal, "Greenfold", Icon::exclamation});
    return recoverunder(dir, leaguefile, writer.lock);
}

ReadTry guardread(const fs::path& dir, const std::string& leaguefile,
                  std::chrono::milliseconds wait) {
    const std::string stem = leaguestem(leaguefile);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    ReadTry out;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (!ReadGuard::take(out.guard, dir, leaguefile, std::max(left, decltype(left){0}))) break;
        if (!present(recordpath(dir, leaguefile))) return out;
        // A record with the commit lock free: its writer was stopped part way. Whoever
        // holds the writer's lock finishes it; when nobody does, the reader does.
        out.guard.release();
        if (const LockTry writer = lockleague(dir, leaguefile); writer.lock)
            recoverunder(dir, leaguefile, writer.lock);
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (std::chrono::steady_clock::now() >= deadline) break;
    }
    out.refusal = stem + " is being changed by another program; try again in a moment.";
    return out;
}

} // namespace greenfold
