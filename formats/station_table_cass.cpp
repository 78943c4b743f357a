// The station coordinate table as CASS data for a controller.
#include "formats/cass_points.h"
#include "formats/station_table_columns.h"

namespace vomel {

namespace {

// One point; without an elevation its field is left empty, which the CASS
// reader takes as no elevation.
void appendPoint(std::string& text, const std::string& name, const std::string& code, Point point,
                 const std::optional<double>& elevation, long line)
{
    const std::string full = cassLine(name, code, point, elevation.value_or(0.0), line);
    text += elevation ? full : full.substr(0, full.rfind(',') + 1) + "\r\n";
}

}  // namespace

std::string stationTableCass(const StationTable& table, const TableTextOptions& options)
{
    // The names are ASCII: station and side; the side letters are the
    // English ones in every language, as a controller shows them.
    TableWording wording = tableWording(options);
    wording.left = "L";
    wording.right = "R";
    std::string text;
    long line = 0;
    for (const StationTableRow& row : table.rows) {
        const std::string station = tableStationText(table, row);
        appendPoint(text, station, pointNamesText(row, wording), row.point, row.elevation, ++line);
        for (std::size_t i = 0; i < table.offsets.size(); ++i) {
            const std::optional<double> elevation =
                table.elevations ? row.offsetElevations[i] : std::optional<double>();
            appendPoint(text, station + offsetCaption(table.offsets[i], wording), {}, row.offsetPoints[i], elevation,
                        ++line);
        }
    }
    return text;
}

}  // namespace vomel
