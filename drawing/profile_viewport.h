#pragma once
// The profile drawing's map from (station, elevation) to the screen:
// station to the right, elevation up, the elevations exaggerated by a round
// factor (1, 2, 5, 10, 20, ...) chosen so that the scene fills the plot's
// height, and the axes' round tick steps. No toolkit here.

#include <string>
#include <vector>

#include "drawing/plan_viewport.h"
#include "drawing/profile_scene.h"
#include "stationing/chain_break.h"

namespace vomel::drawing {

// Largest vertical exaggeration the drawing chooses: a nearly level
// profile is drawn this steep at most, centred in the plot.
inline constexpr double PROFILE_MAX_EXAGGERATION = 1000.0;
// The elevation range fitted is at least this tall (metres), so that a
// level profile has a height to fit.
inline constexpr double PROFILE_MIN_ELEVATION_SPAN = 1.0;
// The station range fitted is at least this long (metres).
inline constexpr double PROFILE_MIN_STATION_SPAN = 1.0;

// The rectangle of the plot inside the widget, pixels.
struct ProfilePlotArea {
    double left = 0.0;
    double top = 0.0;
    double width = 1.0;
    double height = 1.0;
};

class ProfileViewport {
public:
    // The scene's stations across the whole plot width, and its elevations
    // as tall as the largest round exaggeration lets them within the plot's
    // height (centred); the scene is drawn to scale across and up when even
    // that is too tall.
    void fit(const ProfileScene& scene, const ProfilePlotArea& plot);

    const ProfilePlotArea& plot() const { return plot_; }
    double horizontalScale() const { return horizontal_; }  // pixels per metre of station
    double verticalScale() const { return horizontal_ * exaggeration_; }  // pixels per metre of elevation
    double exaggeration() const { return exaggeration_; }

    ScreenPoint toScreen(double station, double elevation) const;
    double stationAt(double x) const;
    double elevationAt(double y) const;
    // The elevations at the plot's bottom and top edges.
    double bottomElevation() const { return elevationAt(plot_.top + plot_.height); }
    double topElevation() const { return elevationAt(plot_.top); }

private:
    ProfilePlotArea plot_;
    double horizontal_ = 1.0;
    double exaggeration_ = 1.0;
    double station0_ = 0.0;  // station at the plot's left edge
    double elevation0_ = 0.0;  // elevation at the plot's bottom edge
};

// The smallest of 1, 2 and 5 times a power of ten that is at least
// `minimum` (> 0): the step of an axis's ticks.
double roundStep(double minimum);

// The multiples of `step` from `from` to `to` (inclusive), ascending.
std::vector<double> tickValues(double from, double to, double step);

// A tick of the station axis: where it stands and its stated station.
struct ProfileStationTick {
    double station = 0.0;  // continuous
    std::string text;  // K form, with the chain letter when the line has breaks
};

// Ticks between the continuous stations `from` and `to` wherever the stated
// station is a multiple of `step`: along one chain every `step` metres,
// across a chain break on the stationing of each side.
std::vector<ProfileStationTick> stationTicks(const ChainBreaks& breaks, double from, double to, double step);

}  // namespace vomel::drawing
