#pragma once
// Back-calculation of a plane point onto the design line, independent of how
// the line is defined: the line is sampled once per unit of length, the
// nearest sample brackets the foot of the perpendicular, and a bisection on
// the distance finds it. The side (left positive, right negative, looking
// along increasing station) comes from two azimuths.
//
// Every length here is in the line's unit: metres, or feet for a LandXML or
// IFC line in feet. Tolerances are named in metres; each is far enough below
// the rounding of survey coordinates to hold in feet as well.

#include <cstddef>
#include <functional>
#include <vector>

#include "core/point.h"

namespace vomel {

// The forward function of the design line: continuous station -> point.
using PointFunction = std::function<Point(double)>;

// Spacing of the samples, in the line's unit (m or ft).
inline constexpr double SAMPLE_STEP = 1.0;

// The design line evaluated once per unit of length. Indices 0..n+1 (n = sampleCount):
// sample 0 lies one step before the start, 1 is the start, 2..n-1 follow at
// one step each, n is the end (so the last interior spacing is the short
// one), and n + 1 lies one step beyond the end.
struct SampleTable {
    double sampleStep = SAMPLE_STEP;
    std::size_t sampleCount = 0;  // n; 0 while no table has been built
    std::vector<double> sampleStation;
    std::vector<double> sampleX;
    std::vector<double> sampleY;

    bool empty() const { return sampleCount == 0; }
};

// Number of samples n for a line from start to end: Int((end - start) /
// step) + 2. A reversed, empty of meaning or non-finite extent is a
// GeometryFailure (the caller bounds the length before asking).
std::size_t sampleCountFor(double start, double end);

// Samples the design line over [start, end]; start <= end, both finite.
// With `threads` above 1 a long line is sampled on that many threads, each
// taking a contiguous run of the stations (`pointAt` must be safe there);
// the table is the same to the bit, and a failure is the first in station
// order, whatever the number.
SampleTable buildSampleTable(double start, double end, const PointFunction& pointAt, unsigned threads = 1);

// Fewest samples a thread of buildSampleTable takes: below this, starting a
// thread costs more than it saves (a sample takes a few tenths of a
// microsecond, a thread some tens).
inline constexpr std::size_t MIN_SAMPLES_PER_THREAD = 4096;

// Where a point's foot lies on the line. Beyond an end, the station and
// offset are those of the end's rule, not of a perpendicular; outside a
// corner (applyCornerRule, solver/corner_rule.h) they are those of the
// corner.
enum class FootPlace { OnLine, BeforeStart, AfterEnd, Corner };

// The answer for one point: continuous station of the foot, signed offset
// (left positive), foot coordinates.
struct Solution {
    double station = 0.0;
    double offset = 0.0;
    double footX = 0.0;
    double footY = 0.0;
    // Set by the fast search when another part of the line has a foot
    // practically as near (see AMBIGUOUS_FOOT_DISTANCE): that foot's
    // continuous station.
    bool ambiguous = false;
    double otherStation = 0.0;
    // Set by applyCornerRule and placeFoot (solver/corner_rule.h).
    FootPlace place = FootPlace::OnLine;
};

// Index k of the sample nearest to (x, y) among 1..n, scanning upwards and
// taking a later sample only when it is strictly nearer: the lowest index
// wins a tie. The samples 0 and n + 1 only close the bracket.
std::size_t nearestSample(const SampleTable& samples, double x, double y);

// A point's coordinate, finite and within ±MAX_INPUT_MAGNITUDE (beyond it
// the squared distances to the line overflow); else a GeometryFailure
// naming `what`.
double requireCoordinate(double value, const char* what);

// Nearest sample k, then bisection
// over [station(k - 1), station(k + 1)] with the sample k + 1 as the point
// ahead. The table must not be empty.
Solution solvePoint(const SampleTable& samples, const PointFunction& pointAt, double x, double y);

// A point of the design line during the bisection, with its distance to the
// point being solved.
struct StationPoint {
    double station = 0.0;
    double x = 0.0;
    double y = 0.0;
    double distance = 0.0;
};

// Bisection between two stations on the distance to (x, y), run until the
// bracket can shrink no further (FootBisection, solver/foot_bisection.h);
// (aheadX, aheadY) is a point of the line ahead of the bracket, used for
// the side.
Solution bisectFoot(double lowStation, double highStation, double aheadX, double aheadY, double x, double y,
                    const PointFunction& pointAt);

// Plane distance between two records (stations and distances ignored).
inline double planeDistance(const StationPoint& p, const StationPoint& q)
{
    return planeDistance(Point{p.x, p.y}, Point{q.x, q.y});
}

// Side sign of the point p1 whose foot is p2, with p3 ahead on the line:
// +1 on the left of the direction p2 -> p3 (and when the turn is exactly
// zero), -1 on the right.
int sideOfLine(Point p1, Point p2, Point p3);

}  // namespace vomel
