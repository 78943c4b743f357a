#include "alignment/main_line_fit.h"

#include <cmath>

#include "text/number_text.h"

namespace vomel {

namespace {

std::string metres(double value) { return vomel::formatFixed(value, 3) + " m"; }

double sideLength(const MainLine& l, int i) { return std::hypot(l.jdX[i + 1] - l.jdX[i], l.jdY[i + 1] - l.jdY[i]); }

}  // namespace

std::vector<CurveOverlap> curveOverlaps(const MainLine& l)
{
    std::vector<CurveOverlap> overlaps;
    const int n = l.jdCount;
    const auto note = [&](CurveOverlapPlace place, int row, double room, double tangents, int side) {
        if (-room > CURVE_MEETING_ROUNDING) overlaps.push_back({place, row, -room, tangents, sideLength(l, side)});
    };
    if (n < 3) return overlaps;
    // The room left on a side is the straight between the curves, as the
    // stations give it: the side less the two tangents, also on hairpins.
    note(CurveOverlapPlace::BeforeStart, 2, l.zhStation[2] - l.jdStation[1], std::fabs(l.tangentIn[2]), 1);
    for (int i = 2; i + 1 <= n - 1; ++i) {
        note(CurveOverlapPlace::OverNextCurve, i, l.zhStation[i + 1] - l.hzStation[i],
             std::fabs(l.tangentOut[i]) + std::fabs(l.tangentIn[i + 1]), i);
    }
    note(CurveOverlapPlace::BeyondEnd, n - 1, l.jdStation[n] - l.hzStation[n - 1], std::fabs(l.tangentOut[n - 1]),
         n - 1);
    return overlaps;
}

vomel::Wording curveOverlapWording(const MainLine& l, const CurveOverlap& o)
{
    const std::string overlap = metres(o.overlap);
    const std::string tangents = metres(o.tangents);
    const std::string side = metres(o.side);
    switch (o.place) {
    case CurveOverlapPlace::BeforeStart:
        return vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "%1: the curve starts %2 before the start of the line (%3 "
                                                             "of tangent on a side of %4)"),
                             rowLabel(l, o.row), overlap, tangents, side);
    case CurveOverlapPlace::BeyondEnd:
        return vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "%1: the curve ends %2 beyond the end of the line (%3 of "
                                                             "tangent on a side of %4)"),
                             rowLabel(l, o.row), overlap, tangents, side);
    case CurveOverlapPlace::OverNextCurve: break;
    }
    return vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "%1: the curve overlaps the next one, of %2, by %3 (%4 of "
                                                         "tangent on a side of %5)"),
                         rowLabel(l, o.row), rowLabel(l, o.row + 1), overlap, tangents, side);
}

}  // namespace vomel
