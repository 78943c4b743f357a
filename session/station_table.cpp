#include "session/station_table.h"

#include "alignment/offset_point.h"
#include "core/failure.h"
#include "session/session.h"

namespace vomel {

namespace {

// Fills in one row's points and elevations; false when a profile is given
// but does not reach the row's station.
bool fillRow(const DesignLine& line, const StationTableOptions& options, StationTableRow& row)
{
    const LinePose pose = line.poseAt(row.station);
    row.point = {requireFinite(pose.point.x, VOMEL_TRANSLATE_NOOP("Failure", "X")),
                 requireFinite(pose.point.y, VOMEL_TRANSLATE_NOOP("Failure", "Y"))};
    row.azimuth = tangentAzimuth(pose);
    row.offsetPoints.reserve(options.offsets.size());
    for (const double offset : options.offsets) row.offsetPoints.push_back(offsetPoint(line, row.station, offset));
    if (options.design == nullptr) return true;
    row.elevation = options.design->elevationAt(row.station, 0.0);
    row.offsetElevations.reserve(options.offsets.size());
    for (const double offset : options.offsets) {
        row.offsetElevations.push_back(options.design->elevationAt(row.station, offset));
    }
    return row.elevation.has_value();
}

}  // namespace

StationTable stationTable(const PreparedLine& alignment, const StationTableOptions& options)
{
    if (!alignment.line) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no alignment has been initialised"));
    const DesignLine& line = *alignment.line;
    StationTable table;
    table.offsets = options.offsets;
    table.chainLetters = line.hasChainBreaks();
    table.elevations = options.design != nullptr && options.design->profile != nullptr;
    table.rows = tableStations(line, options.stations);
    StationTableOptions filled = options;
    if (!table.elevations) filled.design = nullptr;
    for (StationTableRow& row : table.rows) {
        if (!fillRow(line, filled, row)) ++table.rowsBeyondProfile;
    }
    return table;
}

}  // namespace vomel
