#include "model/leaguelock.h"

#include <map>
#include <mutex>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace greenfold {

namespace {

// Byte 0 of the lock file is the writer's lock, byte 1 the commit lock.
constexpr long writerbyte = 0;
constexpr long commitbyte = 1;
constexpr auto retrystep = std::chrono::milliseconds(5);

std::string& lockprogram() {
    static std::string program = "Greenfold";
    return program;
}

} // namespace

// ---- the operating system's side: open a lock file, lock one byte, let go ----

namespace {

enum class Lock { shared, exclusive, none };

#ifdef _WIN32

constexpr intptr_t nohandle = -1;

HANDLE openshared(const fs::path& file, DWORD access, DWORD how) {
    return CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, how, FILE_ATTRIBUTE_NORMAL, nullptr);
}

intptr_t openlockfile(const fs::path& file, bool create) {
    HANDLE h = create ? openshared(file, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS)
                      : openshared(file, GENERIC_READ, OPEN_EXISTING);
    return h == INVALID_HANDLE_VALUE ? nohandle : reinterpret_cast<intptr_t>(h);
}

void closelockfile(intptr_t h) {
    CloseHandle(reinterpret_cast<HANDLE>(h));
}

bool lockbyte(intptr_t h, long byte, Lock how) {
    OVERLAPPED at{};
    at.Offset = DWORD(byte);
    HANDLE file = reinterpret_cast<HANDLE>(h);
    if (how == Lock::none) return UnlockFileEx(file, 0, 1, 0, &at) != 0;
    const DWORD flags =
        LOCKFILE_FAIL_IMMEDIATELY | (how == Lock::exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    return LockFileEx(file, flags, 0, 1, 0, &at) != 0;
}

void writeholder(intptr_t h, const std::string& text) {
    HANDLE file = reinterpret_cast<HANDLE>(h);
    SetFilePointer(file, 0, nullptr, FILE_BEGIN);
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    SetEndOfFile(file);
}

long processid() {
    return long(GetCurrentProcessId());
}

std::string hostname() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    return GetComputerNameA(name, &size) ? std::string(name, size) : std::string();
}

#else

constexpr intptr_t nohandle = -1;

// Locks that belong to the open file, not to the process, so that a reader's descriptor
// closing never lets go of the same process's writer lock.
#ifdef F_OFD_SETLK
constexpr int setlock = F_OFD_SETLK;
#else
constexpr int setlock = F_SETLK;
#endif

intptr_t openlockfile(const fs::path& file, bool create) {
    const int fd = ::open(file.c_str(), (create ? O_RDWR | O_CREAT : O_RDONLY) | O_CLOEXEC, 0644);
    return fd < 0 ? nohandle : intptr_t(fd);
}

void closelockfile(intptr_t h) {
    ::close(int(h));
}

bool lockbyte(intptr_t h, long byte, Lock how) {
    struct flock l {};
    l.l_type = short(how == Lock::none ? F_UNLCK : how == Lock::shared ? F_RDLCK : F_WRLCK);
    l.l_whence = SEEK_SET;
    l.l_start = byte;
    l.l_len = 1;
    return ::fcntl(int(h), setlock, &l) == 0;
}

void writeholder(intptr_t h, const std::string& text) {
    const int fd = int(h);
    if (::ftruncate(fd, 0) != 0) return;
    [[maybe_unused]] const auto n = ::pwrite(fd, text.data(), text.size(), 0);
}

long processid() {
    return long(::getpid());
}

std::string hostname() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "";
    return name;
}

#endif

// Tries until the deadline.
bool lockwithin(intptr_t h, long byte, Lock how, std::chrono::milliseconds wait) {
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (!lockbyte(h, byte, how)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(retrystep);
    }
    return true;
}

fs::path lockpath(const fs::path& dir, const std::string& leaguefile) {
    return findfile(dir, leaguestem(leaguefile) + locksuffix);
}

std::string lockkey(const fs::path& file) {
    std::error_code ec;
    return fs::absolute(file, ec).lexically_normal().string();
}

// "Greenfold\n<host>\n<pid>\n": who holds the writer's lock.
std::string holdertext() {
    return lockprogram() + "\n" + hostname() + "\n" + std::to_string(processid()) + "\n";
}

