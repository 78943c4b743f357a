// The curve elements of every row, derived from the intersection-point table
// in sixteen passes; each pass sees the results of the ones before it.
#include <cmath>
#include <numbers>
#include <string>

#include "alignment/main_line.h"
#include "alignment/main_line_fit.h"
#include "core/angles.h"
#include "core/failure.h"
#include "geometry/spiral.h"
#include "geometry/tangent_solution.h"

namespace vomel {

using vomel::GeometryFailure;
using vomel::Point;

namespace {

Point row(const MainLine& l, int i) { return {l.jdX[i], l.jdY[i]}; }

bool isHairpin(const MainLine& l, int i) { return l.jdIsHairpin[i] == 1.0; }

[[noreturn]] void failRow(const MainLine& l, int i, vomel::Wording reason)
{
    throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "%1: %2"), rowLabel(l, i), std::move(reason));
}

// Runs one row's computation; an arithmetic fault inside names the row.
template <class Step>
void onRow(const MainLine& l, int i, Step step)
{
    try {
        step();
    } catch (const GeometryFailure& f) {
        failRow(l, i, f.wording());
    }
}

// The faults a curve's own numbers cause, found before any formula divides
// by them, so the reason says which number is wrong.
void checkCurveInput(const MainLine& l, int i)
{
    const double r = l.jdRadius[i];
    if (l.jdDeflection[i] == 0.0)
        failRow(l, i, vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "deflection is 0 (the sides run straight on)")));
    if (r == 0.0) failRow(l, i, vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "radius is 0")));
    struct Spiral {
        double length, outerRadius;
        const char* equal;  // the reason when the outer radius equals the radius
        const char* smaller;  // the reason when it is smaller
    };
    for (const Spiral sp :
         {Spiral{l.jdSpiralIn[i], l.jdOuterRadiusIn[i],
                 VOMEL_TRANSLATE_NOOP("Failure", "outer radius of the entry spiral equals the radius"),
                 VOMEL_TRANSLATE_NOOP("Failure", "outer radius of the entry spiral is smaller than the radius")},
          Spiral{l.jdSpiralOut[i], l.jdOuterRadiusOut[i],
                 VOMEL_TRANSLATE_NOOP("Failure", "outer radius of the exit spiral equals the radius"),
                 VOMEL_TRANSLATE_NOOP("Failure", "outer radius of the exit spiral is smaller than the radius")}}) {
        if (sp.outerRadius == 0.0) continue;
        if (sp.outerRadius == r) {
            failRow(l, i, vomel::worded(sp.equal));
        }
        // The whole clothoid, Ls RA / (RA - R), must have the sign of Ls.
        const double whole = sp.length + r * sp.length / (sp.outerRadius - r);
        if (whole * r < 0.0) {
            failRow(l, i, vomel::worded(sp.smaller));
        }
    }
}

