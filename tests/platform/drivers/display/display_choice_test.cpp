// What the environment asks of the display: which one, and the size of the headless desktop;
// a mistaken value is reported in one line instead of being passed over in silence.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/drivers/display/backend.h"
#include "platform/drivers/display/display_size.h"
#include "platform/drivers/display/headless/headless_backend.h"
#include "tests/support/saved_environment.h"

namespace {

class DisplayEnvironment : public ::testing::Test {
protected:
    SavedEnvironment saved{"LUMARIS_DISPLAY", "LUMARIS_DESKTOP_SIZE", "DISPLAY", "WAYLAND_DISPLAY"};
};

TEST_F(DisplayEnvironment, AnUnknownDisplayIsReportedAndTakenAsUnset) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const struct {
        const char* value;
        bool sdl;
        const char* line;
    } cases[] = {
        {"sdl", true, ""},
        {"headless", false, ""},
        {"", false, ""},
        {"SDL", false,
         "lumaris: LUMARIS_DISPLAY \"SDL\" is neither sdl nor headless; using headless\n"},
        {"x11", false,
         "lumaris: LUMARIS_DISPLAY \"x11\" is neither sdl nor headless; using headless\n"},
    };
    for (const auto& c : cases) {
        setenv("LUMARIS_DISPLAY", c.value, 1);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(platform::SdlDisplayWanted(), c.sdl) << c.value;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.line);
    }
    setenv("DISPLAY", ":7", 1);
    setenv("LUMARIS_DISPLAY", "x11", 1);
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(platform::SdlDisplayWanted());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "lumaris: LUMARIS_DISPLAY \"x11\" is neither sdl nor headless; using sdl\n");
}

TEST(DisplaySize, IsWxHUpToTheLargestDisplayMadeInMemory) {
    SIZE size{};
    EXPECT_EQ(platform::DisplaySizeProblem("7680x4320", &size), nullptr);
    EXPECT_EQ(size.cx, 7680);
    EXPECT_EQ(size.cy, 4320);
    EXPECT_EQ(platform::DisplaySizeProblem("1x1", &size), nullptr);
    for (const char* bad :
         std::initializer_list<const char*>{"", "640", "640x", "x480", "640x480x", "640x480 ",
                                            "0x480", "640x-1", "a640x480", nullptr}) {
        size = {};
        EXPECT_STREQ(platform::DisplaySizeProblem(bad, &size), "is not a size WxH") << bad;
        EXPECT_EQ(size.cx, 0) << bad;
    }
    for (const char* large : {"7681x4320", "7680x4321", "46000x46000", "99999999999x2"})
        EXPECT_NE(std::string(platform::DisplaySizeProblem(large, &size)).find("gigabytes"),
                  std::string::npos)
            << large;
}

TEST_F(DisplayEnvironment, AMistakenDesktopSizeIsReportedAndTheDefaultUsed) {
    const struct {
        const char* value;
        LONG width;
        const char* line;
    } cases[] = {
        {"800x600", 800, ""},
        {"800 x 600", 1024,
         "lumaris: LUMARIS_DESKTOP_SIZE \"800 x 600\" is not a size WxH; using 1024x768\n"},
        {"16384x16384", 1024,
         "lumaris: LUMARIS_DESKTOP_SIZE \"16384x16384\" is larger than 7680x4320 (8K), the "
         "largest size supported; larger would need gigabytes of memory; using 1024x768\n"},
    };
    for (const auto& c : cases) {
        setenv("LUMARIS_DESKTOP_SIZE", c.value, 1);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(platform::DesktopSizeFromEnvironment().cx, c.width) << c.value;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.line);
    }
}

} // namespace
