#include "solver/fast_solver.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/failure.h"
#include "solver/foot_bisection.h"

namespace vomel {

namespace {

struct NewtonResult {
    bool converged = false;
    double station = 0.0;
    int steps = 0;
};

// Newton's method on r(s) = (P - F(s)) . T(s), whose derivative is
// -(1 - curvature * n(s)) with n the component of P - F along the left
// normal; every iterate must stay within `allowed`.
NewtonResult newtonFoot(const PoseFunction& poseAt, Point target, StationRange allowed, double start)
{
    const double x = target.x;
    const double y = target.y;
    NewtonResult result;
    double s = start;
    for (int step = 1; step <= MAX_NEWTON_STEPS; ++step) {
        result.steps = step;
        const LinePose pose = poseAt(s);
        const double tx = std::cos(pose.azimuth);
        const double ty = std::sin(pose.azimuth);
        const double rx = x - pose.point.x;
        const double ry = y - pose.point.y;
        const double along = rx * tx + ry * ty;
        const double across = ry * tx - rx * ty;  // towards +Y of the tangent
        const double slope = -1.0 + pose.curvature * across;
        if (!(slope < -NEWTON_MIN_SLOPE)) return result;
        const double delta = -along / slope;
        const double next = s + delta;
        if (!std::isfinite(next) || next < allowed.low || next > allowed.high) return result;
        s = next;
        if (std::fabs(delta) <= NEWTON_STEP_TOLERANCE) {
            result.converged = true;
            result.station = s;
            return result;
        }
    }
    return result;
}

// The foot of the basin around sample k: the bracket of the samples either
// side narrowed by bisection, then Newton. Records its steps in `t`.
Solution refineBasin(const FastLine& line, std::size_t k, double x, double y, FastSolveTrace& t)
{
    const SampleTable& samples = *line.samples;
    const double lowest = samples.sampleStation[k - 1];
    const double highest = samples.sampleStation[k + 1];
    const Point ahead{samples.sampleX[k + 1], samples.sampleY[k + 1]};

    // The bracket's ends, and usually its midpoint, are samples: the table
    // holds the line's points there exactly as pointOnLine evaluates them.
    const auto sampled = [&samples, x, y](std::size_t j) {
        StationPoint record{samples.sampleStation[j], samples.sampleX[j], samples.sampleY[j], 0.0};
        record.distance = planeDistance(record, {0.0, x, y, 0.0});
        return record;
    };
    const double middle = (lowest + highest) / 2;
    const StationPoint mid =
        middle == samples.sampleStation[k] ? sampled(k) : pointOnLine(middle, line.pointAt, {x, y});
    FootBisection bisection(sampled(k - 1), mid, sampled(k + 1), line.pointAt, {x, y});
    while (bisection.high().station - bisection.low().station > NEWTON_START_WIDTH && bisection.step()) {
        ++t.bisectionSteps;
    }

    StationPoint foot = bisection.mid();
    if (!bisection.done()) {
        // Newton may leave the narrowed bracket by its own width on either
        // side (see NEWTON_START_WIDTH), never the sample bracket.
        const double width = bisection.high().station - bisection.low().station;
        const double from = std::max(lowest, bisection.low().station - width);
        const double to = std::min(highest, bisection.high().station + width);
        const NewtonResult newton = newtonFoot(line.poseAt, {x, y}, {from, to}, bisection.mid().station);
        t.newtonSteps = newton.steps;
        t.newtonConverged = newton.converged;
        const StationPoint candidate =
            newton.converged ? pointOnLine(newton.station, line.pointAt, {x, y}) : StationPoint{};
        if (newton.converged && candidate.distance <= bisection.mid().distance + FOOT_DISTANCE_SLACK) {
            foot = candidate;
        } else {
            t.newtonConverged = false;
            while (bisection.step()) ++t.bisectionSteps;
            foot = bisection.mid();
        }
    }

    const int side = sideOfLine({x, y}, {foot.x, foot.y}, ahead);
    return {foot.station, foot.distance * side, foot.x, foot.y};
}

// The samples that start a basin: within each run of consecutive candidate
// samples, those no farther than the sample before and nearer than the one
// after (samples outside the run are farther than every candidate). A
// plateau gives its last sample.
void basinSamples(const std::vector<SampleIndex::Candidate>& candidates, std::vector<SampleIndex::Candidate>& basins)
{
    basins.clear();
    const std::size_t count = candidates.size();
    for (std::size_t i = 0; i < count; ++i) {
        const auto& c = candidates[i];
        const bool runStarts = i == 0 || candidates[i - 1].index + 1 != c.index;
        const bool runEnds = i + 1 == count || candidates[i + 1].index != c.index + 1;
        if ((runStarts || c.distance <= candidates[i - 1].distance) &&
            (runEnds || c.distance < candidates[i + 1].distance)) {
            basins.push_back(c);
        }
    }
}

}  // namespace

Solution solvePointFast(const FastLine& line, double x, double y, FastSolveTrace* trace)
{
    requireCoordinate(x, VOMEL_TRANSLATE_NOOP("Failure", "X of the point"));
    requireCoordinate(y, VOMEL_TRANSLATE_NOOP("Failure", "Y of the point"));
    if (line.samples == nullptr || line.index == nullptr || line.samples->empty()) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    }
    // Reused from point to point: no allocation once it has grown.
    thread_local std::vector<SampleIndex::Candidate> candidates;
    const std::size_t k = line.index->nearestWithin(*line.samples, x, y, candidateMargin(*line.samples), candidates);
    return solveAmongCandidates(line, x, y, k, candidates, trace);
}