void requireFiniteRow(const MainLine& l, double v, const char* column, int i)
{
    if (!std::isfinite(v))
        failRow(l, i,
                vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 is not a finite number"), vomel::worded(column)));
}

// No value that the point computation reads may be NaN or infinite.
void checkFinite(const MainLine& l)
{
    const int n = l.jdCount;
    for (int i = 1; i <= n; ++i) {
        requireFiniteRow(l, l.jdStation[i], VOMEL_TRANSLATE_NOOP("Failure", "station"), i);
        requireFiniteRow(l, l.zhX[i], VOMEL_TRANSLATE_NOOP("Failure", "ZH X"), i);
        requireFiniteRow(l, l.zhY[i], VOMEL_TRANSLATE_NOOP("Failure", "ZH Y"), i);
        requireFiniteRow(l, l.hyX[i], VOMEL_TRANSLATE_NOOP("Failure", "HY X"), i);
        requireFiniteRow(l, l.hyY[i], VOMEL_TRANSLATE_NOOP("Failure", "HY Y"), i);
        requireFiniteRow(l, l.hzX[i], VOMEL_TRANSLATE_NOOP("Failure", "HZ X"), i);
        requireFiniteRow(l, l.hzY[i], VOMEL_TRANSLATE_NOOP("Failure", "HZ Y"), i);
        if (i < n) requireFiniteRow(l, l.sideAzimuth[i], VOMEL_TRANSLATE_NOOP("Failure", "side azimuth"), i);
        if (i == 1 || i == n) continue;
        requireFiniteRow(l, l.zhStation[i], VOMEL_TRANSLATE_NOOP("Failure", "ZH station"), i);
        requireFiniteRow(l, l.hyStation[i], VOMEL_TRANSLATE_NOOP("Failure", "HY station"), i);
        requireFiniteRow(l, l.yhStation[i], VOMEL_TRANSLATE_NOOP("Failure", "YH station"), i);
        requireFiniteRow(l, l.hzStation[i], VOMEL_TRANSLATE_NOOP("Failure", "HZ station"), i);
        requireFiniteRow(l, l.spiralExtraIn[i], VOMEL_TRANSLATE_NOOP("Failure", "entry spiral extra length"), i);
        requireFiniteRow(l, l.spiralExtraOut[i], VOMEL_TRANSLATE_NOOP("Failure", "exit spiral extra length"), i);
        requireFiniteRow(l, l.originAzimuthIn[i], VOMEL_TRANSLATE_NOOP("Failure", "entry origin azimuth"), i);
        requireFiniteRow(l, l.originAzimuthOut[i], VOMEL_TRANSLATE_NOOP("Failure", "exit origin azimuth"), i);
        requireFiniteRow(l, l.hyAzimuth[i], VOMEL_TRANSLATE_NOOP("Failure", "HY azimuth"), i);
        requireFiniteRow(l, l.curveLength[i], VOMEL_TRANSLATE_NOOP("Failure", "curve length"), i);
    }
}

// A curve beyond its sides is refused; one within the table's rounding is
// kept with a note.
void checkCurvesFit(MainLine& l)
{
    l.fitNotes.clear();
    for (const CurveOverlap& overlap : curveOverlaps(l)) {
        if (overlap.overlap > CURVE_OVERLAP_TOLERANCE) throw GeometryFailure(curveOverlapWording(l, overlap));
        l.fitNotes.push_back(curveOverlapWording(l, overlap));
    }
}

// Fewer than two rows or more than the table holds is a FormatFailure.
void checkRowCount(const MainLine& l)
{
    const int n = l.jdCount;
    if (n < 2) {
        throw vomel::FormatFailure(
            VOMEL_TRANSLATE_NOOP(
                "Failure", "the intersection-point table has %1 rows; a line needs at least a start and an end point"),
            std::to_string(n));
    }
    if (n > JD_CAPACITY) {
        throw vomel::FormatFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the intersection-point table has more than %1 rows"),
            std::to_string(JD_CAPACITY));
    }
}

// Passes 1 to 6: the sides' azimuths and the deflections, hairpins
// turning the long way round with their curve values negated.
void deflectSides(MainLine& l)
{
    const int n = l.jdCount;
    // 1. (pi is the constant PI.)  2. Side azimuths.
    for (int i = 1; i <= n - 1; ++i) l.sideAzimuth[i] = azimuth(row(l, i), row(l, i + 1));

    // 3. A hairpin row may reverse either side next to it.
    for (int i = 2; i <= n - 1; ++i) {
        if (!isHairpin(l, i)) continue;
        l.sideAzimuth[i - 1] =
            (l.jdHairpinInForward[i] == 1.0) ? azimuth(row(l, i - 1), row(l, i)) : azimuth(row(l, i), row(l, i - 1));
        l.sideAzimuth[i] =
            (l.jdHairpinOutForward[i] == 1.0) ? azimuth(row(l, i), row(l, i + 1)) : azimuth(row(l, i + 1), row(l, i));
    }

    // 4. Deflections, one step into [-pi, pi] (exactly +-pi stays).
    for (int i = 2; i <= n - 1; ++i) {
        l.jdDeflection[i] = reduceTurnOnce(l.sideAzimuth[i] - l.sideAzimuth[i - 1]);
    }

    // 5. A hairpin turns the long way round.
    for (int i = 2; i <= n - 1; ++i) {
        if (isHairpin(l, i)) l.jdDeflection[i] += (l.jdDeflection[i] >= 0.0) ? -TWO_PI : TWO_PI;
    }

    // 6. The negative sign marks a hairpin's curve values from here on.
    for (int i = 2; i <= n - 1; ++i) {
        if (!isHairpin(l, i)) continue;
        l.jdSpiralIn[i] = -l.jdSpiralIn[i];
        l.jdSpiralOut[i] = -l.jdSpiralOut[i];
        l.jdRadius[i] = -l.jdRadius[i];
        l.jdOuterRadiusIn[i] = -l.jdOuterRadiusIn[i];
        l.jdOuterRadiusOut[i] = -l.jdOuterRadiusOut[i];
    }
}

