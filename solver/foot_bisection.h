#pragma once
// The bisection on the distance from a point to the design line, one
// halving at a time. The reference search runs it to its end; the fast
// search stops it early and hands over to Newton's method, carrying it on
// to its end only when Newton fails, so both take the same steps with the
// same rounding.

#include <cmath>

#include "core/failure.h"
#include "solver/sample_table.h"
#include "solver/solution.h"

namespace vomel {

// A station range of the line, metres; low <= high.
struct StationRange {
    double low;
    double high;
};

// The line's point at `station` with its distance to `target`.
inline StationPoint pointOnLine(double station, const PointFunction& pointAt, Point target)
{
    const Point p = pointAt(station);
    // The check inline: it runs for every point of the line evaluated.
    StationPoint record{
        station, std::isfinite(p.x) ? p.x : requireFinite(p.x, VOMEL_TRANSLATE_NOOP("Failure", "X of the line")),
        std::isfinite(p.y) ? p.y : requireFinite(p.y, VOMEL_TRANSLATE_NOOP("Failure", "Y of the line")), 0.0};
    record.distance = planeDistance(record, {0.0, target.x, target.y, 0.0});
    return record;
}

class FootBisection {
public:
    // Evaluates the midpoint, then the low and the high end of the bracket.
    FootBisection(StationRange bracket, const PointFunction& pointAt, Point target) : pointAt_(pointAt), target_(target)
    {
        mid_ = pointOnLine((bracket.low + bracket.high) / 2, pointAt_, target_);
        low_ = pointOnLine(bracket.low, pointAt_, target_);
        high_ = pointOnLine(bracket.high, pointAt_, target_);
    }

    // The same bisection from ends and a midpoint already evaluated (as
    // pointOnLine would give them, e.g. from the sample table built with the
    // same function), so that it takes the same steps.
    FootBisection(const StationPoint& low, const StationPoint& mid, const StationPoint& high,
                  const PointFunction& pointAt, Point target)
        : pointAt_(pointAt), target_(target), low_(low), high_(high), mid_(mid)
    {
    }

    // One halving: the end nearer to the point stays and the other moves to
    // the midpoint (the low end moves on equal distances). False once the
    // bracket can shrink no further in double precision: comparing
    // successive midpoint distances would also stop when two midpoints lie
    // symmetrically about the foot, half a bracket away from it. Halving a
    // bracket of finite doubles reaches adjacent doubles after at most a few
    // thousand steps, so running it to its end always ends.
    bool step()
    {
        if (done_) return false;
        if (high_.distance <= low_.distance) {
            low_ = mid_;
        } else {
            high_ = mid_;
        }
        const double next = (high_.station + low_.station) / 2;
        mid_ = pointOnLine(next, pointAt_, target_);
        done_ = next == low_.station || next == high_.station;
        return !done_;
    }

    const StationPoint& low() const { return low_; }
    const StationPoint& high() const { return high_; }
    const StationPoint& mid() const { return mid_; }
    bool done() const { return done_; }

private:
    const PointFunction& pointAt_;
    Point target_;
    StationPoint low_{};
    StationPoint high_{};
    StationPoint mid_{};
    bool done_ = false;
};

}  // namespace vomel
