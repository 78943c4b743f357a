// The direction of travel on each element of a main-line curve. A clothoid
// of signed constant c turns its tangent by l²/(2c) at length l from its
// origin; the arc by l/R from HY. On every element the length used by the
// point formula grows with the station (entry) or shrinks with it (exit,
// walked backwards from its origin), so the travel direction follows from
// the same quantities; hairpin rows carry negated lengths and radii that
// cancel in these products.
#include "mainline/station_tangent.h"

#include <cmath>

#include "app/failure.h"

namespace zxbas {

namespace {

double signOf(double v) { return (v > 0.0) ? 1.0 : (v < 0.0 ? -1.0 : 0.0); }

// The curve whose range [ZH, next ZH) holds s; the last curve otherwise (as
// mainLineStationToXY chooses it).
int curveAt(const MainLine& l, double s)
{
    const int n = l.jdCount;
    for (int i = 2; i <= n - 2; ++i) {
        if (l.zhStation[i] <= s && s < l.zhStation[i + 1]) return i;
    }
    return n - 1;
}

// Tangent of a clothoid of constant c at length `length` from its origin,
// whose origin tangent has azimuth `originAzimuth`.
double clothoidTangent(double originAzimuth, double length, double c)
{
    return originAzimuth + vomel::checkedDivide(length * length, 2 * c, "clothoid tangent");
}

}  // namespace

double mainLineTangentAzimuth(const MainLine& l, double s)
{
    const int n = l.jdCount;
    if (n < 2) throw vomel::FormatFailure("the main line has fewer than two intersection points");
    vomel::requireFinite(s, "station");
    if (n == 2) return l.sideAzimuth[1];

    const int i = curveAt(l, s);
    const double sg = signOf(l.jdDeflection[i]);
    const bool hairpin = l.jdIsHairpin[i] == 1.0;
    double a = l.sideAzimuth[i];

    // The tests of mainLineStationToXY, in its order: a later one overrides.
    if (l.zhStation[i] <= s && s < l.hyStation[i]) {
        double t = s - l.zhStation[i];
        if (hairpin) t = -t;
        const double e = l.spiralExtraIn[i];
        const double c = sg * l.jdRadius[i] * (e + l.jdSpiralIn[i]);
        a = clothoidTangent(l.originAzimuthIn[i], std::fabs(t + e), c);
    }
    if (l.hyStation[i] <= s && s <= l.yhStation[i]) {
        const double arc = std::fabs(s - l.hyStation[i]);
        const double rs = std::fabs(l.jdRadius[i]) * sg;
        a = l.hyAzimuth[i] + vomel::checkedDivide(arc, rs, "arc tangent");
    }
    if (l.yhStation[i] < s && s < l.hzStation[i]) {
        // Walked backwards from the exit origin along the reversed frame
        // (origin azimuth + π, constant negated): turned back by π, the
        // travel direction is the exit origin's azimuth plus the turn.
        double t = l.hzStation[i] - s;
        if (hairpin) t = -t;
        const double e = l.spiralExtraOut[i];
        const double c = -sg * l.jdRadius[i] * (l.jdSpiralOut[i] + e);
        a = clothoidTangent(l.originAzimuthOut[i], std::fabs(t + e), c);
    }
    if (l.hzStation[i] <= s && s <= l.zhStation[i + 1]) a = l.sideAzimuth[i];
    if (s <= l.zhStation[2]) a = l.sideAzimuth[1];
    if (s >= l.hzStation[n - 1]) a = l.sideAzimuth[n - 1];
    return vomel::requireFinite(a, "tangent azimuth");
}

}  // namespace zxbas
