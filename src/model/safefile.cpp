#include "model/safefile.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace greenfold {

namespace {

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string datestamp() {
    auto today = std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now());
    std::chrono::year_month_day ymd{today};
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d%02u%02u", int(ymd.year()), unsigned(ymd.month()),
                  unsigned(ymd.day()));
    return buf;
}

// Unique to the process, so two programs saving one file never share a temporary file.
fs::path temporaryname(const fs::path& target) {
    auto tmp = target;
#ifdef _WIN32
    tmp += "." + std::to_string(GetCurrentProcessId()) + ".saving~";
#else
    tmp += "." + std::to_string(::getpid()) + ".saving~";
#endif
    return tmp;
}

SyncWatch& syncwatch() {
    static SyncWatch watch;
    return watch;
}

void tellsync(const fs::path& path, bool folder) {
    if (syncwatch()) syncwatch()(path, folder);
}

} // namespace

void watchsyncs(SyncWatch watch) {
    syncwatch() = std::move(watch);
}

#ifdef _WIN32

bool syncfile(const fs::path& file) {
    tellsync(file, false);
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool ok = FlushFileBuffers(h) != 0;
    CloseHandle(h);
    return ok;
}

// A move made with write-through is on disk when it returns; there is no folder to sync.
bool syncfolder(const fs::path& folder) {
    tellsync(folder, true);
    return true;
}

namespace {
bool replacefile(const fs::path& from, const fs::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
} // namespace

#else

namespace {

bool syncdescriptor(const fs::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

bool replacefile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

} // namespace

bool syncfile(const fs::path& file) {
    tellsync(file, false);
    return syncdescriptor(file, O_RDONLY);
}

bool syncfolder(const fs::path& folder) {
    tellsync(folder, true);
    return syncdescriptor(folder.empty() ? fs::path(".") : folder, O_RDONLY | O_DIRECTORY);
}

#endif

fs::path findfile(const fs::path& dir, const std::string& name) {
    fs::path exact = dir / name;
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;
    const std::string wanted = lower(name);
    auto where = dir.empty() ? fs::path(".") : dir;
    for (fs::directory_iterator it(where, ec), end; !ec && it != end; it.increment(ec)) {
        if (lower(it->path().filename().string()) == wanted) return dir / it->path().filename();
    }
    return exact;
}

bool readwhole(const fs::path& file, std::string& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    try { // a folder named as the file throws while it is read
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        return false;
    }
    return !in.bad();
}

bool copyfile(const fs::path& from, const fs::path& to) {
    std::string bytes;
    std::error_code ec;
    if (!fs::is_regular_file(from, ec) || !readwhole(from, bytes)) return false;
    return atomicwrite(to, bytes);
}

bool atomicwrite(const fs::path& target, const std::string& bytes, const StreamWrap& wrap) {
    const fs::path tmp = temporaryname(target);
    bool written = false;
    {
        std::filebuf file;
        if (file.open(tmp, std::ios::out | std::ios::binary | std::ios::trunc)) {
            std::unique_ptr<std::streambuf> wrapped = wrap ? wrap(&file) : nullptr;
            std::ostream out(wrapped ? wrapped.get() : &file);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
            written = bool(out);
            if (file.close() == nullptr) written = false;
        }
    }
    std::error_code ec;
    if (written && syncfile(tmp) && replacefile(tmp, target)) {
        // The rename is done; a folder that cannot be synced (some file systems refuse)
        // does not turn a written file into a failed save.
        syncfolder(target.parent_path());
        return true;
    }
    fs::remove(tmp, ec);
    return false;
}

void markdamaged(std::vector<std::string>& damaged, const fs::path& file) {
    std::error_code ec;
    if (!fs::exists(file, ec)) return;
    auto key = fs::absolute(file, ec).lexically_normal().string();
    if (std::find(damaged.begin(), damaged.end(), key) == damaged.end()) damaged.push_back(key);
}

Outcome keepdamaged(std::vector<std::string>& damaged, const fs::path& target) {
    std::error_code ec;
    auto key = fs::absolute(target, ec).lexically_normal().string();
    auto it = std::find(damaged.begin(), damaged.end(), key);
    if (it == damaged.end()) return {};
    if (!fs::exists(target, ec)) {
        damaged.erase(it);
        return {};
    }
    fs::path keep = target;
    keep += ".damaged-" + datestamp();
    for (int n = 2; fs::exists(keep, ec); ++n) {
        keep = target;
        keep += ".damaged-" + datestamp() + "-" + std::to_string(n);
    }
    fs::copy_file(target, keep, ec);
    if (ec) {
        return Outcome::failure({"The file " + target.filename().string() +
                                     " could not be read when it was opened, and a copy of it "
                                     "could not be kept. It has not been overwritten.",
                                 "Greenfold", Icon::exclamation});
    }
    damaged.erase(it);
    Outcome out;
    out.add({"The file " + target.filename().string() +
                 " could not be read when it was opened. The damaged file has been kept as " +
                 keep.string() + " before it was saved again.",
             "Greenfold", Icon::information});
    return out;
}

Outcome safesave(std::vector<std::string>& damaged, const fs::path& target,
                 const std::string& bytes, const Message& failure, const StreamWrap& wrap) {
    Outcome out = keepdamaged(damaged, target);
    if (!out) return out;
    if (!atomicwrite(target, bytes, wrap)) {
        out.ok = false;
        out.add(failure);
    }
    return out;
}

} // namespace greenfold
