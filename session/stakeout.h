#pragma once
// Setting out: from a station and an offset to plane coordinates, the
// forward direction of the back-calculation. The point lies on the normal
// of the design line at the station: offset positive to the left, negative
// to the right, looking along increasing station, as the back-calculation
// signs it.

#include <functional>
#include <string>
#include <vector>

#include "core/point.h"
#include "core/wording.h"
#include "formats/coordinate_file.h"
#include "formats/station_file.h"
#include "solver/solution.h"
#include "stationing/chain_break.h"

namespace vomel {

struct PreparedLine;

// Tangent azimuth of the design line at a continuous station, radians in
// [0, 2π), from +X towards +Y: taken from the element the forward function
// places the station on, so it is exact at the key points too.
double tangentAzimuth(const PreparedLine& alignment, double station);

// The point at `offset` metres from the design line at `station`: the
// line's point moved along the normal, to the left for a positive offset
// (towards azimuth - π/2 on a survey grid with X north and Y east).
Point offsetPoint(const PreparedLine& alignment, double station, double offset);

// "label X Y elevation" with CR LF: a line of a coordinate file, numbers in
// their general form, so that the output can be back-calculated as it is.
std::string stakeoutLine(const StakeoutRow& row, Point point);

// Called before each row is set out with (i, count), i from 1.
using StakeoutProgress = std::function<void(long i, long count)>;

struct DesignSurface;

// Called for a row that could not be answered in full, with the reason.
using StakeoutMiss = std::function<void(const StakeoutRow& row, const std::string& reason)>;

struct StakeoutOptions {
    // When given, a row without an elevation gets the design elevation at
    // its station and offset (a station outside the profile fails).
    const DesignSurface* design = nullptr;
    // Why there is no design surface although the line's file gives a
    // profile: a row without an elevation then fails. Empty: such a row
    // gets the elevation 0.
    std::string designProblem;
    // Plain "label X Y elevation", or CASS "name,,E,N,elevation".
    PointsFormat outputFormat = PointsFormat::Plain;
    // When set, a row that fails (its station not in its chain, beyond the
    // profile) is written with what could be computed and the rest left
    // empty ("label" alone or "label X Y"; "name,,,," or "name,,E,N,") and
    // reported here, and the run goes on. When not, it fails the run.
    StakeoutMiss onMiss;
};

// Reads the station file, sets out every row and writes the coordinate file
// whole through a temporary file, or not at all. Failures name their file
// and line; a failed row, when options.onMiss is set, does not fail the
// run.
void computeStakeoutRun(const PreparedLine& alignment, const std::string& stationsPath, const std::string& outputPath,
                        const StakeoutProgress& progress = {}, const StakeoutOptions& options = {});

}  // namespace vomel
