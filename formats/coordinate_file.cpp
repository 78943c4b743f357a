#include "formats/coordinate_file.h"

#include "core/failure.h"
#include "formats/cass_points.h"

namespace vomel {

// A line of exactly this many fields carries an elevation; with more, the
// extra fields are ignored and the elevation is 0.
inline constexpr std::size_t FIELDS_WITH_ELEVATION = 4;
inline constexpr std::size_t FIELDS_NEEDED = 3;

std::size_t CoordinateReader::readChunk(std::vector<SurveyPoint>& out, std::size_t maxPoints)
{
    std::size_t appended = 0;
    std::string text;
    while (appended < maxPoints && !finished_) {
        if (!lines_.next(text)) {
            finished_ = true;
            break;
        }
        const auto fields = normaliseLine(text);
        if (!fields) {
            finished_ = true;
            break;
        }
        const long line = lines_.lineNumber();
        if (format_ == PointsFormat::Cass) {
            out.push_back(parseCassLine(text, line));
            ++appended;
            continue;
        }
        if (fields->size() < FIELDS_NEEDED) {
            throw FormatFailure(FailureCode::CoordinateFields,
                                {std::to_string(fields->size()), pluralS(fields->size())}, line);
        }
        SurveyPoint point;
        point.label = (*fields)[0];
        point.x = parseMeasureField((*fields)[1], line, 2);
        point.y = parseMeasureField((*fields)[2], line, 3);
        if (fields->size() == FIELDS_WITH_ELEVATION) {
            point.elevation = parseNumberField((*fields)[3], line, 4);
            point.hasElevation = true;
        }
        point.line = line;
        out.push_back(std::move(point));
        ++appended;
    }
    return appended;
}

std::vector<SurveyPoint> readCoordinateFile(std::istream& in, std::size_t maxPoints, PointsFormat format)
{
    // Chunk size for reading a whole file, points.
    constexpr std::size_t CHUNK_POINTS = 4096;
    std::vector<SurveyPoint> points;
    CoordinateReader reader(in, format);
    while (reader.readChunk(points, CHUNK_POINTS) > 0) {
        if (points.size() > maxPoints) {
            throw FormatFailure(FailureCode::TooManyPoints, {std::to_string(maxPoints)}, points[maxPoints].line);
        }
    }
    return points;
}

}  // namespace vomel
