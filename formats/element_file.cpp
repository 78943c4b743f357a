#include "formats/element_file.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "alignment/element_chain.h"
#include "core/angles.h"
#include "core/failure.h"
#include "text/input_line.h"
#include "text/packed_angle.h"

namespace vomel {

using vomel::FormatFailure;

namespace {

constexpr int START_VALUE_COUNT = 4;  // station, X, Y, packed azimuth
constexpr int ELEMENT_FIELD_COUNT = 3;  // start radius, end radius, length
constexpr int AZIMUTH_INDEX = 3;  // of the start values

struct ElementRow {
    double startRadius;
    double endRadius;
    double length;
};

// The four start numbers, separated by commas or blanks, on as many lines
// as they take; fields after the fourth on its line are ignored.
std::array<double, START_VALUE_COUNT> readStartValues(vomel::LineReader& reader)
{
    std::array<double, START_VALUE_COUNT> values{};
    int count = 0;
    std::string line;
    while (count < START_VALUE_COUNT) {
        if (!reader.next(line)) {
            throw FormatFailure(vomel::FailureCode::ElementStartValues, {std::to_string(count)},
                                std::max(reader.lineNumber(), 1L));
        }
        std::replace(line.begin(), line.end(), ',', ' ');
        const auto fields = vomel::normaliseLine(line);
        if (!fields) continue;
        for (std::size_t f = 0; f < fields->size() && count < START_VALUE_COUNT; ++f) {
            // The azimuth has its own bound, that of a packed D.MMSS angle;
            // station, X and Y are measures.
            const int fieldNumber = static_cast<int>(f) + 1;
            if (count == AZIMUTH_INDEX) {
                values[count] = vomel::parseNumberField((*fields)[f], reader.lineNumber(), fieldNumber);
                if (std::fabs(values[count]) >= MAX_PACKED_DEGREES) {
                    throw FormatFailure(vomel::FailureCode::StartAzimuthTooLarge,
                                        {std::to_string(fieldNumber),
                                         std::to_string(static_cast<long>(MAX_PACKED_DEGREES)),
                                         vomel::quotedExcerpt((*fields)[f])},
                                        reader.lineNumber());
                }
            } else {
                values[count] = vomel::parseMeasureField((*fields)[f], reader.lineNumber(), fieldNumber);
            }
            ++count;
        }
    }
    return values;
}

}  // namespace

void readElementFile(std::istream& in, ElementChain& chain)
{
    vomel::LineReader reader(in);
    const auto start = readStartValues(reader);

    std::vector<ElementRow> rows;
    std::string line;
    while (reader.next(line)) {
        const auto fields = vomel::normaliseLine(line);
        if (!fields) break;  // a blank line ends the list
        if (rows.size() == static_cast<std::size_t>(MAX_ROWS)) {
            throw FormatFailure(vomel::FailureCode::TooManyElements, {std::to_string(MAX_ROWS)}, reader.lineNumber());
        }
        if (fields->size() < static_cast<std::size_t>(ELEMENT_FIELD_COUNT)) {
            throw FormatFailure(vomel::FailureCode::ElementFields, {std::to_string(fields->size())},
                                reader.lineNumber());
        }
        const long n = reader.lineNumber();
        rows.push_back({vomel::parseMeasureField((*fields)[0], n, 1), vomel::parseMeasureField((*fields)[1], n, 2),
                        vomel::parseMeasureField((*fields)[2], n, 3)});
    }

    // The packed start azimuth D.MMSS is held in radians from here on.
    const double startAzimuth = degreesToRadians(packedDmsToDegrees(start[3]));

    // Only a file read whole reaches the tables.
    chain.chainStartStation = start[0];
    chain.chainStartX = start[1];
    chain.chainStartY = start[2];
    chain.chainStartAzimuth = startAzimuth;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        chain.rowStartRadius[i + 1] = rows[i].startRadius;
        chain.rowEndRadius[i + 1] = rows[i].endRadius;
        chain.rowLength[i + 1] = rows[i].length;
    }
    chain.rowCount = static_cast<int>(rows.size());
}

std::shared_ptr<const ElementChain> readElementChainFile(std::istream& in)
{
    auto chain = std::make_shared<ElementChain>();
    readElementFile(in, *chain);
    layOutChain(*chain);
    return chain;
}

}  // namespace vomel
