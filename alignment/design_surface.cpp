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
    if (!profile)
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no profile is given: design elevations need one"));
    const double centre = profile->elevationAt(station);
    const double rise = crossFall ? crossFall->riseAt(station, offset) : 0.0;
    return requireFinite(centre + rise, VOMEL_TRANSLATE_NOOP("Failure", "design elevation"));
}

}  // namespace vomel
