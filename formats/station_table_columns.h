#pragma once
// The columns of the station coordinate table that the CSV and the plain
// text share: captions and point names in one language and encoding, and
// the cells of a row.

#include <string>
#include <vector>

#include "formats/station_table_writers.h"

namespace vomel {

// Captions and point names, already encoded.
struct TableWording {
    std::string station, point, azimuth, azimuthDegrees, elevation;
    std::string left, right;  // before an offset's distance: 左 and 右, or L and R
    std::string start, end, chainBreak;
    std::string degree;  // the sign in an azimuth's 度分秒
    bool english = false;
};

TableWording tableWording(const TableTextOptions& options);

// The point column: the row's names joined by "/" ("HZ/ZH", "断链"); empty
// on a plain multiple.
std::string pointNamesText(const StationTableRow& row, const TableWording& wording);

// An offset as a side and a distance: "左3.75" ("L3.75"), "右7.5" ("R7.5").
std::string offsetCaption(double offset, const TableWording& wording);

// The header and the cells of a row; `decimalDegrees` adds the azimuth in
// decimal degrees after the 度分秒 one (CSV).
std::vector<std::string> tableHeader(const StationTable& table, const TableWording& wording, bool decimalDegrees);
std::vector<std::string> tableCells(const StationTable& table, const StationTableRow& row, const TableWording& wording,
                                    bool decimalDegrees);

}  // namespace vomel
