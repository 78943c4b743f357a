#pragma once
// The station coordinate table (逐桩坐标表) that the site office hands out:
// one row per station of the design line (every multiple of an interval,
// every key point, the start, the end and both readings of every chain
// break), with the point of the line there, its tangent azimuth, the
// points at the offsets asked for and the design elevations. Built by
// session/station_table.h, written by formats/station_table_writers.h.

#include <optional>
#include <string>
#include <vector>

#include "core/point.h"
#include "stationing/chain_break.h"

namespace vomel {

// What a named row is: a key point of the line (its name, "ZH", "QZ", ...),
// the start (起点), the end (终点) or a reading of a chain break (断链).
enum class TablePointKind { KeyPoint, Start, End, ChainBreak };

struct TablePointName {
    TablePointKind kind = TablePointKind::KeyPoint;
    std::string keyPoint;  // for a key point: "ZH", "HY", "QZ", "YH", "HZ", "ZY", "YZ", "HH"
};

struct StationTableRow {
    double station = 0.0;  // continuous, in the line's unit
    // As the table states it: for a multiple of the interval exactly k × D in
    // its chain; for a named row its chain's reading (both readings of a
    // chain break are rows of their own, at the same continuous station).
    StatedStation stated;
    std::vector<TablePointName> names;  // none on a plain multiple
    Point point;  // of the design line
    double azimuth = 0.0;  // tangent azimuth, radians in [0, 2π) from +X towards +Y
    std::vector<Point> offsetPoints;  // one per StationTable::offsets
    // With a profile: the design elevation at the centre and at each
    // offset (with the cross-fall); empty beyond the profile.
    std::optional<double> elevation;
    std::vector<std::optional<double>> offsetElevations;
};

struct StationTable {
    std::vector<double> offsets;  // left positive, in the order asked for
    bool chainLetters = false;  // the line has chain breaks: stations carry their letter
    bool elevations = false;  // a profile was given: the elevation columns are written
    std::size_t rowsBeyondProfile = 0;  // rows whose elevations are left empty
    std::vector<StationTableRow> rows;  // in station order along the line
};

}  // namespace vomel