std::string holderrefusal(const std::string& league, const fs::path& file) {
    std::string bytes;
    readwhole(file, bytes);
    std::string parts[3];
    std::size_t at = 0;
    for (std::string& part : parts) {
        const std::size_t end = bytes.find('\n', at);
        if (end == std::string::npos) break;
        part = bytes.substr(at, end - at);
        at = end + 1;
    }
    const std::string& program = parts[0];
    if (program.empty() || parts[2].empty()) return league + " is in use by another program.";
    const std::string where =
        parts[1] == hostname() ? "on this computer" : "on the computer " + parts[1];
    const std::string what =
        program == "Greenfold" ? " is open in Greenfold " : " is being changed by " + program + " ";
    return league + what + where + ", process " + parts[2] + ".";
}

} // namespace

// ---- the process's side: one open lock file a league, shared by its holders ----

struct HeldLock {
    intptr_t handle = nohandle;
    std::string key;
    ~HeldLock();
};

namespace {

std::mutex& registrylock() {
    static std::mutex m;
    return m;
}

std::map<std::string, std::weak_ptr<HeldLock>>& registry() {
    static std::map<std::string, std::weak_ptr<HeldLock>> held;
    return held;
}

} // namespace

HeldLock::~HeldLock() {
    std::lock_guard<std::mutex> hold(registrylock());
    auto it = registry().find(key);
    if (it != registry().end() && it->second.expired()) registry().erase(it);
    if (handle != nohandle) closelockfile(handle);
}

struct LockTaker {
    static LockTry take(const fs::path& dir, const std::string& leaguefile) {
        const fs::path file = lockpath(dir, leaguefile);
        const std::string key = lockkey(file);
        std::lock_guard<std::mutex> hold(registrylock());
        LockTry out;
        if (auto it = registry().find(key); it != registry().end())
            if (auto held = it->second.lock()) {
                out.lock.held_ = std::move(held);
                return out;
            }
        const std::string league = leaguestem(leaguefile);
        const intptr_t h = openlockfile(file, true);
        if (h == nohandle) {
            out.refusal = "The lock file " + file.string() + " of " + league +
                          " cannot be made, so it cannot be changed.";
            return out;
        }
        if (!lockbyte(h, writerbyte, Lock::exclusive)) {
            closelockfile(h);
            out.refusal = holderrefusal(league, file);
            return out;
        }
        writeholder(h, holdertext());
        auto held = std::make_shared<HeldLock>();
        held->handle = h;
        held->key = key;
        registry()[key] = held;
        out.lock.held_ = std::move(held);
        return out;
    }
};

std::string leaguestem(const std::string& leaguefile) {
    std::string stem = leaguefile;
    if (stem.size() >= 4) {
        std::string tail = stem.substr(stem.size() - 4);
        for (char& c : tail)
            if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (tail == ".LGE") stem.resize(stem.size() - 4);
    }
    return stem;
}

void setlockprogram(const std::string& program) {
    lockprogram() = program;
}

LockTry lockleague(const fs::path& dir, const std::string& leaguefile) {
    return LockTaker::take(dir, leaguefile);
}

CommitLock::CommitLock(const LeagueLock& writer, std::chrono::milliseconds wait)
    : held_(writer.held()) {
    taken_ = held_ != nullptr && lockwithin(held_->handle, commitbyte, Lock::exclusive, wait);
}

CommitLock::~CommitLock() {
    if (taken_) lockbyte(held_->handle, commitbyte, Lock::none);
}

ReadGuard::ReadGuard(ReadGuard&& other) noexcept : handle_(other.handle_) {
    other.handle_ = nohandle;
}

ReadGuard& ReadGuard::operator=(ReadGuard&& other) noexcept {
    if (this != &other) {
        release();
        handle_ = other.handle_;
        other.handle_ = nohandle;
    }
    return *this;
}

ReadGuard::~ReadGuard() {
    release();
}

void ReadGuard::release() {
    if (handle_ != nohandle) closelockfile(handle_);
    handle_ = nohandle;
}

bool ReadGuard::take(ReadGuard& guard, const fs::path& dir, const std::string& leaguefile,
                     std::chrono::milliseconds wait) {
    guard.release();
    const intptr_t h = openlockfile(lockpath(dir, leaguefile), false);
    if (h == nohandle) return true;
    if (!lockwithin(h, commitbyte, Lock::shared, wait)) {
        closelockfile(h);
        return false;
    }
    guard.handle_ = h;
    return true;
}

} // namespace greenfold
