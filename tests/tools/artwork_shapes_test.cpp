// The letters' outlines and the rounded-edge shading built on them: joints between pieces
// must not count as outline (they would show as grooves across a face), and face and wall
// must agree on the normal where they meet (else every edge shows a seam).
#include "tools/artwork/EdgeField.h"
#include "tools/artwork/Mesh.h"
#include "tools/artwork/RoundedEdges.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace artwork;

double Length(const std::vector<Segment2>& outline) {
    double total = 0;
    for (const Segment2& s : outline)
        total += std::hypot(s.b.x - s.a.x, s.b.y - s.a.y);
    return total;
}

TEST(ArtworkOutline, CapitalLIsItsPerimeterWithoutTheJointOfItsPieces) {
    // 0.66 wide, 1 high, four outer corners cut by 0.03 at 45 degrees.
    double perimeter = 2 * (0.66 + 1) - 4 * 0.06 + 4 * 0.03 * std::sqrt(2.0);
    EXPECT_NEAR(Length(LetterOutline(CapitalL())), perimeter, 1e-9);
}

TEST(ArtworkOutline, SmallMHasNoOutlineInsideTheLetter) {
    LetterShape m = SmallM();
    std::vector<Segment2> outline = LetterOutline(m);
    // The stem and arch joints lie on the shoulder line, 0.35 above the baseline; only the
    // three stems' feet and the counters' bottoms may cross it.
    double shoulder = 0.62 - 0.27 - m.centre.y;
    for (const Segment2& s : outline)
        if (std::fabs(s.a.y - shoulder) < 1e-9 && std::fabs(s.b.y - shoulder) < 1e-9)
            ADD_FAILURE() << "outline along the shoulder at x " << s.a.x << ".." << s.b.x;
    EXPECT_GT(Length(outline), 2 * 0.93);
}

TEST(ArtworkOutline, EdgeFieldMeasuresFromTheNearestOutline) {
    LetterShape l = CapitalL();
    EdgeField field(LetterOutline(l), 0.002);
    // Middle of the stem, halfway up: 0.135 from either side.
    EdgeDistance middle = field.At(0.135 - l.centre.x, 0.6 - l.centre.y);
    EXPECT_NEAR(middle.distance, 0.135, 0.003);
    // Near the left side it points left, out of the letter.
    EdgeDistance left = field.At(0.02 - l.centre.x, 0.6 - l.centre.y);
    EXPECT_NEAR(left.distance, 0.02, 0.003);
    EXPECT_LT(left.towardX, -0.99);
}

TEST(ArtworkRoundedEdges, FaceAndWallMeetWithOneNormal) {
    LetterShape l = CapitalL();
    const double depth = 0.24, radius = 0.045;
    RoundedEdges rounded(l, depth, radius);
    std::vector<Face> faces = ExtrudeLetter(l, depth);
    const Face& front = faces[0]; // the stem's front face
    const Face* leftWall = nullptr;
    for (const Face& f : faces)
        if (f.surface == Surface::Wall && f.normal.x < -0.99) leftWall = &f;
    ASSERT_NE(leftWall, nullptr);
    Vec3 edge{-l.centre.x, 0.6 - l.centre.y, depth / 2};
    Vec3 fromFace = rounded.Normal(front, edge), fromWall = rounded.Normal(*leftWall, edge);
    EXPECT_NEAR(Dot(fromFace, fromWall), 1.0, 1e-3);
    EXPECT_NEAR(fromFace.x, -std::sqrt(0.5), 0.02) << "half way between the two";
    // Away from the edges the face is flat.
    Vec3 inside = rounded.Normal(front, {0.135 - l.centre.x, 0.6 - l.centre.y, depth / 2});
    EXPECT_DOUBLE_EQ(inside.z, 1.0);
}

} // namespace
