// The league's locks seen from one process: a reader's guard handed on keeps the commit
// waiting; a lock file whose holder cannot be read is refused in general words.
#include "model/leaguelock.h"
#include "support/testfiles.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace greenfold;
using namespace greenfold::testing;
using namespace std::chrono_literals;

TEST(LeagueLock, aReadersGuardHandedOnStillHoldsTheCommitBack) {
    TempDir dir;
    const LockTry writer = lockleague(dir.path(), "Spring.LGE");
    ASSERT_TRUE(writer.lock) << writer.refusal;
    ReadGuard first, second;
    ASSERT_TRUE(ReadGuard::take(first, dir.path(), "Spring.LGE", 0ms));
    second = std::move(first);
    EXPECT_FALSE(CommitLock(writer.lock, 0ms)); // the reader is still reading
    second.release();
    EXPECT_TRUE(CommitLock(writer.lock, 0ms));
}

TEST(LeagueLock, aHolderThatCannotBeReadIsNamedInGeneralWords) {
    TempDir dir;
    int ready[2], done[2];
    ASSERT_EQ(::pipe(ready), 0);
    ASSERT_EQ(::pipe(done), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        const LockTry held = lockleague(dir.path(), "Spring.LGE");
        char c = held.lock ? 1 : 0;
        [[maybe_unused]] auto w = ::write(ready[1], &c, 1);
        [[maybe_unused]] auto r = ::read(done[0], &c, 1);
        ::_exit(0);
    }
    char c = 0;
    ASSERT_EQ(::read(ready[0], &c, 1), 1);
    ASSERT_EQ(c, 1);
    const fs::path file = dir.path() / "Spring.lock";
    // Cut short, without its program or without its process.
    for (const char* damaged : {"", "Greenfold\nhost\n", "\nhost\n123\n"}) {
        writebytes(file, damaged);
        EXPECT_EQ(lockleague(dir.path(), "Spring.LGE").refusal,
                  "Spring is in use by another program.")
            << damaged;
    }
    [[maybe_unused]] auto w = ::write(done[1], &c, 1);
    ::waitpid(child, nullptr, 0);
}
