#include "drawing/profile_viewport.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "stationing/kilometre_station.h"

namespace vomel::drawing {

namespace {

// Most ticks an axis is given, whatever its step: a guard against a step
// far too small for the range.
constexpr double MAX_TICKS = 10'000.0;
// A tick is kept where its stated station is the multiple to this much
// (metres), and two ticks closer than this are one.
constexpr double TICK_MATCH = 1e-6;

// The largest of 1, 2 and 5 times a power of ten not above `maximum` (≥ 1).
double roundStepDown(double maximum)
{
    const double decade = std::pow(10.0, std::floor(std::log10(maximum)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * decade <= maximum) return step * decade;
    }
    return decade;
}

}  // namespace

void ProfileViewport::fit(const ProfileScene& scene, const ProfilePlotArea& plot)
{
    plot_ = plot;
    plot_.width = std::max(plot_.width, 1.0);
    plot_.height = std::max(plot_.height, 1.0);
    const double stationSpan = std::max(scene.maxStation - scene.minStation, PROFILE_MIN_STATION_SPAN);
    const double elevationSpan = std::max(scene.maxElevation - scene.minElevation, PROFILE_MIN_ELEVATION_SPAN);
    const double acrossFit = plot_.width / stationSpan;
    const double upFit = plot_.height / elevationSpan;
    const double ratio = upFit / acrossFit;
    if (ratio >= 1.0) {
        horizontal_ = acrossFit;
        exaggeration_ = roundStepDown(std::min(ratio, PROFILE_MAX_EXAGGERATION));
    } else {
        // Taller than wide even to scale: to scale, as tall as the plot.
        horizontal_ = upFit;
        exaggeration_ = 1.0;
    }
    const double stationCentre = (scene.minStation + scene.maxStation) / 2.0;
    const double elevationCentre = (scene.minElevation + scene.maxElevation) / 2.0;
    station0_ = stationCentre - plot_.width / (2.0 * horizontal_);
    elevation0_ = elevationCentre - plot_.height / (2.0 * verticalScale());
}

ScreenPoint ProfileViewport::toScreen(double station, double elevation) const
{
    return {plot_.left + (station - station0_) * horizontal_,
            plot_.top + plot_.height - (elevation - elevation0_) * verticalScale()};
}

double ProfileViewport::stationAt(double x) const { return station0_ + (x - plot_.left) / horizontal_; }

double ProfileViewport::elevationAt(double y) const
{
    return elevation0_ + (plot_.top + plot_.height - y) / verticalScale();
}

double roundStep(double minimum)
{
    const double decade = std::pow(10.0, std::floor(std::log10(minimum)));
    for (const double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * decade >= minimum) return step * decade;
    }
    return 10.0 * decade;
}

std::vector<double> tickValues(double from, double to, double step)
{
    std::vector<double> ticks;
    if (!(step > 0.0) || !std::isfinite(from) || !std::isfinite(to) || to < from) return ticks;
    const double first = std::ceil(from / step);
    const double last = std::floor(to / step);
    if (last - first + 1.0 > MAX_TICKS) return ticks;
    for (double k = first; k <= last; k += 1.0) ticks.push_back(k * step);
    return ticks;
}

std::vector<ProfileStationTick> stationTicks(const ChainBreaks& breaks, double from, double to, double step)
{
    // Along one chain the stated station is the continuous one shifted by a
    // constant: each candidate is moved by the shift of its chain to the
    // stated multiples either side of it, kept when they lie on the same
    // chain (a chain's first multiple may lie up to a step from the
    // candidates on it).
    std::vector<ProfileStationTick> ticks;
    const int decimals = step >= 1.0 ? 0 : 3;
    for (const double candidate : tickValues(from - step, to + step, step)) {
        const StatedStation here = chainStationLetter(breaks, candidate);
        for (const double multiple : {std::floor(here.stated / step) * step, std::ceil(here.stated / step) * step}) {
            const double station = candidate + (multiple - here.stated);
            if (station < from - TICK_MATCH || station > to + TICK_MATCH) continue;
            const StatedStation there = chainStationLetter(breaks, station);
            if (there.letter != here.letter || std::abs(there.stated - multiple) > TICK_MATCH) continue;
            const std::optional<char> letter =
                breaks.chainBreakCount > 0 ? std::optional<char>(there.letter) : std::nullopt;
            std::string text =
                multiple >= 0.0 ? kilometreStationText(multiple, decimals, letter) : stationTextPlain(breaks, station);
            ticks.push_back({station, std::move(text)});
        }
    }
    std::sort(ticks.begin(), ticks.end(),
              [](const ProfileStationTick& a, const ProfileStationTick& b) { return a.station < b.station; });
    ticks.erase(std::unique(ticks.begin(), ticks.end(),
                            [](const ProfileStationTick& a, const ProfileStationTick& b) {
                                return std::abs(a.station - b.station) < TICK_MATCH;
                            }),
                ticks.end());
    return ticks;
}

}  // namespace vomel::drawing
