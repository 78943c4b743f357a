#pragma once
// The stations of a station coordinate table: which rows it has, in what
// order, named how. The points and elevations are filled in afterwards
// (session/station_table.h).

#include <cstddef>
#include <optional>
#include <vector>

#include "alignment/design_line.h"
#include "formats/station_table_rows.h"

namespace vomel {

// Rounding of a station (metres, or the line's unit) when a multiple is
// tested against the ends of a chain or a curve: far below the millimetre
// the table prints, far above the rounding of a station up to 10,000 km
// (2e-9 m) and of a chain's shift.
inline constexpr double TABLE_STATION_TOLERANCE = 1e-6;
// Rows of one chain less than this apart print as one station (three
// decimals) and are one row: a multiple 0.3 mm from a key point is the key
// point's row. Below MIN_TABLE_INTERVAL, so that no two multiples merge.
inline constexpr double SAME_ROW_DISTANCE = 0.0005;
// Smallest interval between rows: the table prints stations to the
// millimetre, so a finer one would print one station twice.
inline constexpr double MIN_TABLE_INTERVAL = 0.001;
// Most rows a table may have: about 150 bytes each while it is built.
inline constexpr std::size_t MAX_TABLE_ROWS = 1'000'000;
// Curvature below which a stretch of the line is straight, 1/m (a radius
// of 10^12 m).
inline constexpr double STRAIGHT_CURVATURE = 1e-12;

struct TableStationOptions {
    double interval = 20.0;  // rows at every multiple of this in each chain
    std::optional<double> curveInterval;  // inside curves and spirals instead, when given
    std::optional<double> from, to;  // continuous stations bounding the table
};

// The rows of the table with their stations and names, in order along the
// line: the multiples of the interval within each chain (k × D in the
// chain's stated stations, converted back to continuous ones), inside curves
// and spirals the multiples of the curve interval when given, every key
// point (QZ midway between a ZH or ZY and the next HZ or YZ, with no HH
// between), the start and the end, and both readings of every chain break
// on the line; rows closer than SAME_ROW_DISTANCE in the same chain merged
// into one, a named row's station kept and the names joined. A GeometryFailure when the
// table would have more than MAX_TABLE_ROWS rows, or when [from, to] holds
// no station of the line.
std::vector<StationTableRow> tableStations(const DesignLine& line, const TableStationOptions& options);

}  // namespace vomel
