#pragma once
// Realistic long design lines and surveyed points for benchmarks and tests,
// generated from a seed: a main line of intersection points on survey-grid
// coordinates (curves of both turns with transition spirals, unequal and
// incomplete ones among them) and an element chain of straights, arcs and
// clothoids of about the same length, written as the files the readers take.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "core/line_pose.h"
#include "formats/coordinate_file.h"

namespace vomel::testing {

// A small, fully specified random source (splitmix64), so that a seed gives
// the same line on every platform.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [low, high).
    double uniform(double low, double high)
    {
        return low + (high - low) * static_cast<double>(next() >> 11) * 0x1.0p-53;
    }
    // +1 or -1 with equal odds.
    double sign() { return (next() >> 63) != 0 ? 1.0 : -1.0; }

private:
    std::uint64_t state_;
};

// The direction of the next turn: either way at random while the line
// heads within WANDER_LIMIT of its first direction, back towards it beyond,
// so that a long line never comes back near itself.
inline constexpr double WANDER_LIMIT = std::numbers::pi / 3;  // radians

inline double turnTowards(Random& random, double headingChange)
{
    if (headingChange > WANDER_LIMIT) return -1.0;
    if (headingChange < -WANDER_LIMIT) return 1.0;
    return random.sign();
}

struct LineShape {
    double length = 50'000.0;  // metres, at least
    double originX = 3'500'000.0;  // survey-grid northing of the start
    double originY = 500'000.0;  // easting
    std::uint64_t seed = 1;
};

inline std::string formatted(const char* pattern, double a, double b = 0, double c = 0, double d = 0, double e = 0,
                             double f = 0, double g = 0)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c, d, e, f, g);
    return buffer;
}

// An intersection-point file: sides of 420 to 720 m until the sides add up
// to the length, a curve at every interior point turning 8 to 40 degrees
// either way, radius 150 to 2500 m within what the sides leave room for,
// spirals of their own lengths on both ends; every fourth curve starts its
// entry spiral at a finite radius, every sixth ends its exit spiral at one.
inline std::string generatedJdFile(const LineShape& shape)
{
    Random random(shape.seed);
    std::vector<double> sides;
    double total = 0.0;
    while (total < shape.length * 1.08) {  // the curves cut corners
        sides.push_back(random.uniform(420.0, 720.0));
        total += sides.back();
    }
    const double initialAzimuth = random.uniform(0.0, 2.0 * std::numbers::pi);
    double azimuth = initialAzimuth;
    double x = shape.originX;
    double y = shape.originY;
    std::string text = "START,1000\r\nQD\r\n" + formatted("%.4f %.4f 0 0 0\r\n", x, y);
    for (std::size_t j = 0; j < sides.size(); ++j) {
        x += sides[j] * std::cos(azimuth);
        y += sides[j] * std::sin(azimuth);
        if (j + 1 == sides.size()) {
            text += "ZD\r\n" + formatted("%.4f %.4f 0 0 0\r\n", x, y);
            break;
        }
        const double deflection = random.uniform(8.0, 40.0) * std::numbers::pi / 180.0;
        const double room = std::min(sides[j], sides[j + 1]);
        double radius = random.uniform(150.0, 2500.0);
        radius = std::min(radius, 0.3 * room / std::tan(deflection / 2));
        // Each spiral turns by length / 2R; together they keep to 40 % of the
        // deflection, so that an arc remains.
        const double spiralLimit = std::min(0.4 * radius * deflection, 0.3 * room);
        const double spiralIn = random.uniform(0.3, 1.0) * spiralLimit;
        const double spiralOut = random.uniform(0.3, 1.0) * spiralLimit;
        const int curve = static_cast<int>(j) + 1;
        const double outerIn = (curve % 4 == 0) ? 2.5 * radius : 0.0;
        const double outerOut = (curve % 6 == 0) ? 3.0 * radius : 0.0;
        text += "JD" + std::to_string(curve) + "\r\n";
        if (outerIn != 0.0 || outerOut != 0.0) {
            text += formatted("%.4f %.4f %.3f %.3f %.3f %.3f %.3f\r\n", x, y, radius, spiralIn, spiralOut, outerIn,
                              outerOut);
        } else {
            text += formatted("%.4f %.4f %.3f %.3f %.3f\r\n", x, y, radius, spiralIn, spiralOut);
        }
        azimuth += turnTowards(random, azimuth - initialAzimuth) * deflection;
    }
    return text;
}