Solution solveAmongCandidates(const FastLine& line, double x, double y, std::size_t k,
                              const std::vector<SampleIndex::Candidate>& candidates, FastSolveTrace* trace)
{
    const double reach = candidateMargin(*line.samples);
    thread_local std::vector<SampleIndex::Candidate> basins;
    basinSamples(candidates, basins);

    FastSolveTrace local;
    FastSolveTrace& t = trace != nullptr ? *trace : local;
    t = {};
    t.nearestSample = k;
    if (basins.size() <= 1) {
        // The common case: one stretch of the line near the point.
        t.basins = 1;
        return refineBasin(line, k, x, y, t);
    }

    // Nearest samples first, so that the best foot is found early and the
    // basins that cannot beat it are passed over.
    std::sort(basins.begin(), basins.end(), [](const auto& p, const auto& q) {
        return p.distance < q.distance || (p.distance == q.distance && p.index < q.index);
    });
    thread_local std::vector<Solution> feet;
    feet.clear();
    std::size_t bestFoot = 0;
    FastSolveTrace bestTrace;
    for (const auto& basin : basins) {
        const double bestDistance = feet.empty() ? INFINITY : std::fabs(feet[bestFoot].offset);
        if (basin.distance > bestDistance + reach) continue;
        FastSolveTrace basinTrace;
        feet.push_back(refineBasin(line, basin.index, x, y, basinTrace));
        ++t.basins;
        if (feet.size() == 1 || std::fabs(feet.back().offset) < bestDistance) {
            bestFoot = feet.size() - 1;
            bestTrace = basinTrace;
        }
    }
    Solution best = feet[bestFoot];
    t.newtonConverged = bestTrace.newtonConverged;
    t.newtonSteps = bestTrace.newtonSteps;
    t.bisectionSteps = bestTrace.bisectionSteps;

    // The nearest of the feet on other parts of the line.
    const double bestDistance = std::fabs(best.offset);
    double otherDistance = INFINITY;
    for (const Solution& foot : feet) {
        if (std::fabs(foot.station - best.station) <= AMBIGUOUS_STATION_SEPARATION) continue;
        if (std::fabs(foot.offset) < otherDistance) {
            otherDistance = std::fabs(foot.offset);
            best.otherStation = foot.station;
        }
    }
    best.ambiguous = otherDistance - bestDistance <= AMBIGUOUS_FOOT_DISTANCE;
    if (!best.ambiguous) best.otherStation = 0.0;
    return best;
}

double perpendicularityResidual(const PoseFunction& poseAt, double station, Point point)
{
    const LinePose pose = poseAt(station);
    return (point.x - pose.point.x) * std::cos(pose.azimuth) + (point.y - pose.point.y) * std::sin(pose.azimuth);
}

}  // namespace vomel
