#include "solver/reference_search.h"

#include <cmath>

#include "core/angles.h"
#include "core/failure.h"
#include "geometry/tangent_solution.h"
#include "solver/foot_bisection.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

std::size_t nearestSample(const SampleTable& samples, double x, double y)
{
    if (samples.empty()) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    const std::size_t n = samples.sampleCount;
    std::size_t k = 1;
    double nearest = planeDistance(samples.sampleX[1] - x, samples.sampleY[1] - y);
    for (std::size_t j = 2; j <= n; ++j) {
        const double d = planeDistance(samples.sampleX[j] - x, samples.sampleY[j] - y);
        if (d < nearest) {
            nearest = d;
            k = j;
        }
    }
    return k;
}

double requireCoordinate(double value, const char* what)
{
    requireFinite(value, what);
    if (std::fabs(value) > MAX_INPUT_MAGNITUDE) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "%1 %2 is beyond ±%3"), worded(what),
                              formatGeneral(value), formatGeneral(MAX_INPUT_MAGNITUDE));
    }
    return value;
}

Solution solvePoint(const SampleTable& samples, const PointFunction& pointAt, double x, double y)
{
    requireCoordinate(x, VOMEL_TRANSLATE_NOOP("Failure", "X of the point"));
    requireCoordinate(y, VOMEL_TRANSLATE_NOOP("Failure", "Y of the point"));
    const std::size_t k = nearestSample(samples, x, y);
    return bisectFoot(samples.sampleStation[k - 1], samples.sampleStation[k + 1], samples.sampleX[k + 1],
                      samples.sampleY[k + 1], x, y, pointAt);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the bracket, the point ahead and the point, in that order
Solution bisectFoot(double lowStation, double highStation, double aheadX, double aheadY, double x, double y,
                    const PointFunction& pointAt)
{
    FootBisection bisection({lowStation, highStation}, pointAt, {x, y});
    while (bisection.step()) {}
    const StationPoint& foot = bisection.mid();
    const int side = sideOfLine({x, y}, {foot.x, foot.y}, {aheadX, aheadY});
    return {foot.station, foot.distance * side, foot.x, foot.y};
}

int sideOfLine(Point p1, Point p2, Point p3)
{
    const double turn = reduceTurnOnce(vomel::azimuth(p2, p3) - vomel::azimuth(p1, p2));
    return turn > 0 ? -1 : 1;
}

}  // namespace vomel
