// The point of the main line at a continuous station: on the straights, on
// an entry clothoid walked from its origin, on the arc from HY, or on an exit
// clothoid walked backwards from its origin beyond HZ.
#include <cmath>
#include <numbers>
#include <string>

#include "app/failure.h"
#include "mainline/mainline.h"
#include "mainline/spiral.h"

namespace zxbas {

using vomel::Point;

namespace {

constexpr double PI = std::numbers::pi;

double signOf(double v) { return (v > 0.0) ? 1.0 : (v < 0.0 ? -1.0 : 0.0); }

// origin + Rot(u)(x, y)
Point placeLocal(double originX, double originY, double u, double x, double y)
{
    return {(originX + x * std::cos(u)) - y * std::sin(u), (originY + x * std::sin(u)) + y * std::cos(u)};
}

Point alongSide(double x, double y, double d, double az)
{
    return {x + d * std::cos(az), y + d * std::sin(az)};
}

// A clothoid given by its constant c (signed: curvature l / c) and the
// tangent azimuth at its origin.
struct Clothoid {
    double constant;
    double originAzimuth;
};

// The point at clothoid length `length` from the origin, for the clothoid
// that passes through `known` at length |extra| from its origin.
Point onClothoid(Clothoid k, Point known, double extra, double length)
{
    const double u = k.originAzimuth;
    const double x0 = spiralLocalX(std::fabs(extra), k.constant);
    const double y0 = spiralLocalY(std::fabs(extra), k.constant);
    const double ox = (known.x - x0 * std::cos(u)) + y0 * std::sin(u);
    const double oy = (known.y - x0 * std::sin(u)) - y0 * std::cos(u);
    return placeLocal(ox, oy, u, spiralLocalX(length, k.constant), spiralLocalY(length, k.constant));
}

// The curve whose range [ZH, next ZH) holds s; the last curve otherwise.
int curveAt(const MainLine& l, double s)
{
    const int n = l.jdCount;
    for (int i = 2; i <= n - 2; ++i) {
        if (l.zhStation[i] <= s && s < l.zhStation[i + 1]) return i;
    }
    return n - 1;
}

}  // namespace

Point mainLineStationToXY(const MainLine& l, double s)
{
    const int n = l.jdCount;
    if (n < 2) throw vomel::FormatFailure("the main line has fewer than two intersection points");
    if (!std::isfinite(s)) throw vomel::GeometryFailure("station is not a finite number");

    if (n == 2) return alongSide(l.jdX[1], l.jdY[1], s - l.jdStation[1], l.sideAzimuth[1]);

    const int i = curveAt(l, s);
    const double sg = signOf(l.jdDeflection[i]);
    const bool hairpin = l.jdIsHairpin[i] == 1.0;
    Point p{};
    bool placed = false;

    // The six tests run in this order; a later one that holds overrides.
    if (l.zhStation[i] <= s && s < l.hyStation[i]) {
        double t = s - l.zhStation[i];
        if (hairpin) t = -t;
        placed = true;
        if (t == 0.0) {
            p = {l.zhX[i], l.zhY[i]};
        } else {
            const double e = l.spiralExtraIn[i];
            const double c = sg * l.jdRadius[i] * (e + l.jdSpiralIn[i]);
            p = onClothoid({c, l.originAzimuthIn[i]}, {l.zhX[i], l.zhY[i]}, e, std::fabs(t + e));
        }
    }
    if (l.hyStation[i] <= s && s <= l.yhStation[i]) {
        placed = true;
        const double arc = std::fabs(s - l.hyStation[i]);
        const double rs = std::fabs(l.jdRadius[i]) * sg;
        p = placeLocal(l.hyX[i], l.hyY[i], l.hyAzimuth[i], arcLocalX(arc, rs), arcLocalY(arc, rs));
    }
    if (l.yhStation[i] < s && s < l.hzStation[i]) {
        placed = true;
        // Walked backwards from the exit origin: direction and turn reversed.
        double t = l.hzStation[i] - s;
        if (hairpin) t = -t;
        const double e = l.spiralExtraOut[i];
        const double c = -sg * l.jdRadius[i] * (l.jdSpiralOut[i] + e);
        p = onClothoid({c, PI + l.originAzimuthOut[i]}, {l.hzX[i], l.hzY[i]}, e, std::fabs(t + e));
    }
    if (l.hzStation[i] <= s && s <= l.zhStation[i + 1]) {
        placed = true;
        p = alongSide(l.hzX[i], l.hzY[i], s - l.hzStation[i], l.sideAzimuth[i]);
    }
    if (s <= l.zhStation[2]) {
        placed = true;
        p = alongSide(l.jdX[1], l.jdY[1], s - l.jdStation[1], l.sideAzimuth[1]);
    }
    if (s >= l.hzStation[n - 1]) {
        placed = true;
        p = alongSide(l.hzX[n - 1], l.hzY[n - 1], s - l.hzStation[n - 1], l.sideAzimuth[n - 1]);
    }
    if (!placed) {
        // Only key stations out of order (curves overlapping) leave a gap.
        throw vomel::GeometryFailure("station " + std::to_string(s) + " lies on no element of " +
                                     rowLabel(l, i) + ": the key stations of the curves overlap");
    }
    return p;
}

}  // namespace zxbas
