#pragma once
// The vertical-curve table of a profile, to check it against the drawings:
// one row per grade point with its station (with its chain letter when the
// line has chain breaks) and elevation, the grades in and out in percent,
// R, T, E, crest or sag, and the stations and elevations of the curve's
// start and end. The first and last grade points have only the grades they
// have. A circular curve gives its R, T = R·tan(Δθ/2) and E (vertical); an
// unsymmetric parabola gives "R1/R2" and "T1/T2", the radii at the start
// and end and the horizontal lengths before and after the grade point.

#include "alignment/design_line.h"
#include "alignment/table_cells.h"
#include "alignment/vertical_profile.h"
#include "stationing/chain_break.h"

namespace vomel {

CurveTable verticalCurveTable(const VerticalProfile& profile, const vomel::ChainBreaks& breaks);

}  // namespace vomel
