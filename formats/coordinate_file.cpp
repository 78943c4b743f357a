#include "formats/coordinate_file.h"

#include "core/failure.h"
#include "formats/cass_points.h"

namespace vomel {

namespace {

// The first fields of a line split at blanks and tabs, and their number
// (counted up to COORDINATE_FIELDS_WITH_ELEVATION + 1: no more matter).
struct LineFields {
    std::string_view field[COORDINATE_FIELDS_WITH_ELEVATION];
    std::size_t count = 0;
};

LineFields splitFields(std::string_view text)
{
    LineFields fields;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && fields.count <= COORDINATE_FIELDS_WITH_ELEVATION) {
        while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i == n) break;
        const std::size_t start = i;
        while (i < n && text[i] != ' ' && text[i] != '\t') ++i;
        if (fields.count < COORDINATE_FIELDS_WITH_ELEVATION) fields.field[fields.count] = text.substr(start, i - start);
        ++fields.count;
    }
    return fields;
}

}  // namespace

bool parseCoordinateLine(std::string_view text, long line, PointsFormat format, SurveyPoint& point)
{
    const LineFields fields = splitFields(text);
    if (fields.count == 0) return false;
    if (format == PointsFormat::Cass) {
        point = parseCassLine(text, line);
        return true;
    }
    if (fields.count < COORDINATE_FIELDS_NEEDED) {
        throw FormatFailure(FailureCode::CoordinateFields, {std::to_string(fields.count), pluralS(fields.count)}, line);
    }
    point.label.assign(fields.field[0]);
    point.x = parseMeasureField(fields.field[1], line, 2);
    point.y = parseMeasureField(fields.field[2], line, 3);
    point.hasElevation = fields.count == COORDINATE_FIELDS_WITH_ELEVATION;
    point.elevation = point.hasElevation ? parseNumberField(fields.field[3], line, 4) : 0.0;
    point.line = line;
    point.code.clear();
    return true;
}

std::size_t CoordinateReader::readChunk(std::vector<SurveyPoint>& out, std::size_t maxPoints)
{
    std::size_t appended = 0;
    std::string text;
    SurveyPoint point;
    while (appended < maxPoints && !finished_) {
        if (!lines_.next(text) || !parseCoordinateLine(text, lines_.lineNumber(), format_, point)) {
            finished_ = true;
            break;
        }
        out.push_back(point);
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
