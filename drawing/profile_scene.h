#pragma once
// What the profile drawing (纵断面图) shows, in stations and elevations: the
// design line along the centre line sampled densely on the vertical curves,
// the grade points with their tangents, the start and end of every
// vertical curve, station ticks with their stated stations, and the
// surveyed points of the last file run with their own elevation and the
// design elevation at their station and offset. No toolkit here.

#include <cstddef>
#include <string>
#include <vector>

#include "alignment/design_surface.h"
#include "stationing/chain_break.h"

namespace vomel::drawing {

struct PlanRun;

// A vertical curve is drawn with one chord per this many metres of its
// length (a 1 m chord strays 1/(8R) from the curve: 0.25 mm at R = 500 m),
// within the limits below: a long curve's 512 chords still lie far under a
// pixel of any window the drawing fits.
inline constexpr double PROFILE_CHORD_LENGTH = 1.0;  // metres
inline constexpr std::size_t PROFILE_MIN_CHORDS = 16;
inline constexpr std::size_t PROFILE_MAX_CHORDS = 512;

struct ProfileSample {
    double station = 0.0;  // continuous station, metres
    double elevation = 0.0;  // metres
};

struct ProfileGradeMark {
    double station = 0.0;
    double elevation = 0.0;
    double radius = 0.0;  // of its vertical curve, metres; 0 for none
    std::string stationText;  // stated, in the K form, with the chain letter when the line has breaks
};

// The start or end of a vertical curve, on the design line.
struct ProfileCurveEnd {
    double station = 0.0;
    double elevation = 0.0;
    std::size_t gradePoint = 0;  // index into ProfileScene::gradePoints
    bool start = true;
};

// A surveyed point whose line gave an elevation and whose station lies on
// the profile.
struct ProfilePoint {
    std::string label;  // bytes as in the coordinate file
    double station = 0.0;  // continuous station of its foot
    double offset = 0.0;  // left positive, metres
    double elevation = 0.0;  // surveyed
    double designElevation = 0.0;  // at its station and offset
    std::string stationText;  // stated, with its chain letter
};

struct ProfileScene {
    ChainBreaks breaks;  // of the line, for the stated stations of the axis
    std::vector<ProfileSample> design;  // the centre line's elevation, start to end
    std::vector<ProfileGradeMark> gradePoints;
    std::vector<ProfileCurveEnd> curveEnds;
    std::vector<ProfilePoint> points;
    // Points of the run left out: without an elevation, or with a station
    // outside the profile.
    std::size_t pointsWithoutElevation = 0;
    std::size_t pointsOutsideProfile = 0;

    // Extent of everything above.
    double minStation = 0.0;
    double maxStation = 0.0;
    double minElevation = 0.0;
    double maxElevation = 0.0;
};

// The scene of `surface` (its profile required) on a line with `breaks`,
// and of a file run on that line when given. A value that is not finite is
// a GeometryFailure.
ProfileScene makeProfileScene(const DesignSurface& surface, const ChainBreaks& breaks, const PlanRun* run = nullptr);

// The stated station in the K form to the millimetre, with the chain's
// letter when the line has breaks: "K12+900.000", "BK14+450.000".
std::string profileStationText(const ChainBreaks& breaks, double station);

}  // namespace vomel::drawing
