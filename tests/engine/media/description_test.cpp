// Sprite-image descriptions read into a composite image: whole files, tiles, rectangles and
// chosen frames cut from FLIC files, the values that apply to following cells, the image
// factory's extension rule, every report, and that nothing is left behind.
#include "engine/gfx/mBitmap.h"
#include "engine/media/ImageFactory.h"
#include "engine/media/mImageAVI.h"
#include "engine/media/mImageBitmap.h"
#include "engine/media/mImageFlic.h"
#include "platform/testing/memory.h"
#include "platform/testing/message_boxes.h"
#include "tests/engine/media/FlicBytes.h"
#include "tests/support/private_working_folder.h"
#include "tests/support/rects.h"
#include "tests/support/reports.h"
#include "tests/support/source_tree.h"
#include "tests/support/text_stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

using platform::testing::TakeMessageBoxes;

namespace {

// Files are named from the working folder (a private one: tests run side by side): a folder
// with a dot in its name would count for the extension.
void WriteFile(const std::string& name, const std::vector<unsigned char>& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Two 8 x 4 frames, the second the same as the first: its delta changes nothing.
flictest::Bytes StillSecondFrame() {
    using namespace flictest;
    FileFields fields;
    fields.frames = 2;
    const Bytes lines{0, 0, 1, 0, 1, 0, 3, 9, 9, 9};
    return File(fields, {Frame({SubChunk(12, lines)}), Frame({}), Frame({})});
}

class Description : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        workingFolder = std::make_unique<PrivateWorkingFolder>();
        WriteFile("desc_small.flc", SourceTreeBytes("resources/flic/small.flc"));
        WriteFile("desc_big.flc", SourceTreeBytes("resources/flic/big.flc"));
        WriteFile("desc_still.flc", StillSecondFrame());
    }
    static void TearDownTestSuite() { workingFolder.reset(); }
    static std::unique_ptr<PrivateWorkingFolder> workingFolder;
    void SetUp() override { TakeMessageBoxes(); }

    LONG Parse(const std::string& text) {
        TextStream stream(text);
        return composite->ParseDescription(stream.get());
    }
    std::vector<const mBitmapCell*> Cells() const {
        std::vector<const mBitmapCell*> cells;
        const mBitmapCell* first = composite->FirstCell();
        for (const mBitmapCell* cell = first; cell;
             cell = cell->next == first ? nullptr : cell->next)
            cells.push_back(cell);
        return cells;
    }

    std::unique_ptr<mImageBitmap> composite = std::make_unique<mImageBitmap>();
};

std::unique_ptr<PrivateWorkingFolder> Description::workingFolder;

// Every frame becomes a whole-frame cell with the file's frame time and the changed
// rectangle its decode had in order.
TEST_F(Description, AWholeFileGivesACellPerFrame) {
    ASSERT_EQ(1, Parse("FILE desc_small.flc\nEND\n"));
    mImageFlic flic;
    ASSERT_TRUE(flic.Open("desc_small.flc", 0) && flic.ReadHeader());
    const auto cells = Cells();
    ASSERT_EQ(180u, cells.size());
    EXPECT_EQ(180, composite->formatInfo->frameCount);
    for (LONG i = 0; i < 180; ++i) {
        flic.SeekFrame(i, 0);
        EXPECT_TRUE(cells[i]->source == (RECT{0, 0, 70, 70}));
        EXPECT_EQ(DWORD(flic.playbackInfo->frameTime), cells[i]->time);
        EXPECT_TRUE(cells[i]->changed == flic.playbackInfo->changed) << i;
    }
    EXPECT_NE(cells[0]->bitmap, cells[1]->bitmap);
    EXPECT_TRUE(ShownReports().empty());
}

TEST_F(Description, TilesAreCutWholeRowByRow) {
    ASSERT_EQ(1, Parse("FILE desc_big.flc\nTILE 32,32\nTILE 0,5\nTILE 200,1\nEND\n"));
    const auto cells = Cells();
    ASSERT_EQ(16u, cells.size());
    EXPECT_TRUE(cells[1]->source == (RECT{32, 0, 64, 32}));
    EXPECT_TRUE(cells[4]->source == (RECT{0, 32, 32, 64}));
    EXPECT_TRUE(cells[15]->source == (RECT{96, 96, 128, 128}));
    EXPECT_TRUE(cells[15]->changed == (RECT{0, 0, 32, 32}));
    EXPECT_EQ(16, cells[0]->bitmap->useCount);
}

