#pragma once
// The design surface of a road: the vertical profile along the centre line
// and, optionally, the cross-fall to either side. The design elevation at
// station s and offset d (left positive) is the profile's elevation at s
// plus |d| × the slope of that side / 100; without a cross-fall the slopes
// are 0.

#include <memory>
#include <optional>

#include "alignment/cross_fall.h"
#include "alignment/vertical_profile.h"

namespace vomel {

struct DesignSurface {
    std::shared_ptr<const VerticalProfile> profile;  // required for any elevation
    std::shared_ptr<const CrossFall> crossFall;  // none: level on both sides

    // The design elevation at a continuous station and offset; nullopt
    // when there is no profile or the station lies outside it.
    std::optional<double> elevationAt(double station, double offset) const;

    // The same, but a station outside the profile is a GeometryFailure
    // naming the profile's extent; no profile is a GeometryFailure too.
    double requireElevationAt(double station, double offset) const;
};

}  // namespace vomel
