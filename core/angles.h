#pragma once
// Angles in radians, as every part of the program holds them once read:
// azimuths measured from +X towards +Y, turns positive from +X towards +Y.

#include <cmath>
#include <numbers>

namespace vomel {

inline constexpr double PI = std::numbers::pi;
inline constexpr double TWO_PI = 2.0 * PI;

// +1, -1 or 0 with the sign of v (0 for ±0).
inline double signOf(double v) { return (v > 0.0) ? 1.0 : (v < 0.0 ? -1.0 : 0.0); }

// One step of a full turn towards [-π, π]: enough for the difference of two
// azimuths in [0, 2π), and exact for every angle already inside.
inline double reduceTurnOnce(double angle)
{
    if (angle < -PI) return angle + TWO_PI;
    if (angle > PI) return angle - TWO_PI;
    return angle;
}

// Any finite angle brought into [0, 2π). A tiny negative angle, whose sum
// with 2π rounds to 2π, gives 0.
inline double normaliseAzimuth(double angle)
{
    double a = std::fmod(angle, TWO_PI);
    if (a < 0.0) a += TWO_PI;
    return a >= TWO_PI ? 0.0 : a;
}

// Any finite angle brought into (-π, π].
inline double signedAngle(double angle)
{
    double a = std::remainder(angle, TWO_PI);
    if (a <= -PI) a += TWO_PI;
    return a;
}

// Degrees as radians: degrees · π / 180, in that order of rounding.
inline double degreesToRadians(double degrees) { return degrees * PI / 180.0; }

}  // namespace vomel
