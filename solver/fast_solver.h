#pragma once
// The fast back-calculation of one point: the nearest sample from the
// sample index instead of a scan, the bracket narrowed by the reference search's
// own bisection until it is short, then Newton's method on the condition
// that the line from the foot to the point is perpendicular to the line's
// tangent at the foot. Should Newton leave the bracket or fail to settle,
// the bisection is carried on to its end and its result returned, so the
// answer is never worse than the reference algorithm's.
//
// Accuracy: for a point whose foot lies between the line's ends, the
// station, the offset and the foot are within 1e-9 (in the line's unit, m
// or ft) of the exact foot (tests/unit/fast_solver_test.cpp: 5e-11 m
// against feet computed independently of this program, at most 9.3e-10 m
// over 3,000 generated points within 60 m of a main line and a ramp).
// Beyond the ends the point is solved on the extended first or last tangent,
// and the results say so (before-start, after-end).

#include <cstddef>
#include <functional>
#include <vector>

#include "core/line_pose.h"
#include "solver/reference_search.h"
#include "solver/sample_index.h"

namespace vomel {

// The forward function with derivatives: continuous station -> point,
// tangent azimuth and curvature. Its point must be the PointFunction's.
using PoseFunction = std::function<LinePose(double)>;

// Everything the fast path reads; read-only, so one instance serves any
// number of threads at once.
struct FastLine {
    const SampleTable* samples = nullptr;
    const SampleIndex* index = nullptr;
    PointFunction pointAt;
    PoseFunction poseAt;
};

// The bisection hands over to Newton once the bracket is this short, metres.
// Over a bracket this short the distance still falls clearly towards the
// foot: rounding of the distances (about 1e-9 m at grid coordinates) can
// misjudge the half that holds the foot only when the foot lies within
// about 1e-9 * offset / width (some 4e-6 m for a 60 m offset) of the
// midpoint, far inside the widened range Newton may use.
inline constexpr double NEWTON_START_WIDTH = 1.0 / 64.0;

// Newton has settled when its last step was at most this long, metres. The
// next step would be of the order curvature * step², far below a
// micrometre; the rounding of the coordinates limits the foot to about 1e-9
// m anyway.
inline constexpr double NEWTON_STEP_TOLERANCE = 1e-7;

// Newton steps tried before falling back to the bisection.
inline constexpr int MAX_NEWTON_STEPS = 8;

// Newton needs the distance to have a clear minimum at the foot: the slope
// of the perpendicularity residual is -(1 - curvature * offset), and near
// the centre of a curve (offset close to the radius) it vanishes. At or
// above this slope (dimensionless) the bisection finishes the point.
inline constexpr double NEWTON_MIN_SLOPE = 1e-3;

// Newton's foot is kept only if it is no farther from the point than the
// bisection's midpoint, up to this much rounding of the distances (metres;
// about ten times the rounding of a distance at survey-grid coordinates). A
// foot that fails this is no minimum of the distance, so the bisection
// finishes the point.
inline constexpr double FOOT_DISTANCE_SLACK = 1e-8;

// Any foot nearer than a sample's distance lies within half a sample
// spacing of some sample, so every sample no farther than the nearest
// sample's distance plus half a spacing (plus this slack, metres: the
// rounding of distances and AMBIGUOUS_FOOT_DISTANCE, so that a foot as near
// within that is also found) may stand for the nearest foot.
inline constexpr double CANDIDATE_DISTANCE_SLACK = 2e-3;

// Two feet whose distances to the point differ by at most this much
// (metres) are equally near for a survey ...
inline constexpr double AMBIGUOUS_FOOT_DISTANCE = 1e-3;

// ... and they make the point ambiguous when their stations lie more than
// this far apart (metres): they are then on different parts of the line (a
// loop coming back, the two sides of a hairpin), not two readings of one
// foot on a flat stretch of distance.
inline constexpr double AMBIGUOUS_STATION_SEPARATION = 5.0;

// How a point was solved, for tests and benchmarks.
struct FastSolveTrace {
    std::size_t basins = 0;  // runs of candidate samples refined (1 in the common case)
    std::size_t nearestSample = 0;
    bool newtonConverged = false;  // false: the bisection's result was used
    int newtonSteps = 0;
    int bisectionSteps = 0;
};

// Station, offset and foot of (x, y): the nearest of the feet of every
// basin of candidate samples, each refined as above; `ambiguous` and
// `otherStation` say when another part of the line is as near. The sample
// table and its index must not be empty.
Solution solvePointFast(const FastLine& line, double x, double y, FastSolveTrace* trace = nullptr);

// The margin of the candidate samples around the nearest one (see
// CANDIDATE_DISTANCE_SLACK), in the line's unit.
inline double candidateMargin(const SampleTable& samples) { return samples.sampleStep / 2 + CANDIDATE_DISTANCE_SLACK; }

// solvePointFast once the nearest sample k and the candidates within
// candidateMargin of it (by increasing index, as SampleIndex::nearestWithin
// gives them) are known: a search over several lines at once hands each
// line its own.
Solution solveAmongCandidates(const FastLine& line, double x, double y, std::size_t k,
                              const std::vector<SampleIndex::Candidate>& candidates, FastSolveTrace* trace = nullptr);

// The perpendicularity residual at a station: the component of the vector
// from the line's point there to `point` along the tangent, metres. 0 at
// the exact foot.
double perpendicularityResidual(const PoseFunction& poseAt, double station, Point point);

}  // namespace vomel
