// One full-screen saver at a time across processes, through a lock the kernel releases
// however its holder ends.
#include "platform/host/posix/saver_instance.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include "platform/host/posix/termination_signals.h"
#include "tests/support/temporary_registry.h"

namespace {

// Whether a process of its own gets to be the saver; it ends at once, lock and all.
bool ClaimedByAnotherProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(platform::ClaimSaverInstance() ? 1 : 0);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

TEST(SaverInstance, TheLockLivesInTheRuntimeFolderElseBesideTheSettings) {
    TemporaryRegistry registry;
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(platform::SaverLockPath(), registry.folder + "/saver.lock");
    setenv("XDG_RUNTIME_DIR", "relative", 1);
    EXPECT_EQ(platform::SaverLockPath(), registry.folder + "/saver.lock");
    setenv("XDG_RUNTIME_DIR", "/run/user/1000", 1);
    EXPECT_EQ(platform::SaverLockPath(), "/run/user/1000/lumaris-saver.lock");
    unsetenv("XDG_RUNTIME_DIR");
}

TEST(SaverInstance, OnlyOneProcessHoldsItAndItGoesWithTheProcess) {
    TemporaryRegistry registry;
    setenv("XDG_RUNTIME_DIR", registry.folder.c_str(), 1);
    EXPECT_TRUE(ClaimedByAnotherProcess());
    EXPECT_TRUE(ClaimedByAnotherProcess()) << "released when the first claimant ended";
    ASSERT_TRUE(platform::ClaimSaverInstance());
    EXPECT_FALSE(ClaimedByAnotherProcess());
    unsetenv("XDG_RUNTIME_DIR");
}

// The daemon starts the next display program right after signalling the last one.
TEST(SaverInstance, ASaverAskedToEndGivesItUpWhileItIsStillEnding) {
    TemporaryRegistry registry;
    setenv("XDG_RUNTIME_DIR", registry.folder.c_str(), 1);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t saver = fork();
    if (saver == 0) {
        platform::WatchTerminationSignals();
        const char claimed = platform::ClaimSaverInstance() ? 1 : 0;
        std::raise(SIGTERM);
        if (write(ready[1], &claimed, 1) != 1) _exit(1);
        pause(); // still running, as a saver storing its settings would be
        _exit(0);
    }
    char claimed = 0;
    ASSERT_EQ(read(ready[0], &claimed, 1), 1);
    EXPECT_EQ(claimed, 1);
    EXPECT_TRUE(ClaimedByAnotherProcess());
    kill(saver, SIGKILL);
    waitpid(saver, nullptr, 0);
    close(ready[0]);
    close(ready[1]);
    unsetenv("XDG_RUNTIME_DIR");
}

TEST(SaverInstance, ALockThatCannotBeMadeStopsNobody) {
    setenv("XDG_RUNTIME_DIR", "/nonexistent-folder", 1);
    EXPECT_TRUE(ClaimedByAnotherProcess());
    unsetenv("XDG_RUNTIME_DIR");
}

} // namespace
