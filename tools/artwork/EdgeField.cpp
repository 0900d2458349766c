#include "tools/artwork/EdgeField.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace artwork {

EdgeField::EdgeField(const std::vector<Segment2>& outline, double cell) : cell_(cell) {
    double right = -std::numeric_limits<double>::max(), top = right;
    left_ = bottom_ = std::numeric_limits<double>::max();
    for (const Segment2& s : outline)
        for (Point2 p : {s.a, s.b}) {
            left_ = std::min(left_, p.x), right = std::max(right, p.x);
            bottom_ = std::min(bottom_, p.y), top = std::max(top, p.y);
        }
    columns_ = static_cast<int>((right - left_) / cell) + 2;
    rows_ = static_cast<int>((top - bottom_) / cell) + 2;
    grid_.reserve(static_cast<size_t>(columns_) * rows_);
    for (int row = 0; row < rows_; ++row)
        for (int column = 0; column < columns_; ++column)
            grid_.push_back(Nearest(outline, {left_ + column * cell, bottom_ + row * cell}));
}

EdgeDistance EdgeField::Nearest(const std::vector<Segment2>& outline, Point2 p) {
    EdgeDistance best{std::numeric_limits<double>::max(), 0, 0};
    for (const Segment2& s : outline) {
        double ex = s.b.x - s.a.x, ey = s.b.y - s.a.y;
        double t =
            std::clamp(((p.x - s.a.x) * ex + (p.y - s.a.y) * ey) / (ex * ex + ey * ey), 0.0, 1.0);
        double dx = s.a.x + ex * t - p.x, dy = s.a.y + ey * t - p.y;
        double distance = std::sqrt(dx * dx + dy * dy);
        if (distance >= best.distance) continue;
        // On the outline itself the direction is the edge's outward normal.
        double length = std::sqrt(ex * ex + ey * ey);
        best = distance > 1e-12 ? EdgeDistance{distance, dx / distance, dy / distance}
                                : EdgeDistance{0, ey / length, -ex / length};
    }
    return best;
}

EdgeDistance EdgeField::At(double x, double y) const {
    int column = static_cast<int>(std::floor((x - left_) / cell_ + 0.5));
    int row = static_cast<int>(std::floor((y - bottom_) / cell_ + 0.5));
    column = std::clamp(column, 0, columns_ - 1);
    row = std::clamp(row, 0, rows_ - 1);
    return grid_[static_cast<size_t>(row) * columns_ + column];
}

} // namespace artwork