// Passes 7 and 8: each curve's tangents and length.
void layOutCurves(MainLine& l)
{
    const int n = l.jdCount;
    // 7. Lay out each curve. The arc filling the turn between the origin
    // tangents would be |turn| R long; of each clothoid only Ls is curve.
    for (int i = 2; i <= n - 1; ++i) {
        checkCurveInput(l, i);
        onRow(l, i, [&] {
            const CurveTangents c =
                solveCurveTangents(l.jdRadius[i], l.jdOuterRadiusIn[i], l.jdOuterRadiusOut[i], l.jdSpiralIn[i],
                                   l.jdSpiralOut[i], l.jdDeflection[i], l.sideAzimuth[i - 1], l.sideAzimuth[i]);
            l.tangentIn[i] = c.t1;
            l.tangentOut[i] = c.t2;
            l.spiralExtraIn[i] = c.extraIn;
            l.spiralExtraOut[i] = c.extraOut;
            l.originAzimuthIn[i] = c.originAzimuthIn;
            l.originAzimuthOut[i] = c.originAzimuthOut;
            l.originTurn[i] = c.turn;
            l.curveLength[i] =
                std::fabs(c.turn) * l.jdRadius[i] + (l.jdSpiralIn[i] + l.jdSpiralOut[i] - c.extraIn - c.extraOut) / 2.0;
        });
    }

    // 8. On a hairpin row the sum above comes out negative.
    for (int i = 2; i <= n - 1; ++i) {
        if (isHairpin(l, i)) l.curveLength[i] = -l.curveLength[i];
    }
}

// Passes 9 to 12: the stations of the intersection and key points.
void stationRows(MainLine& l)
{
    const int n = l.jdCount;
    // 9. Side lengths; 10. a reversed side is walked backwards.
    std::vector<double> sideLength(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 2; i <= n; ++i) {
        sideLength[i - 1] = std::hypot(l.jdY[i] - l.jdY[i - 1], l.jdX[i] - l.jdX[i - 1]);
    }
    for (int i = 2; i <= n - 1; ++i) {
        if (!isHairpin(l, i)) continue;
        const double back = std::fabs(sideLength[i - 1]);
        const double ahead = std::fabs(sideLength[i]);
        sideLength[i - 1] = (l.jdHairpinInForward[i] == 1.0) ? back : -back;
        sideLength[i] = (l.jdHairpinOutForward[i] == 1.0) ? ahead : -ahead;
    }

    // 11. Stations of the intersection points: along each side, less what
    // the curve behind saves against its two tangents (row 1 has no curve).
    l.jdStation[1] = l.startStation;
    for (int i = 2; i <= n; ++i) {
        const bool curveBehind = i - 1 >= 2;
        const double saving = curveBehind ? l.tangentOut[i - 1] + l.tangentIn[i - 1] - l.curveLength[i - 1] : 0.0;
        l.jdStation[i] = l.jdStation[i - 1] + sideLength[i - 1] - saving;
    }

    // 12. Stations of the key points.
    for (int i = 2; i <= n - 1; ++i) {
        const double z = l.jdStation[i] - l.tangentIn[i];
        l.zhStation[i] = z;
        l.hyStation[i] = z + std::fabs(l.jdSpiralIn[i]);
        l.yhStation[i] = z + l.curveLength[i] - std::fabs(l.jdSpiralOut[i]);
        l.hzStation[i] = z + l.curveLength[i];
    }
}

