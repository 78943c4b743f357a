#include "stationing/station_field.h"

#include <cmath>
#include <string>

#include "core/failure.h"
#include "stationing/kilometre_station.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

vomel::StationText parseStationField(std::string_view field, long line, int fieldNumber)
{
    if (vomel::looksLikeKilometreStation(field)) {
        try {
            return vomel::parseKilometreStation(field);
        } catch (const FormatFailure& failure) {
            throw FormatFailure(line, VOMEL_TRANSLATE_NOOP("Failure", "field %1: %2"), std::to_string(fieldNumber),
                                failure.wording());
        }
    }
    const auto station = vomel::parseStationText(field);
    if (!station) {
        throw FormatFailure(FailureCode::NotAStation, {std::to_string(fieldNumber), quotedExcerpt(field)}, line);
    }
    return *station;
}

double continuousStationField(std::string_view field, long line, int fieldNumber, const vomel::ChainBreaks& breaks)
{
    const vomel::StationText station = parseStationField(field, line, fieldNumber);
    // A station is a measure like any other: bounded as the other files bound theirs.
    if (std::fabs(station.value) > MAX_INPUT_MAGNITUDE) {
        throw FormatFailure(FailureCode::BeyondLargestMagnitude,
                            {std::to_string(fieldNumber), formatGeneral(MAX_INPUT_MAGNITUDE), quotedExcerpt(field)},
                            line);
    }
    try {
        return vomel::continuousStation(breaks, station);
    } catch (const GeometryFailure& failure) {
        throw FormatFailure(failure.wording(), line);
    }
}

}  // namespace vomel
