#pragma once
// The cross-fall (横坡, and 超高 where the road is superelevated): the slope
// of each side of the carriageway, in percent, as the rise per unit of
// horizontal distance going outward from the centre line. A normal crown
// is -2 on both sides. Between the stations given the slopes change
// linearly with station (the superelevation run-off); before the first and
// after the last they stay as there.

#include <vector>

namespace vomel {

struct CrossFallRow {
    double station = 0.0;  // continuous station, metres
    double left = 0.0;  // percent, outward from the centre line
    double right = 0.0;  // percent
    long line = 0;  // line of the cross-fall file (0 when built in code)
};

struct SideSlopes {
    double left = 0.0;  // percent
    double right = 0.0;  // percent
};

class CrossFall {
public:
    // At least one row; stations strictly increasing (a FormatFailure
    // naming the row's line otherwise).
    explicit CrossFall(std::vector<CrossFallRow> rows);

    SideSlopes slopesAt(double station) const;
    // Rise from the centre line to the point at `offset` metres (left
    // positive): |offset| × the slope of that side / 100. An offset of 0
    // rises 0.
    double riseAt(double station, double offset) const;

    const std::vector<CrossFallRow>& rows() const { return rows_; }

private:
    std::vector<CrossFallRow> rows_;
};

}  // namespace vomel