// Passes 13 to 16: the coordinates of ZH, HY and HZ, and the tangent at HY.
void placeKeyPoints(MainLine& l)
{
    const int n = l.jdCount;
    // 13. The end rows carry their own point as every key point.
    for (const int i : {1, n}) {
        l.zhX[i] = l.hyX[i] = l.hzX[i] = l.jdX[i];
        l.zhY[i] = l.hyY[i] = l.hzY[i] = l.jdY[i];
    }

    // 14. ZH back along the incoming side; 15. HZ on along the outgoing side.
    for (int i = 2; i <= n - 1; ++i) {
        const double back = l.sideAzimuth[i - 1] + PI;
        l.zhX[i] = l.jdX[i] + l.tangentIn[i] * std::cos(back);
        l.zhY[i] = l.jdY[i] + l.tangentIn[i] * std::sin(back);
    }
    for (int i = 2; i <= n - 1; ++i) {
        l.hzX[i] = l.jdX[i] + l.tangentOut[i] * std::cos(l.sideAzimuth[i]);
        l.hzY[i] = l.jdY[i] + l.tangentOut[i] * std::sin(l.sideAzimuth[i]);
    }

    // 16. HY at the end of the entry clothoid, and the tangent there.
    for (int i = 2; i <= n - 1; ++i) {
        onRow(l, i, [&] {
            const double s = signOf(l.jdDeflection[i]);
            const double r = l.jdRadius[i];
            const double ls1 = l.jdSpiralIn[i];
            const double ra1 = l.jdOuterRadiusIn[i];
            const double extra = l.spiralExtraIn[i];
            const double azIn = l.sideAzimuth[i - 1];
            const double whole = ls1 + extra;
            if (ls1 != 0.0) {
                const double c1 = s * r * whole;
                const double u = l.originAzimuthIn[i];
                const double x0 = spiralLocalX(std::fabs(extra), c1);
                const double y0 = spiralLocalY(std::fabs(extra), c1);
                const double ox = l.zhX[i] - (x0 * std::cos(u) - y0 * std::sin(u));
                const double oy = l.zhY[i] - (x0 * std::sin(u) + y0 * std::cos(u));
                const double x = spiralLocalX(std::fabs(whole), c1);
                const double y = spiralLocalY(std::fabs(whole), c1);
                l.hyX[i] = ox + x * std::cos(u) - y * std::sin(u);
                l.hyY[i] = oy + x * std::sin(u) + y * std::cos(u);
            } else {
                l.hyX[i] = l.zhX[i];
                l.hyY[i] = l.zhY[i];
            }
            const double turnToHy =
                vomel::checkedDivide(whole, 2.0 * r * s, VOMEL_TRANSLATE_NOOP("Failure", "HY azimuth"));
            const double backToOrigin =
                (ra1 != 0.0) ? vomel::checkedDivide(extra, 2.0 * ra1 * s, VOMEL_TRANSLATE_NOOP("Failure", "HY azimuth"))
                             : 0.0;
            l.hyAzimuth[i] = azIn - backToOrigin + turnToHy;
        });
    }
}

// Whether the curve of a station may be found by binary search.
bool zhStationsAscend(const MainLine& l)
{
    for (int i = 2; i + 1 <= l.jdCount - 1; ++i) {
        if (!(l.zhStation[i] <= l.zhStation[i + 1])) return false;
    }
    return true;
}

}  // namespace

void computeCurveElements(MainLine& l)
{
    checkRowCount(l);
    l.zhStationsAscending = false;
    deflectSides(l);
    layOutCurves(l);
    stationRows(l);
    placeKeyPoints(l);
    checkFinite(l);
    checkCurvesFit(l);
    l.zhStationsAscending = zhStationsAscend(l);
}

}  // namespace vomel
