// An image sprite's script file read twice: as its program, and, when its image is a
// composite one, as the description of the image's cells.
#include "stage_fixture.h"

#include "engine/core/mScript.h"
#include "engine/core/mSpriteImage.h"
#include "engine/media/mImageBitmap.h"
#include "sprite_fakes.h"
#include "tests/support/private_working_folder.h"
#include "tests/support/source_tree.h"
#include "tests/support/text_stream.h"

#include <fstream>
#include <memory>

namespace {

class SpriteImageScript : public StageTest {
protected:
    static void SetUpTestSuite() {
        workingFolder = std::make_unique<PrivateWorkingFolder>();
        const auto bytes = SourceTreeBytes("resources/flic/small.flc");
        std::ofstream("script_small.flc", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    static void TearDownTestSuite() { workingFolder.reset(); }
    static std::unique_ptr<PrivateWorkingFolder> workingFolder;
    void SetUp() override {
        StageTest::SetUp();
        MakeStage(320, 200);
    }
    void TearDown() override {
        delete sprite;
        StageTest::TearDown();
    }

    mSpriteImage* sprite = new mSpriteImage;
};

std::unique_ptr<PrivateWorkingFolder> SpriteImageScript::workingFolder;

TEST_F(SpriteImageScript, ACompositeImageTakesItsCellsFromTheSameText) {
    auto* composite = new mImageBitmap;
    sprite->SetImage(composite);
    TextStream text("// a walker\nFILE script_small.flc\nSOURCEFRAME 2\nSOURCEFRAME 4\n"
                    "POSX 50\nPOSY 40\n:1\nADVANCEFRAME\nLOOP 1\n");
    EXPECT_EQ(1, sprite->LoadScript(text.get()));
    EXPECT_EQ(5, sprite->program->count);
    EXPECT_EQ(2, composite->formatInfo->frameCount);

    stage->AddRenderer(sprite);
    EXPECT_EQ(DWORD(composite->playbackInfo->frameTime), sprite->period);
    sprite->Tick(0);
    EXPECT_EQ(1u, sprite->frame);
    EXPECT_EQ((RECT{50, 40, 120, 110}), sprite->rect);
    sprite->Tick(0);
    EXPECT_EQ(0u, sprite->frame) << "two cells: the loop wraps";
}

// Only a composite image reads a description; the result is 1 whatever the script gave.
TEST_F(SpriteImageScript, OtherImagesAndEmptyScriptsReadNoDescription) {
    auto* image = new FakeImage(10, 8, 8, 30);
    sprite->SetImage(image);
    TextStream text("FILE script_small.flc\nEND\n");
    EXPECT_EQ(1, sprite->LoadScript(text.get()));
    EXPECT_EQ(nullptr, sprite->program);
    EXPECT_EQ(0, text.Offset()) << "the stream is sought back to where the script began";
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
    mFile closed;
    EXPECT_EQ(1, sprite->LoadScript(&closed));
}

} // namespace