TEST_F(Description, ChosenFramesAreCutOnePerSourceFrame) {
    ASSERT_EQ(1, Parse("FILE desc_small.flc\nSOURCEFRAME 3\nSOURCEFRAME 7\nEND\n"));
    const auto cells = Cells();
    ASSERT_EQ(2u, cells.size());
    mImageFlic flic;
    ASSERT_TRUE(flic.Open("desc_small.flc", 0) && flic.ReadHeader());
    for (int i = 0; i < 2; ++i) {
        flic.SeekFrame(i == 0 ? 3 : 7, 0);
        std::unique_ptr<mBitmap> frame(flic.CreateFrameBitmap(0));
        const mBitmapInfo& want = *frame->info;
        const mBitmapInfo& got = *cells[i]->bitmap->info;
        for (LONG y = 0; y < 70; ++y)
            ASSERT_EQ(0, memcmp(want.topRow + y * want.pitch, got.topRow + y * got.pitch, 70))
                << "cell " << i << " row " << y;
    }
}

// Values set after FILE apply to the cells that follow; a value that does not read leaves
// what it did not fill.
TEST_F(Description, OriginTimeAndDeltaApplyToTheFollowingCells) {
    ASSERT_EQ(1, Parse("FILE desc_small.flc\nORIGIN 5,6\nTIME 99\nDELTA 1,2,3,4\n"
                       "RECT -5,-5,10,10\nORIGIN 7\nTIME x\nDELTA 0,0,2\nRECT 0,0,20,20\n"));
    const auto cells = Cells();
    ASSERT_EQ(2u, cells.size());
    EXPECT_TRUE(cells[0]->source == (RECT{0, 0, 10, 10}));
    EXPECT_EQ(5, cells[0]->originX);
    EXPECT_EQ(6, cells[0]->originY);
    EXPECT_EQ(99u, cells[0]->time);
    EXPECT_TRUE(cells[0]->changed == (RECT{1, 2, 3, 4}));
    EXPECT_EQ(7, cells[1]->originX);
    EXPECT_EQ(6, cells[1]->originY);
    EXPECT_EQ(99u, cells[1]->time);
    EXPECT_TRUE(cells[1]->changed == (RECT{0, 0, 2, 4}));
}

TEST_F(Description, FaultsAreReportedAndCellKeywordsNeedAFile) {
    struct Case {
        const char* text;
        LONG result;
        std::vector<std::string> reports;
        size_t cells;
    };
    const Case cases[] = {
        {"RECT 0,0,4,4\nFILE desc_small.flc\n", 0, {"mImageBitmap/File type error:RECT"}, 0},
        {"FILE pic.gif\nTILE 2,2\n",
         0,
         {"mImageBitmap/File type error:GIF", "mImageBitmap/File type error:TILE"},
         0},
        {"SOURCEFRAME 2\n", 0, {"mImageBitmap/File type error:SOURCEFRAME"}, 0},
        {"FILE none.flc\nRECT 0,0,4,4\n",
         0,
         {"mFile/File open error:none.flc", "mImageBitmap/File type error:RECT"},
         0},
        {"FILE desc_small.flc\nRECT 10,10,10,20\nRECT 0,0,4,4\n",
         1,
         {"mImageBitmap/Bad rectangle"},
         1},
        {"FILE desc_small.flc\nDELTA 5,5,5,9\nEND\n", 1, {"mImageBitmap/Bad rectangle"}, 179},
    };
    for (const Case& c : cases) {
        composite = std::make_unique<mImageBitmap>();
        EXPECT_EQ(c.result, Parse(c.text)) << c.text;
        EXPECT_EQ(c.reports, ShownReports()) << c.text;
        EXPECT_EQ(c.cells, Cells().size()) << c.text;
    }
    mFile closed;
    EXPECT_EQ(0, composite->ParseDescription(&closed));
}

// The file's changed rectangles are in frame pixels and are taken relative to each cell; a
// cell the frame changed nothing of (a frame like the last, or a change elsewhere) is kept
// and redraws whole, rather than being refused as a bad rectangle.
TEST_F(Description, ChangedRectanglesFromAFileAreTakenRelativeToTheCell) {
    ASSERT_EQ(1,
              Parse("FILE desc_still.flc\nRECT 1,0,8,4\nRECT 4,1,8,4\nFILE desc_still.flc\nEND\n"));
    const auto cells = Cells();
    ASSERT_EQ(4u, cells.size());
    EXPECT_TRUE(cells[0]->changed == (RECT{0, 0, 2, 1})) << "frame 0 changed (0, 0, 3, 1)";
    EXPECT_TRUE(cells[1]->changed == (RECT{0, 0, 4, 3}));
    EXPECT_TRUE(cells[2]->changed == (RECT{0, 0, 3, 1}));
    EXPECT_TRUE(cells[3]->changed == (RECT{0, 0, 8, 4})) << "frame 1 changed nothing";
    EXPECT_TRUE(ShownReports().empty());
}

