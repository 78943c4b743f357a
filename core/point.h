#pragma once
// A point of the plane: X first (the northing on a survey grid), then Y.

#include <cmath>

namespace vomel {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// The distance of a plane offset (dx, dy), rounded as every search of the
// program rounds it, so that two searches comparing distances agree to the
// last bit.
inline double planeDistance(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

// The distance between two points.
inline double planeDistance(Point p, Point q) { return planeDistance(q.x - p.x, q.y - p.y); }

}  // namespace vomel
