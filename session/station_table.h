#pragma once
// The station coordinate table (逐桩坐标表) of a prepared line: the rows of
// session/table_stations.h with the point of the line, its azimuth, the
// points at the offsets and the design elevations.

#include <vector>

#include "alignment/design_surface.h"
#include "formats/station_table_rows.h"
#include "session/table_stations.h"

namespace vomel {

struct PreparedLine;

struct StationTableOptions {
    TableStationOptions stations;
    std::vector<double> offsets;  // left positive; 0 is the centre, which every row has
    // With a profile, the elevations at the centre and at each offset.
    const DesignSurface* design = nullptr;
};

// The table; failures as tableStations() gives them, and a GeometryFailure
// for a point that is not finite.
StationTable stationTable(const PreparedLine& alignment, const StationTableOptions& options);

}  // namespace vomel
