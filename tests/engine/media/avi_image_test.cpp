// The AVI image on the committed movies, compared pixel for pixel and colour for colour with
// ffmpeg's decoding, and on crafted movies for stream choice, seeking and bad input.
#include "platform/testing/message_boxes.h"
#include "tests/engine/media/avi_test_support.h"

namespace {

using namespace avi_test;

ReferenceFrames Reference(const std::string& name, LONG width, LONG height) {
    return ReferenceFrames{width, height, Movie(name + ".pal8")};
}

struct CommittedMovie {
    const char* name;
    LONG width, height;
};

class CommittedMovies : public ::testing::TestWithParam<CommittedMovie> {};

TEST_P(CommittedMovies, EveryFrameAndColourAsFfmpegDecodesThem) {
    const CommittedMovie& movie = GetParam();
    ReferenceFrames reference = Reference(movie.name, movie.width, movie.height);
    Player player(Movie(std::string(movie.name) + ".avi"));
    ASSERT_TRUE(player.opened);
    EXPECT_EQ(player.image.formatInfo->typeTag, avi::kFormAvi);
    ASSERT_EQ(player.image.formatInfo->frameCount, reference.Count());
    player.image.SetAutoAdvance(TRUE);
    for (LONG frame = 0; frame < reference.Count(); ++frame) {
        ASSERT_EQ(player.image.Draw(0, 0, nullptr), frame);
        EXPECT_TRUE(player.ShowsFrame(reference, frame)) << "frame " << frame;
        for (int i = 0; i < 256; ++i) {
            RGBQUAD ours = player.image.playbackInfo->palette[i];
            RGBQUAD theirs = reference.Colour(frame, i);
            ASSERT_EQ(ours.rgbRed * 65536 + ours.rgbGreen * 256 + ours.rgbBlue,
                      theirs.rgbRed * 65536 + theirs.rgbGreen * 256 + theirs.rgbBlue)
                << "frame " << frame << " colour " << i;
        }
    }
    // Auto-advance stops at the last frame.
    EXPECT_EQ(player.image.Draw(0, 0, nullptr), reference.Count() - 1);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

// uncompressed_sound: top-down rows, handler 0, 56-byte stream headers, a sound stream.
// rle8: handler "RLE ", delta frames and a palette change chunk. video1: skipped blocks,
// key frames and a palette change. rle8_keys: key frames 0, 16 and 32.
INSTANTIATE_TEST_SUITE_P(AviImage, CommittedMovies,
                         ::testing::Values(CommittedMovie{"uncompressed_sound", 64, 48},
                                           CommittedMovie{"rle8", 64, 48},
                                           CommittedMovie{"video1", 64, 48},
                                           CommittedMovie{"rle8_keys", 32, 24}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AviImage, FileSourceDecodesLikeMemory) {
    ReferenceFrames reference = Reference("video1", 64, 48);
    mImageAVI image;
    ASSERT_EQ(image.Open(SourceTreePath("tests/engine/media/data/movies/video1.avi").c_str(), 0),
              1);
    ASSERT_TRUE(image.ReadHeader());
    mBitmap screen;
    ASSERT_TRUE(screen.Create(64, -48, 8));
    image.SetTarget(&screen);
    for (LONG frame = 0; frame < reference.Count(); ++frame) {
        image.SeekFrame(frame, 0);
        ASSERT_EQ(image.Draw(0, 0, nullptr), frame);
        EXPECT_EQ(std::memcmp(screen.info->topRow, reference.Pixels(frame), 64), 0) << frame;
    }
    image.SetTarget(nullptr);
}

TEST(AviImage, MovieWithoutSoundNeverPlays) {
    Player player(Movie("rle8.avi"));
    ASSERT_TRUE(player.opened);
    EXPECT_EQ(player.image.mediaInfo->formatTag, avi::kNoSound);
    EXPECT_EQ(player.image.Play(0, 1), 0);
}

TEST(AviImage, DrawWithoutTargetDoesNothing) {
    Bytes bytes = Movie("rle8.avi");
    mImageAVI image;
    image.OpenMemory(bytes.data(), LONG(bytes.size()));
    EXPECT_EQ(image.Draw(0, 0, nullptr), -1);
    EXPECT_EQ(image.formatInfo->typeTag, 0u);
}

TEST(AviImage, NextFrameWaitsForDrawAndBackwardsRestartsFromTheStart) {
    ReferenceFrames reference = Reference("rle8", 64, 48);
    Bytes file = Movie("rle8.avi");
    Player player(file);
    ASSERT_TRUE(player.opened);
    for (LONG frame = 0; frame < 5; ++frame) {
        player.image.SeekFrame(frame, 0);
        player.image.Draw(0, 0, nullptr);
    }
    EXPECT_EQ(player.image.SeekFrame(5, 0), 5);
    EXPECT_TRUE(player.ShowsFrame(reference, 4)); // nothing decoded yet
    EXPECT_EQ(player.image.playbackInfo->currentFrame, 5);
    // Backwards (this file's index is not needed for it) replays from frame 0.
    EXPECT_EQ(player.image.SeekFrame(2, 0), 0);
    EXPECT_EQ(player.image.Draw(0, 0, nullptr), 2);
    EXPECT_TRUE(player.ShowsFrame(reference, 2));
    // Relative seeks count from the frame last decompressed; beyond the end nothing moves.
    EXPECT_EQ(player.image.SeekFrame(3, 1), 0);
    EXPECT_EQ(player.image.Draw(0, 0, nullptr), 5);
    EXPECT_TRUE(player.ShowsFrame(reference, 5));
    EXPECT_EQ(player.image.SeekFrame(12, 0), 5);
    EXPECT_EQ(player.image.SeekFrame(-1, 0), 5);
}

// Offset of a chunk's header by its identifier, searching from `from`.
size_t FindId(const Bytes& file, const char* id, size_t from = 0) {
    for (size_t i = from; i + 4 <= file.size(); ++i)
        if (std::memcmp(&file[i], id, 4) == 0) return i;
    return file.size();
}

TEST(AviImage, FarSeekRestartsAtTheLastKeyFrameOfTheIndex) {
    ReferenceFrames reference = Reference("rle8_keys", 32, 24);
    Bytes file = Movie("rle8_keys.avi");
    // Frame 5's chunk turns into a list claiming the rest of the file: a walk through it
    // would fail, so a correct frame 30 shows the walk started at key frame 16.
    size_t chunk = FindId(file, "00dc", FindId(file, "movi"));
    for (int frame = 0; frame < 5; ++frame) {
        DWORD size = DWORD(file[chunk + 4] | file[chunk + 5] << 8);
        chunk += 8 + size + (size & 1);
    }
    std::memcpy(&file[chunk], "LIST\xFF\xFF\xFF\x7Fjunk", 12);
    Player player(file);
    ASSERT_TRUE(player.opened);
    ASSERT_EQ(player.image.Draw(0, 0, nullptr), 0);
    EXPECT_EQ(player.image.SeekFrame(30, 0), 0);
    EXPECT_EQ(player.image.Draw(0, 0, nullptr), 30);
    EXPECT_TRUE(player.ShowsFrame(reference, 30));
    // Without the index flag the same seek walks from frame 0 and meets the damage.
    Bytes unindexed = file;
    size_t flags = FindId(unindexed, "avih") + 8 + 12;
    ASSERT_LT(flags, unindexed.size());
    unindexed[flags] = BYTE(unindexed[flags] & ~avi::kHasIndex);
    Player walker(unindexed);
    ASSERT_TRUE(walker.opened);
    ASSERT_EQ(walker.image.Draw(0, 0, nullptr), 0);
    walker.image.SeekFrame(30, 0);
    EXPECT_EQ(walker.image.Draw(0, 0, nullptr), -1);
}

// Handler codes in files often name no decompressor of the system (or none at all).
void RenameHandler(Bytes& file, const char* handler) {
    std::memcpy(&file[FindId(file, "strh") + 12], handler, 4);
}

TEST(AviImage, UncompressedFramesAreCopiedWhateverTheHandlerSays) {
    for (bool topDown : {false, true}) {
        // Stored rows padded to four bytes: the first stored row is 1 2 3.
        Bytes file = CraftedMovie(3, 2, {VideoStream(3, topDown ? -2 : 2, 0)},
                                  {Chunk("00db", {1, 2, 3, 0, 4, 5, 6, 0})}, 1);
        RenameHandler(file, "none");
        Player player(file);
        ASSERT_TRUE(player.opened) << topDown;
        ASSERT_EQ(player.image.Draw(0, 0, nullptr), 0);
        EXPECT_EQ(player.Shown(), (topDown ? Bytes{1, 2, 3, 4, 5, 6} : Bytes{4, 5, 6, 1, 2, 3}));
        EXPECT_EQ(player.image.playbackInfo->palette[6].rgbRed, 6);
    }
    // Only 8-bit rows of the movie's own size can be copied.
    Bytes deep = CraftedMovie(4, 2, {VideoStream(4, 2, 0)}, {}, 1);
    deep[FindId(deep, "strf") + 8 + 14] = 16;
    EXPECT_FALSE(Player(deep).opened);
}

TEST(AviImage, HandlerNamingNoDecompressorFallsBackToOneThatReadsTheFormat) {
    ReferenceFrames reference = Reference("video1", 64, 48);
    Bytes file = Movie("video1.avi");
    RenameHandler(file, "XXXX");
    Player player(file);
    ASSERT_TRUE(player.opened);
    player.image.SetAutoAdvance(TRUE);
    for (LONG frame = 0; frame < reference.Count(); ++frame) {
        ASSERT_EQ(player.image.Draw(0, 0, nullptr), frame);
        EXPECT_TRUE(player.ShowsFrame(reference, frame)) << "frame " << frame;
    }
}

// Frames of one uncompressed 4 x 2 stream: every pixel the stream's number plus one.
Bytes FrameOf(int stream) {
    return Chunk(stream ? "01db" : "00db", Bytes(8, BYTE(stream + 1)));
}

TEST(AviImage, VideoStreamOfHigherOrEqualPriorityIsChosen) {
    const WORD priorities[][2] = {{0, 5}, {3, 3}, {5, 0}};
    const BYTE expected[] = {2, 2, 1};
    for (int i = 0; i < 3; ++i) {
        Player player(CraftedMovie(
            4, 2, {VideoStream(4, 2, priorities[i][0]), VideoStream(4, 2, priorities[i][1])},
            {FrameOf(0), FrameOf(1)}, 1));
        ASSERT_TRUE(player.opened);
        ASSERT_EQ(player.image.Draw(0, 0, nullptr), 0);
        EXPECT_EQ(player.Shown()[0], expected[i]) << i;
    }
}

TEST(AviImage, KeyColourComesFromEachFrameUntilSet) {
    Player player(CraftedMovie(4, 2, {VideoStream(4, 2, 0)},
                               {Chunk("00db", Bytes(8, 7)), Chunk("00db", Bytes(8, 9))}, 2));
    ASSERT_TRUE(player.opened);
    player.image.Draw(0, 0, nullptr);
    EXPECT_EQ(player.image.playbackInfo->keyColour & 0xFF, 7);
    EXPECT_FALSE(player.image.playbackInfo->transparent);
    player.image.SetKeyColour(3);
    player.image.SeekFrame(1, 0);
    player.image.Draw(0, 0, nullptr);
    EXPECT_EQ(player.image.playbackInfo->keyColour, 3);
    EXPECT_TRUE(player.image.playbackInfo->transparent);
}

TEST(AviImage, RecordListsAndPaletteChangesAreNotFrames) {
    Bytes change = {250, 2, 0, 0, 10, 20, 30, 0, 40, 50, 60, 0,
                    // two more entries than the count, and a first entry past 255 never land
                    1, 2, 3, 0, 4, 5, 6, 0};
    Player player(
        CraftedMovie(4, 2, {VideoStream(4, 2, 0)},
                     {List("LIST", "rec ", {Chunk("00pc", change), Chunk("00db", Bytes(8, 4))}),
                      Chunk("00pc", {255, 4, 0, 0, 1, 1, 1, 0}), Chunk("00db", Bytes(8, 5))},
                     2));
    ASSERT_TRUE(player.opened);
    ASSERT_EQ(player.image.Draw(0, 0, nullptr), 0);
    EXPECT_EQ(player.Shown()[0], 4);
    const RGBQUAD* palette = player.image.playbackInfo->palette;
    EXPECT_EQ(palette[250].rgbRed, 10);
    EXPECT_EQ(palette[251].rgbBlue, 60);
    EXPECT_EQ(palette[252].rgbRed, 252);
    EXPECT_TRUE(player.image.playbackInfo->paletteChanged);
    player.image.SeekFrame(1, 0);
    ASSERT_EQ(player.image.Draw(0, 0, nullptr), 1);
    EXPECT_EQ(player.Shown()[0], 5);
    EXPECT_EQ(palette[255].rgbRed, 1);
}

TEST(AviImage, DamagedMoviesAreRefusedOrEndQuietly) {
    // A format chunk of the bare header: its colour table is not there, so black.
    Player shortFormat(
        CraftedMovie(4, 2, {VideoStream(4, 2, 0, 40)}, {Chunk("00db", Bytes(8, 1))}, 1));
    ASSERT_TRUE(shortFormat.opened);
    EXPECT_EQ(shortFormat.image.playbackInfo->palette[1].rgbRed, 0);
    EXPECT_EQ(shortFormat.image.Draw(0, 0, nullptr), 0);
    // A frame chunk claiming far more than the file holds reads what is there.
    Bytes claim = Chunk("00db", Bytes(8, 6));
    claim[7] = 0x7F;
    Player overlong(CraftedMovie(4, 2, {VideoStream(4, 2, 0)}, {claim}, 2));
    ASSERT_TRUE(overlong.opened);
    EXPECT_EQ(overlong.image.Draw(0, 0, nullptr), 0);
    EXPECT_EQ(overlong.Shown()[0], 6);
    overlong.image.SeekFrame(1, 0);
    EXPECT_EQ(overlong.image.Draw(0, 0, nullptr), -1);
    // No video stream, a zero size, a size larger than the engine takes, a header that is
    // not the 40-byte one: refused without a report.
    EXPECT_FALSE(Player(CraftedMovie(4, 2, {}, {}, 1)).opened);
    EXPECT_FALSE(Player(CraftedMovie(0, 2, {VideoStream(0, 2, 0)}, {}, 1)).opened);
    EXPECT_FALSE(Player(CraftedMovie(20000, 2, {VideoStream(20000, 2, 0)}, {}, 1)).opened);
    Bytes odd = CraftedMovie(4, 2, {VideoStream(4, 2, 0)}, {}, 1);
    odd[FindId(odd, "strf") + 8] = 124;
    EXPECT_FALSE(Player(odd).opened);
    // A frame size that disagrees with the stream's format is refused.
    EXPECT_FALSE(Player(CraftedMovie(8, 2, {VideoStream(4, 2, 0)}, {}, 1)).opened);
    EXPECT_TRUE(platform::testing::TakeMessageBoxes().empty());
}

TEST(AviImage, WritingIsNotImplemented) {
    mImageAVI image;
    EXPECT_EQ(image.WriteHeader(), 0);
    EXPECT_EQ(image.WriteFrame(0, 0, 0), 0);
    EXPECT_EQ(platform::testing::TakeMessageBoxes().size(), 2u);
}

} // namespace
