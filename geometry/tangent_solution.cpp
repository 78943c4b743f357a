#include "geometry/tangent_solution.h"

#include <cmath>
#include <numbers>

#include "core/angles.h"
#include "core/failure.h"
#include "geometry/spiral.h"

namespace vomel {

using vomel::checkedDivide;
using vomel::Point;

namespace {

// The same direction reached by turning the other way round.
double wrap(double angle) { return (angle >= 0.0) ? angle - TWO_PI : angle + TWO_PI; }

Point along(Point from, double length, double az)
{
    return {from.x + length * std::cos(az), from.y + length * std::sin(az)};
}

// Point given as (x, y) in the frame at `origin` whose x axis has azimuth az.
Point local(Point origin, double az, double x, double y)
{
    return {origin.x + x * std::cos(az) - y * std::sin(az), origin.y + x * std::sin(az) + y * std::cos(az)};
}

double distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

}  // namespace

double azimuth(Point from, Point to)
{
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    if (dx == 0.0) return (dy > 0.0) ? PI / 2.0 : 3.0 * PI / 2.0;
    const double t = std::atan(dy / dx);
    if (t >= 0.0) return (dx >= 0.0) ? t : t + PI;
    return (dx >= 0.0) ? t + TWO_PI : t + PI;
}

Point lineIntersection(Point p1, Point p2, Point p3, Point p4)
{
    // p1 + u (p2 - p1) on the first line; u from the cross products, which
    // keeps every digit whatever the lines' directions (a slope form loses
    // them near the Y axis).
    const double d1x = p2.x - p1.x, d1y = p2.y - p1.y;
    const double d2x = p4.x - p3.x, d2y = p4.y - p3.y;
    const double cross = d1x * d2y - d1y * d2x;
    if (cross == 0.0)
        throw vomel::GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the two sides are parallel: they do not intersect"));
    const double u = checkedDivide((p3.x - p1.x) * d2y - (p3.y - p1.y) * d2x, cross,
                                   VOMEL_TRANSLATE_NOOP("Failure", "side intersection"));
    return {vomel::requireFinite(p1.x + u * d1x, VOMEL_TRANSLATE_NOOP("Failure", "side intersection")),
            vomel::requireFinite(p1.y + u * d1y, VOMEL_TRANSLATE_NOOP("Failure", "side intersection"))};
}

CurveTangents solveCurveTangents(double r, double ra1, double ra2, double ls1, double ls2, double alpha, double azIn,
                                 double azOut)
{
    CurveTangents c;
    const double s = signOf(alpha);

    // An incomplete spiral is the part of a clothoid beyond radius RA: its
    // origin lies extra = R Ls / (RA - R) before ZH (after HZ).
    if (ra1 != 0.0)
        c.extraIn = checkedDivide(r * ls1, ra1 - r, VOMEL_TRANSLATE_NOOP("Failure", "entry spiral extra length"));
    if (ra2 != 0.0)
        c.extraOut = checkedDivide(r * ls2, ra2 - r, VOMEL_TRANSLATE_NOOP("Failure", "exit spiral extra length"));

    // The clothoid turns its tangent by extra / (2 RA) between origin and ZH.
    double theta1 = azIn;
    double theta2 = azOut;
    if (ra1 != 0.0)
        theta1 =
            azIn - checkedDivide(c.extraIn, 2.0 * ra1 * s, VOMEL_TRANSLATE_NOOP("Failure", "entry origin azimuth"));
    if (ra2 != 0.0)
        theta2 =
            azOut + checkedDivide(c.extraOut, 2.0 * ra2 * s, VOMEL_TRANSLATE_NOOP("Failure", "exit origin azimuth"));
    theta1 = reduceTurnOnce(theta1);
    theta2 = reduceTurnOnce(theta2);

    const bool hairpin = ls1 < 0.0 || ls2 < 0.0 || r < 0.0 || ra1 < 0.0 || ra2 < 0.0;
    double turn = reduceTurnOnce(theta2 - theta1);
    if (hairpin) turn = wrap(turn);
    if (alpha * turn < 0.0) turn = wrap(turn);

    // Shift and tangent gain of the whole clothoids, origin to HY / YH.
    const double whole1 = ls1 + c.extraIn;
    const double whole2 = ls2 + c.extraOut;
    const double p1 = spiralShift(whole1, r);
    const double q1 = spiralTangentGain(whole1, r);
    const double p2 = spiralShift(whole2, r);
    const double q2 = spiralTangentGain(whole2, r);

    // Tangent lengths from the clothoid origins to V, the crossing of the two
    // origin tangents, which is the local origin of the layout.
    double u1 = tangentLengthFirst(r, p1, p2, q1, turn);
    double u2 = tangentLengthSecond(r, p1, p2, q2, turn);
    if (hairpin) {
        u1 = -u1;
        u2 = -u2;
    }
    const Point v{0.0, 0.0};
    const Point origin1 = along(v, -u1, theta1);
    const Point origin2 = along(v, u2, theta2);

    // The actual curve ends, walked from each origin along its clothoid.
    Point zh = origin1;
    if (ls1 != 0.0) {
        const double c1 = s * r * whole1;
        const double e = std::fabs(c.extraIn);
        zh = local(origin1, theta1, spiralLocalX(e, c1), spiralLocalY(e, c1));
    }
    Point hz = origin2;
    if (ls2 != 0.0) {
        const double c2 = -s * r * whole2;
        const double e = std::fabs(c.extraOut);
        hz = local(origin2, theta2 + PI, spiralLocalX(e, c2), spiralLocalY(e, c2));
    }

    // The intersection point is where the sides through the actual ends meet.
    const Point j = lineIntersection(zh, along(zh, SIDE_HELPER_LENGTH, azIn), hz, along(hz, SIDE_HELPER_LENGTH, azOut));
    c.t1 = distance(j, zh);
    c.t2 = distance(j, hz);
    if (hairpin) {
        // Azimuths compared unreduced: directions straddling 0 do not match.
        if (std::fabs(azimuth(j, zh) - azIn) < HAIRPIN_DIRECTION_TOLERANCE) c.t1 = -c.t1;
        if (std::fabs(azimuth(hz, j) - azOut) < HAIRPIN_DIRECTION_TOLERANCE) c.t2 = -c.t2;
    }
    c.originAzimuthIn = theta1;
    c.originAzimuthOut = theta2;
    c.turn = turn;
    return c;
}

}  // namespace vomel
