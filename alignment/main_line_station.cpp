// The point of the main line at a continuous station: on the straights, on
// an entry clothoid walked from its origin, on the arc from HY, or on an exit
// clothoid walked backwards from its origin beyond HZ. The same walk also
// gives the tangent and curvature there, for the back-calculation's Newton
// step.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "alignment/main_line.h"
#include "core/angles.h"
#include "core/failure.h"
#include "geometry/spiral.h"

namespace vomel {

using vomel::LinePose;
using vomel::Point;

namespace {

double signOf(double v) { return (v > 0.0) ? 1.0 : (v < 0.0 ? -1.0 : 0.0); }

// +1 for a non-negative value, -1 below zero: the direction in which a
// length measured as |v| grows when v grows.
double growthSign(double v) { return v < 0.0 ? -1.0 : 1.0; }

// origin + Rot(u)(x, y), given cos u and sin u
Point placeTurned(double originX, double originY, double cosU, double sinU, double x, double y)
{
    return {(originX + x * cosU) - y * sinU, (originY + x * sinU) + y * cosU};
}

// origin + Rot(u)(x, y)
Point placeLocal(double originX, double originY, double u, double x, double y)
{
    return placeTurned(originX, originY, std::cos(u), std::sin(u), x, y);
}

Point alongSide(double x, double y, double d, double az) { return {x + d * std::cos(az), y + d * std::sin(az)}; }

LinePose straightPose(Point p, double az) { return {p, az, 0.0}; }

// A clothoid of constant c whose tangent at its origin has azimuth u and
// which passes, `extra` along it, through the known point (kx, ky): the point
// at clothoid length `length` from the origin.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the known point, then the clothoid, then the two lengths on it,
// as the layout reads
Point onClothoid(double kx, double ky, double u, double c, double extra, double length)
{
    // The sine and cosine of u once for both rotations (the same values).
    const double cosU = std::cos(u);
    const double sinU = std::sin(u);
    const double x0 = spiralLocalX(std::fabs(extra), c);
    const double y0 = spiralLocalY(std::fabs(extra), c);
    const double ox = (kx - x0 * cosU) + y0 * sinU;
    const double oy = (ky - x0 * sinU) - y0 * cosU;
    return placeTurned(ox, oy, cosU, sinU, spiralLocalX(length, c), spiralLocalY(length, c));
}

// Tangent and curvature on that clothoid at clothoid length `length`, where
// the length grows with the station when `growth` is +1 and shrinks when it
// is -1. The clothoid turns by length² / 2c from its origin tangent.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): origin azimuth and constant, then length and its sense, as
// onClothoid takes them
LinePose clothoidPose(Point p, double u, double c, double length, double growth)
{
    const double turn = length == 0.0 ? 0.0
                                      : vomel::checkedDivide(length * length, 2.0 * c,
                                                             VOMEL_TRANSLATE_NOOP("Failure", "spiral tangent"));
    const double bend =
        length == 0.0 ? 0.0 : vomel::checkedDivide(length, c, VOMEL_TRANSLATE_NOOP("Failure", "spiral curvature"));
    return {p, u + turn + (growth < 0.0 ? PI : 0.0), growth * bend};
}

// A line of at least two rows and a finite station.
void requireEvaluable(const MainLine& l, double s)
{
    if (l.jdCount < 2)
        throw vomel::FormatFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the main line has fewer than two intersection points"));
    if (!std::isfinite(s))
        throw vomel::GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "station is not a finite number"));
}

