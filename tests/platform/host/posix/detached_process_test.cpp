// Starting a program detached: the caller learns whether it runs, and never waits for it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/host/posix/detached_process.h"

namespace {

TEST(DetachedProcess, StartsTheProgramAndReportsWhatCannotStart) {
    const std::string marker =
        (std::filesystem::temp_directory_path() / ("lumaris-detached-" + std::to_string(getpid())))
            .string();
    std::remove(marker.c_str());
    ASSERT_TRUE(platform::StartDetached({"touch", marker}));
    // The grandchild runs on its own; wait for its work, not for it.
    for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(marker));
    std::remove(marker.c_str());
    EXPECT_FALSE(platform::StartDetached({"lumaris-no-such-program"}));
    EXPECT_FALSE(platform::StartDetached({"/etc/hostname"})); // not executable
    EXPECT_FALSE(platform::StartDetached({}));
}

} // namespace
