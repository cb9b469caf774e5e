#pragma once

#include "model/safefile.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace greenfold {

// One writer a league. Beside "Spring.LGE" the lock file "Spring.lock" carries two locks
// the operating system keeps (and lets go of when the process holding them ends):
//   the writer's lock, held by the desktop program while the league is open and by
//   greenfold-cli while a command changes it; the lock file names its holder;
//   the commit lock, held by a writer while it renames the league's files into place
//   (milliseconds), and shared by readers while they read them, so a reader never sees a
//   change half made.
// Within one process the locks are counted: a process that holds a league may take it
// again (the desktop's open league, then its save).
inline constexpr const char* locksuffix = ".lock";

// The league's name without ".LGE", as lock, commit and temporary names begin.
std::string leaguestem(const std::string& leaguefile);

// Names the program in the lock files this process writes ("Greenfold" unless set).
void setlockprogram(const std::string& program);

struct HeldLock;

// The writer's lock of one league; empty when not held. Copies share the hold, which
// ends with the last of them.
class LeagueLock {
  public:
    LeagueLock() = default;
    explicit operator bool() const { return held_ != nullptr; }
    const HeldLock* held() const { return held_.get(); }

  private:
    friend struct LockTaker;
    std::shared_ptr<HeldLock> held_;
};

// Takes the writer's lock without waiting; refusal names who holds it ("Tuesday Night is
// open in Greenfold on this computer, process 1234.") or why the lock file could not be
// made.
struct LockTry {
    LeagueLock lock;
    std::string refusal;
};
LockTry lockleague(const fs::path& dir, const std::string& leaguefile);

// The commit lock, taken by the holder of the writer's lock for its renames. Waits for
// readers that are reading (at most `wait`); empty when they did not finish in time.
class CommitLock {
  public:
    CommitLock(const LeagueLock& writer, std::chrono::milliseconds wait);
    ~CommitLock();
    CommitLock(const CommitLock&) = delete;
    CommitLock& operator=(const CommitLock&) = delete;
    explicit operator bool() const { return taken_; }

  private:
    const HeldLock* held_ = nullptr;
    bool taken_ = false;
};

// A reader's share of the commit lock: while it is held no writer renames a file of the
// league. Taking it waits (at most `wait`) for a commit in progress to end. A reader never
// makes the lock file: without one no writer has ever changed the league in this version
// (every writer makes it first and leaves it), and the files are read as they are. See
// guardread (leaguecommit.h), which also finishes a commit that a killed writer left.
class ReadGuard {
  public:
    ReadGuard() = default;
    ReadGuard(ReadGuard&& other) noexcept;
    ReadGuard& operator=(ReadGuard&& other) noexcept;
    ~ReadGuard();
    ReadGuard(const ReadGuard&) = delete;
    ReadGuard& operator=(const ReadGuard&) = delete;

    // False only when a commit held the lock for longer than `wait`.
    static bool take(ReadGuard& guard, const fs::path& dir, const std::string& leaguefile,
                     std::chrono::milliseconds wait);
    void release();

  private:
    intptr_t handle_ = -1;
};

} // namespace greenfold
