// Which audio backend the environment asks for: named outright, or following the display.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/drivers/audio/backend.h"
#include "tests/support/saved_environment.h"

namespace {

class AudioEnvironment : public ::testing::Test {
protected:
    SavedEnvironment saved{"LUMARIS_AUDIO", "LUMARIS_DISPLAY"};
};

TEST_F(AudioEnvironment, NamedOrFollowingTheDisplayAndMistakesReported) {
    const struct {
        const char* audio;
        const char* display;
        bool sdl;
        const char* line;
    } cases[] = {
        {"sdl", "headless", true, ""},
        {"null", "sdl", false, ""},
        {"", "sdl", true, ""},
        {"", "headless", false, ""},
        {"alsa", "headless", false,
         "lumaris: LUMARIS_AUDIO \"alsa\" is neither sdl nor null; using null\n"},
        {"alsa", "sdl", true,
         "lumaris: LUMARIS_AUDIO \"alsa\" is neither sdl nor null; using sdl\n"},
    };
    for (const auto& c : cases) {
        setenv("LUMARIS_AUDIO", c.audio, 1);
        setenv("LUMARIS_DISPLAY", c.display, 1);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(platform::SdlAudioWanted(), c.sdl) << c.audio << " " << c.display;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.line);
    }
}

} // namespace