// An element file of about the same length: a straight, an entry spiral, an
// arc, then either an exit spiral or (every third curve) a partial spiral to
// a flatter arc and the exit spiral from there; turns of both directions.
inline std::string generatedElementFile(const LineShape& shape)
{
    Random random(shape.seed ^ 0x5EEDull);
    // Start azimuth 37°15'30" in packed degrees.
    std::string text = formatted("0 %.4f %.4f 37.1530\r\n", shape.originX, shape.originY);
    double total = 0.0;
    int curve = 0;
    const auto element = [&](double r1, double r2, double length) {
        text += formatted("%.3f %.3f %.3f\r\n", r1, r2, length);
        total += length;
    };
    constexpr double STRAIGHT = 9999.0;
    double headingChange = 0.0;  // radians turned since the start
    while (total < shape.length) {
        ++curve;
        element(STRAIGHT, STRAIGHT, random.uniform(150.0, 500.0));
        const double turn = turnTowards(random, headingChange);
        const double radius = turn * random.uniform(300.0, 1500.0);
        // A spiral from or to a straight turns by length / 2R, an arc by
        // length / R, a partial spiral by length times its mean curvature.
        const double entry = random.uniform(60.0, 150.0);
        const double arc = random.uniform(80.0, 400.0);
        element(STRAIGHT, radius, entry);
        element(radius, radius, arc);
        headingChange += entry / (2 * radius) + arc / radius;
        if (curve % 3 == 0) {
            const double flatter = 1.7 * radius;
            const double partial = random.uniform(40.0, 100.0);
            const double flatArc = random.uniform(50.0, 200.0);
            const double exit = random.uniform(60.0, 150.0);
            element(radius, flatter, partial);
            element(flatter, flatter, flatArc);
            element(flatter, STRAIGHT, exit);
            headingChange += partial * (1 / radius + 1 / flatter) / 2 + flatArc / flatter + exit / (2 * flatter);
        } else {
            const double exit = random.uniform(60.0, 150.0);
            element(radius, STRAIGHT, exit);
            headingChange += exit / (2 * radius);
        }
    }
    element(STRAIGHT, STRAIGHT, 200.0);
    return text;
}

// A surveyed point with the station and offset it was made from.
struct GeneratedPoint {
    vomel::SurveyPoint point;
    double station = 0.0;
    double offset = 0.0;  // left positive
};

// `count` points at stations spread evenly at random over [start, end],
// each at up to `maxOffset` metres left or right of the line, placed along
// the normal of the line's tangent there.
template <class PoseAt>
std::vector<GeneratedPoint> generatedPoints(const PoseAt& poseAt, double start, double end, std::size_t count,
                                            double maxOffset, std::uint64_t seed)
{
    Random random(seed);
    std::vector<GeneratedPoint> points(count);
    for (std::size_t i = 0; i < count; ++i) {
        GeneratedPoint& g = points[i];
        g.station = random.uniform(start, end);
        g.offset = random.uniform(-maxOffset, maxOffset);
        const vomel::LinePose pose = poseAt(g.station);
        // Left of the direction of travel on a survey grid (X north, Y east)
        // is a quarter turn from the tangent towards -Y.
        g.point.x = pose.point.x + g.offset * std::sin(pose.azimuth);
        g.point.y = pose.point.y - g.offset * std::cos(pose.azimuth);
        g.point.label = "P" + std::to_string(i + 1);
        g.point.line = static_cast<long>(i + 1);
        if (i % 3 == 0) g.point.elevation = random.uniform(100.0, 200.0);
    }
    return points;
}

// The points as a coordinate file: "label X Y [elevation]" per line.
inline std::string coordinateFileText(const std::vector<GeneratedPoint>& points)
{
    std::string text;
    for (const GeneratedPoint& g : points) {
        text += g.point.label;
        text += formatted(" %.4f %.4f", g.point.x, g.point.y);
        if (g.point.elevation != 0.0) text += formatted(" %.3f", g.point.elevation);
        text += "\r\n";
    }
    return text;
}

}  // namespace vomel::testing
