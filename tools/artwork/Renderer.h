// Software renderer for one extruded letter: polygons rasterised into a supersampled
// z-buffer, every sample lit at its exact ray hit, samples averaged per pixel.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/artwork/Mesh.h"
#include "tools/artwork/RoundedEdges.h"

namespace artwork {

struct Pose {
    double yaw = 0;  // turn about the letter's vertical axis, radians
    double tilt = 0; // viewer above the letter, radians
};

// What one pixel's samples saw of each surface: how many samples, and their brightness sum.
struct PixelLight {
    int samples[2] = {0, 0}; // by Surface
    double brightness[2] = {0, 0};
};

struct RenderedPicture {
    std::vector<PixelLight> pixels;
    int samplesPerPixel;
};

class Renderer {
public:
    // depth: the extrusion's thickness; edgeRadius: how far the edges look rounded.
    Renderer(const LetterShape& shape, double depth, double edgeRadius, int size, int supersample);

    // Scales the picture so that every pose given keeps the letter `margin` pixels inside.
    void FitTo(const std::vector<Pose>& poses, double margin);
    RenderedPicture Render(const Pose& pose) const;

private:
    struct Samples;
    std::vector<Face> Posed(const Pose& pose) const;
    void Rasterise(const std::vector<Face>& faces, Samples& samples) const;
    void RasteriseFace(const Face& face, int index, Samples& samples) const;
    RenderedPicture Resolve(const Pose& pose, const std::vector<Face>& posed,
                            const Samples& samples) const;
    Vec3 RayThrough(double sx, double sy) const;

    std::vector<Face> faces_;
    RoundedEdges rounded_;
    int size_, supersample_;
    double eyeDistance_ = 5.0;
    double focal_ = 1.0; // in sample units
};

} // namespace artwork
