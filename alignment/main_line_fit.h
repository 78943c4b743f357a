#pragma once
// Whether the curves of an intersection-point table fit on its sides: each
// curve must start after the line's start, end before its end, and leave
// the next curve room (HZ of one at or before ZH of the next). A table
// whose curves do not fit still computes, but its line never passes the
// intersection points the design drew, so it is refused here.

#include <string>
#include <vector>

#include "alignment/main_line.h"
#include "core/wording.h"

namespace vomel {

// Tables give coordinates to 0.1 mm, and curves that meet with a straight
// printed as 0.000 compute to within +-0.5 mm of meeting: an overlap up to
// this is the table's rounding and passes silently (metres; absolute, as
// the rounding of a coordinate does not grow with its magnitude).
inline constexpr double CURVE_MEETING_ROUNDING = 0.0005;
// An overlap up to this is kept with a warning; a larger one is refused
// (metres).
inline constexpr double CURVE_OVERLAP_TOLERANCE = 0.005;

// Where a curve leaves too little room: before the start, beyond the end or
// over the next curve.
enum class CurveOverlapPlace { BeforeStart, BeyondEnd, OverNextCurve };

struct CurveOverlap {
    CurveOverlapPlace place = CurveOverlapPlace::OverNextCurve;
    int row = 0;  // the curve's row; for OverNextCurve the first of the two
    double overlap = 0.0;  // metres the curves (or curve and end) overlap, > 0
    double tangents = 0.0;  // T2 of the row plus T1 of the next (only T1 or T2 at the ends)
    double side = 0.0;  // length of the side they share, metres
};

// Every overlap beyond CURVE_MEETING_ROUNDING, in station order. Needs the
// stations and tangents of computeCurveElements.
std::vector<CurveOverlap> curveOverlaps(const MainLine& line);

// The sentence naming the rows and the amounts, for the reader's language.
vomel::Wording curveOverlapWording(const MainLine& line, const CurveOverlap& overlap);

}  // namespace vomel
