#include "formats/station_file.h"

#include <cmath>

#include "core/failure.h"
#include "formats/coordinate_file.h"
#include "stationing/stated_station.h"
#include "stationing/station_field.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

namespace {

StakeoutRow readRow(const std::vector<std::string>& fields, long line, const vomel::ChainBreaks& breaks)
{
    if (fields.size() < COORDINATE_FIELDS_NEEDED || fields.size() > COORDINATE_FIELDS_WITH_ELEVATION) {
        throw FormatFailure(line,
                            VOMEL_TRANSLATE_NOOP("Failure", "a station line holds a label, a station, an offset and "
                                                            "optionally an elevation; the line has %1 field%2"),
                            std::to_string(fields.size()), pluralS(fields.size()));
    }
    StakeoutRow row;
    row.label = fields[0];
    row.stationText = fields[1];
    row.line = line;
    const StationText stated = parseStationField(fields[1], line, 2);
    if (!(std::fabs(stated.value) <= MAX_INPUT_MAGNITUDE)) {
        throw FormatFailure(FailureCode::BeyondLargestMagnitude,
                            {"2", formatGeneral(MAX_INPUT_MAGNITUDE), quotedExcerpt(fields[1])}, line);
    }
    try {
        row.station = continuousStation(breaks, stated);
    } catch (const GeometryFailure& failure) {
        row.stationProblem = failure.wording();
    }
    row.offset = parseMeasureField(fields[2], line, 3);
    if (fields.size() == COORDINATE_FIELDS_WITH_ELEVATION) {
        row.elevation = parseNumberField(fields[3], line, 4);
        row.hasElevation = true;
    }
    return row;
}

}  // namespace

std::vector<StakeoutRow> readStationFile(std::istream& in, const vomel::ChainBreaks& breaks)
{
    std::vector<StakeoutRow> rows;
    LineReader reader(in);
    std::string text;
    while (reader.next(text)) {
        const auto fields = normaliseLine(text);
        if (!fields) break;
        rows.push_back(readRow(*fields, reader.lineNumber(), breaks));
    }
    return rows;
}

}  // namespace vomel
