#include "tools/artwork/Renderer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "tools/artwork/Lighting.h"
#include "tools/artwork/Trig.h"

namespace artwork {

struct Renderer::Samples {
    int side;
    std::vector<double> depth;
    std::vector<int> face;
};

namespace {

// Edges shared by two faces must not leave uncovered samples between them.
constexpr double kEdgeTolerance = 1e-9;

// A pose's turn then tilt, with its sines worked out once.
struct Rotation {
    explicit Rotation(const Pose& pose)
        : cy(Cosine(pose.yaw)), sy(Sine(pose.yaw)), ct(Cosine(pose.tilt)), st(Sine(pose.tilt)) {}
    double cy, sy, ct, st;
};

Vec3 Rotate(Vec3 v, const Rotation& r) {
    Vec3 turned{r.cy * v.x + r.sy * v.z, v.y, -r.sy * v.x + r.cy * v.z};
    return {turned.x, r.ct * turned.y - r.st * turned.z, r.st * turned.y + r.ct * turned.z};
}

struct Projected {
    double x, y;
};

double EdgeSide(Projected a, Projected b, double px, double py) {
    return (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
}

Vec3 Unrotate(Vec3 v, const Rotation& r) {
    Vec3 untilted{v.x, r.ct * v.y + r.st * v.z, -r.st * v.y + r.ct * v.z};
    return {r.cy * untilted.x - r.sy * untilted.z, untilted.y,
            r.sy * untilted.x + r.cy * untilted.z};
}

} // namespace

Renderer::Renderer(const LetterShape& shape, double depth, double edgeRadius, int size,
                   int supersample)
    : faces_(ExtrudeLetter(shape, depth)), rounded_(shape, depth, edgeRadius), size_(size),
      supersample_(supersample) {}

void Renderer::FitTo(const std::vector<Pose>& poses, double margin) {
    double extent = 0;
    for (const Pose& pose : poses)
        for (const Face& face : faces_)
            for (Vec3 v : face.vertices) {
                Vec3 p = Rotate(v, Rotation(pose));
                double scale = 1.0 / (eyeDistance_ - p.z);
                extent = std::max({extent, std::fabs(p.x * scale), std::fabs(p.y * scale)});
            }
    focal_ = (size_ / 2.0 - margin) * supersample_ / extent;
}

std::vector<Face> Renderer::Posed(const Pose& pose) const {
    std::vector<Face> posed = faces_;
    Rotation rotation(pose);
    for (Face& face : posed) {
        for (Vec3& v : face.vertices)
            v = Rotate(v, rotation);
        face.normal = Rotate(face.normal, rotation);
    }
    return posed;
}

Vec3 Renderer::RayThrough(double sx, double sy) const {
    double centre = size_ * supersample_ / 2.0;
    return {(sx - centre) / focal_, -(sy - centre) / focal_, -1};
}

void Renderer::RasteriseFace(const Face& face, int index, Samples& samples) const {
    Vec3 eye{0, 0, eyeDistance_};
    if (Dot(face.normal, eye - face.vertices[0]) <= 0) return; // faces away
    double centre = samples.side / 2.0;
    std::vector<Projected> corners;
    double minX = samples.side, minY = samples.side, maxX = 0, maxY = 0;
    for (Vec3 v : face.vertices) {
        double scale = focal_ / (eyeDistance_ - v.z);
        Projected p{centre + v.x * scale, centre - v.y * scale};
        corners.push_back(p);
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    double area = 0;
    for (size_t i = 0; i < corners.size(); ++i)
        area += EdgeSide(corners[i], corners[(i + 1) % corners.size()], 0, 0);
    double orientation = area > 0 ? 1 : -1;
    double plane = Dot(face.normal, face.vertices[0]);
    int x0 = std::max(0, static_cast<int>(minX)), x1 = std::min(samples.side - 1, int(maxX));
    int y0 = std::max(0, static_cast<int>(minY)), y1 = std::min(samples.side - 1, int(maxY));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            double px = x + 0.5, py = y + 0.5;
            bool inside = true;
            for (size_t i = 0; i < corners.size() && inside; ++i)
                inside =
                    orientation * EdgeSide(corners[i], corners[(i + 1) % corners.size()], px, py) >=
                    -kEdgeTolerance;
            if (!inside) continue;
            Vec3 ray = RayThrough(px, py);
            double distance = (plane - Dot(face.normal, eye)) / Dot(face.normal, ray);
            size_t at = static_cast<size_t>(y) * samples.side + x;
            if (distance < samples.depth[at]) {
                samples.depth[at] = distance;
                samples.face[at] = index;
            }
        }
}

void Renderer::Rasterise(const std::vector<Face>& faces, Samples& samples) const {
    for (size_t i = 0; i < faces.size(); ++i)
        RasteriseFace(faces[i], static_cast<int>(i), samples);
}

RenderedPicture Renderer::Resolve(const Pose& pose, const std::vector<Face>& posed,
                                  const Samples& samples) const {
    Vec3 eye{0, 0, eyeDistance_};
    Rotation rotation(pose);
    RenderedPicture out{std::vector<PixelLight>(static_cast<size_t>(size_) * size_),
                        supersample_ * supersample_};
    for (int y = 0; y < samples.side; ++y)
        for (int x = 0; x < samples.side; ++x) {
            size_t at = static_cast<size_t>(y) * samples.side + x;
            if (samples.face[at] < 0) continue;
            const Face& face = posed[samples.face[at]];
            Vec3 hit = eye + RayThrough(x + 0.5, y + 0.5) * samples.depth[at];
            const Face& unposed = faces_[samples.face[at]];
            Vec3 normal = Rotate(rounded_.Normal(unposed, Unrotate(hit, rotation)), rotation);
            PixelLight& pixel =
                out.pixels[static_cast<size_t>(y / supersample_) * size_ + x / supersample_];
            int surface = static_cast<int>(face.surface);
            pixel.samples[surface] += 1;
            pixel.brightness[surface] += std::min(1.0, Shade(face.surface, normal, hit, eye));
        }
    return out;
}

RenderedPicture Renderer::Render(const Pose& pose) const {
    Samples samples;
    samples.side = size_ * supersample_;
    size_t count = static_cast<size_t>(samples.side) * samples.side;
    samples.depth.assign(count, std::numeric_limits<double>::infinity());
    samples.face.assign(count, -1);
    std::vector<Face> posed = Posed(pose);
    Rasterise(posed, samples);
    return Resolve(pose, posed, samples);
}

} // namespace artwork
