// The artwork renderer's own arithmetic and framing: its library-free sine must agree with
// the C library's, and a fitted letter must stay inside its frame at every turn.
#include "tools/artwork/LetterArt.h"
#include "tools/artwork/Trig.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ArtworkTrig, SineAndCosineAgreeWithTheLibraryOverManyTurns) {
    for (int step = -4000; step <= 4000; ++step) {
        double x = step * 0.01; // beyond +-6 turns, through every reduction
        ASSERT_NEAR(artwork::Sine(x), std::sin(x), 1e-12) << x;
        ASSERT_NEAR(artwork::Cosine(x), std::cos(x), 1e-12) << x;
    }
    EXPECT_NEAR(artwork::Sine(artwork::kPi), 0, 1e-15);
    EXPECT_DOUBLE_EQ(artwork::IntPower(0.5, 5), 1.0 / 32);
    EXPECT_DOUBLE_EQ(artwork::IntPower(0.3, 0), 1.0);
}

// Pictures of a few sizes and both letters: border clear (so nothing is cut off and the
// top-left pixel is the background), lettering present and off index 0.
TEST(ArtworkFraming, FittedLettersStayInsideTheFrameAtEveryTurn) {
    for (const artwork::LetterLook& look : {artwork::BigLetter(), artwork::SmallLetter()})
        for (int size : {17, 40}) {
            artwork::LetterArt art(look, size, 2);
            std::vector<artwork::Picture> pictures = art.Render(artwork::FullTurn(24, 0.1));
            for (size_t n = 0; n < pictures.size(); ++n) {
                const artwork::Picture& p = pictures[n];
                int lettering = 0;
                for (int y = 0; y < size; ++y)
                    for (int x = 0; x < size; ++x) {
                        uint8_t index = p[size_t(y) * size + x];
                        bool border = x == 0 || y == 0 || x == size - 1 || y == size - 1;
                        if (border) {
                            ASSERT_EQ(index, 0) << size << " turn " << n;
                        }
                        lettering += index != 0;
                    }
                EXPECT_GT(lettering, size) << size << " turn " << n;
            }
        }
}

} // namespace
