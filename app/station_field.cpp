#include "app/station_field.h"

#include <cmath>
#include <string>

#include "app/failure.h"
#include "app/input_line.h"
#include "app/number_text.h"
#include "mainline/kilometre_station.h"

namespace vomel {

zxbas::StationText parseStationField(std::string_view field, long line, int fieldNumber)
{
    const std::string prefix = "field " + std::to_string(fieldNumber) + ": ";
    if (zxbas::looksLikeKilometreStation(field)) {
        try {
            return zxbas::parseKilometreStation(field);
        } catch (const FormatFailure& failure) {
            throw FormatFailure(prefix + failure.reason(), line);
        }
    }
    const auto station = zxbas::parseStationText(field);
    if (!station) {
        throw FormatFailure("field " + std::to_string(fieldNumber) + " is not a station (a number, optionally after its chain letter, or "
                                     "K5+030.00): " + quotedExcerpt(field),
                            line);
    }
    return *station;
}

double continuousStationField(std::string_view field, long line, int fieldNumber, const zxbas::ChainBreaks& breaks)
{
    const zxbas::StationText station = parseStationField(field, line, fieldNumber);
    // A station is a measure like any other: bounded as the other files bound theirs.
    if (std::fabs(station.value) > MAX_INPUT_MAGNITUDE) {
        throw FormatFailure("field " + std::to_string(fieldNumber) + " is beyond ±" +
                                formatGeneral(MAX_INPUT_MAGNITUDE) + ", the largest magnitude accepted: " +
                                quotedExcerpt(field),
                            line);
    }
    try {
        return zxbas::continuousStation(breaks, station);
    } catch (const GeometryFailure& failure) {
        throw FormatFailure(failure.reason(), line);
    }
}

}  // namespace vomel