template <bool WithTangent>
LinePose evaluate(const MainLine& l, double s)
{
    requireEvaluable(l, s);
    const int n = l.jdCount;

    if (n == 2) {
        return straightPose(alongSide(l.jdX[1], l.jdY[1], s - l.jdStation[1], l.sideAzimuth[1]), l.sideAzimuth[1]);
    }

    const int i = curveIndexAt(l, s);
    const double sg = signOf(l.jdDeflection[i]);
    const bool hairpin = l.jdIsHairpin[i] == 1.0;
    // On a hairpin row the spiral distances run against the station.
    const double hairpinSense = hairpin ? -1.0 : 1.0;
    LinePose pose{};
    bool placed = false;

    // The six tests run in this order; a later one that holds overrides.
    if (l.zhStation[i] <= s && s < l.hyStation[i]) {
        const double t = hairpinSense * (s - l.zhStation[i]);
        const double e = l.spiralExtraIn[i];
        const double c = sg * l.jdRadius[i] * (e + l.jdSpiralIn[i]);
        const double u = l.originAzimuthIn[i];
        placed = true;
        if (t == 0.0) {
            pose.point = {l.zhX[i], l.zhY[i]};
        } else {
            pose.point = onClothoid(l.zhX[i], l.zhY[i], u, c, e, std::fabs(t + e));
        }
        if constexpr (WithTangent) {
            pose = clothoidPose(pose.point, u, c, std::fabs(t + e), hairpinSense * growthSign(t + e));
        }
    }
    if (l.hyStation[i] <= s && s <= l.yhStation[i]) {
        placed = true;
        const double arc = std::fabs(s - l.hyStation[i]);
        const double rs = std::fabs(l.jdRadius[i]) * sg;
        pose.point = placeLocal(l.hyX[i], l.hyY[i], l.hyAzimuth[i], arcLocalX(arc, rs), arcLocalY(arc, rs));
        if constexpr (WithTangent) {
            const double growth = growthSign(s - l.hyStation[i]);
            const double bend = vomel::checkedDivide(1.0, rs, VOMEL_TRANSLATE_NOOP("Failure", "arc curvature"));
            pose.azimuth = l.hyAzimuth[i] + arc * bend + (growth < 0.0 ? PI : 0.0);
            pose.curvature = growth * bend;
        }
    }
    if (l.yhStation[i] < s && s < l.hzStation[i]) {
        placed = true;
        // Walked backwards from the exit origin: direction and turn reversed.
        const double t = hairpinSense * (l.hzStation[i] - s);
        const double e = l.spiralExtraOut[i];
        const double c = -sg * l.jdRadius[i] * (l.jdSpiralOut[i] + e);
        const double u = PI + l.originAzimuthOut[i];
        pose.point = onClothoid(l.hzX[i], l.hzY[i], u, c, e, std::fabs(t + e));
        if constexpr (WithTangent) {
            // t falls as the station grows (rises on a hairpin row).
            pose = clothoidPose(pose.point, u, c, std::fabs(t + e), -hairpinSense * growthSign(t + e));
        }
    }
    if (l.hzStation[i] <= s && s <= l.zhStation[i + 1]) {
        placed = true;
        pose = straightPose(alongSide(l.hzX[i], l.hzY[i], s - l.hzStation[i], l.sideAzimuth[i]), l.sideAzimuth[i]);
    }
    if (s <= l.zhStation[2]) {
        placed = true;
        pose = straightPose(alongSide(l.jdX[1], l.jdY[1], s - l.jdStation[1], l.sideAzimuth[1]), l.sideAzimuth[1]);
    }
    if (s >= l.hzStation[n - 1]) {
        placed = true;
        pose = straightPose(alongSide(l.hzX[n - 1], l.hzY[n - 1], s - l.hzStation[n - 1], l.sideAzimuth[n - 1]),
                            l.sideAzimuth[n - 1]);
    }
    if (!placed) {
        // Only key stations out of order (curves overlapping) leave a gap.
        throw vomel::GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure",
                                 "station %1 lies on no element of %2: the key stations of the curves overlap"),
            std::to_string(s), rowLabel(l, i));
    }
    return pose;
}

}  // namespace

int curveIndexAt(const MainLine& l, double s)
{
    const int n = l.jdCount;
    if (!l.zhStationsAscending) {
        for (int i = 2; i <= n - 2; ++i) {
            if (l.zhStation[i] <= s && s < l.zhStation[i + 1]) return i;
        }
        return n - 1;
    }
    // With ZH stations that never fall, the first curve whose [ZH, next ZH)
    // holds s is the last curve whose ZH is at or below s, provided a next
    // curve exists: an earlier one would need its next ZH above s, yet that
    // ZH is at or below this one's.
    if (n < 4) return n - 1;
    const double* const zh = l.zhStation.data();
    const int last = static_cast<int>(std::upper_bound(zh + 2, zh + n, s) - zh) - 1;
    return (last >= 2 && last <= n - 2) ? last : n - 1;
}

Point mainLineStationToXY(const MainLine& l, double s) { return evaluate<false>(l, s).point; }

LinePose mainLineStationToPose(const MainLine& l, double s) { return evaluate<true>(l, s); }

}  // namespace vomel
