#include "alignment/design_surface.h"

#include "core/failure.h"

namespace vomel {

std::optional<double> DesignSurface::elevationAt(double station, double offset) const
{
    if (!profile || !profile->contains(station)) return std::nullopt;
    return requireElevationAt(station, offset);
}

double DesignSurface::requireElevationAt(double station, double offset) const
{
    if (!profile) throw GeometryFailure("no profile is given: design elevations need one");
    const double centre = profile->elevationAt(station);
    const double rise = crossFall ? crossFall->riseAt(station, offset) : 0.0;
    return requireFinite(centre + rise, "design elevation");
}

}  // namespace vomel