TEST_F(Description, NoFileCellOrBitmapIsLeftBehind) {
    const size_t before = platform::testing::LiveGlobalBlocks();
    Parse("FILE desc_small.flc\nRECT 0,0,0,0\nFILE desc_big.flc\nSOURCEFRAME 4\nRECT 1,1,9,9\n"
          "SOURCEFRAME 9\nFILE desc_still.flc\nFILE x.pcx\nFILE desc_small.flc\nTILE 35,35\n"
          "RECT 5,5,6,6\nEND\n");
    EXPECT_EQ(9, composite->formatInfo->frameCount);
    composite.reset();
    EXPECT_EQ(before, platform::testing::LiveGlobalBlocks());
}

// The extension is what follows the first dot of the whole name, folders included.
TEST(ImageFactory, TheExtensionIsTheThreeCharactersAfterTheFirstDot) {
    struct Case {
        const char* name;
        const char* extension;
    };
    const Case cases[] = {
        {"walk.flc", "FLC"},     {"WALK.Fli", "FLI"}, {"a.fl", "FL"},
        {"v1.2/pic.flc", "2/P"}, {"name", ""},        {"archive.tar.gz", "TAR"},
    };
    for (const Case& c : cases) {
        char extension[4];
        ImageExtension(c.name, extension);
        EXPECT_STREQ(c.extension, extension) << c.name;
    }
    mImageBitmap reporter;
    TakeMessageBoxes();
    for (const char* name : {"a.flc", "b.FLI"}) {
        mImage* image = CreateImageForFile(name, reporter);
        EXPECT_NE(nullptr, dynamic_cast<mImageFlic*>(image)) << name;
        delete image;
    }
    EXPECT_EQ(nullptr, CreateImageForFile("dir.v2/a.flc", reporter));
    EXPECT_EQ(std::vector<std::string>{"mImageBitmap/File type error:V2/"}, ShownReports());
}

} // namespace

namespace {

// Pictures of the other formats (and the pages of a DCX file) become cells whose colours
// are the picture's, pixel for pixel where the picture has 8 bits.
TEST(DescriptionOfPictures, EveryFormatTheFactoryKnowsGivesCells) {
    PrivateWorkingFolder working;
    struct Case {
        const char* name;
        LONG cells;
        bool exact;
    };
    const Case cases[] = {{"bmp_8bit.bmp", 1, true},
                          {"pcx_8bit.pcx", 1, true},
                          {"bmp_24bit.bmp", 1, false},
                          {"pages.dcx", 3, false}};
    for (const Case& c : cases) {
        const std::string folder = "tests/engine/media/data/pictures/";
        WriteFile(c.name, SourceTreeBytes(folder + c.name));
        mImageBitmap composite;
        TextStream text(std::string("FILE ") + c.name + "\nEND\n");
        EXPECT_EQ(1, composite.ParseDescription(text.get())) << c.name;
        EXPECT_EQ(c.cells, composite.formatInfo->frameCount) << c.name;
        EXPECT_TRUE(ShownReports().empty()) << c.name;
        std::remove(c.name);
        if (!c.exact || !composite.FirstCell()) continue;
        const auto rgb = SourceTreeBytes(folder + c.name + ".rgb");
        const mBitmapInfo& cell = *composite.FirstCell()->bitmap->info;
        ASSERT_EQ(rgb.size(), size_t(cell.width * cell.height * 3)) << c.name;
        for (LONG y = 0; y < cell.height; ++y)
            for (LONG x = 0; x < cell.width; ++x) {
                const RGBQUAD colour = cell.colours[cell.topRow[y * cell.pitch + x]];
                const unsigned char* want = &rgb[size_t(y * cell.width + x) * 3];
                ASSERT_EQ(colour.rgbRed, want[0]) << c.name << " " << x << "," << y;
                ASSERT_EQ(colour.rgbGreen, want[1]) << c.name;
                ASSERT_EQ(colour.rgbBlue, want[2]) << c.name;
            }
    }
}

// A movie gives a cell for every frame, each the movie's frame size.
TEST(DescriptionOfPictures, AMovieGivesACellPerFrame) {
    PrivateWorkingFolder working;
    WriteFile("desc_movie.avi", SourceTreeBytes("tests/engine/media/data/movies/rle8.avi"));
    mImageAVI movie;
    ASSERT_TRUE(movie.Open("desc_movie.avi", 0) && movie.ReadHeader());
    mImageBitmap composite;
    TextStream text("FILE desc_movie.avi\nEND\n");
    EXPECT_EQ(1, composite.ParseDescription(text.get()));
    EXPECT_EQ(movie.formatInfo->frameCount, composite.formatInfo->frameCount);
    EXPECT_EQ(movie.formatInfo->width, composite.formatInfo->width);
    EXPECT_TRUE(ShownReports().empty());
    static_cast<mFile&>(movie).Close();
    std::remove("desc_movie.avi");
}

} // namespace
