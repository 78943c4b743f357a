#include "formats/profile_file.h"

#include <string>
#include <vector>

#include "core/failure.h"
#include "stationing/station_field.h"
#include "text/file_reading.h"
#include "text/input_line.h"

namespace vomel {

namespace {

// Reads every non-blank line of `in` into rows through `readRow`.
template <class Row, class ReadRow>
std::vector<Row> readRows(std::istream& in, ReadRow readRow)
{
    std::vector<Row> rows;
    LineReader reader(in);
    std::string text;
    while (reader.next(text)) {
        const auto fields = normaliseLine(text);
        if (!fields) continue;
        rows.push_back(readRow(*fields, reader.lineNumber()));
    }
    return rows;
}

}  // namespace

VerticalProfile readProfileFile(std::istream& in, const vomel::ChainBreaks& breaks)
{
    return VerticalProfile(readRows<GradePoint>(in, [&breaks](const std::vector<std::string>& fields, long line) {
        if (fields.size() < 2 || fields.size() > 3) {
            throw FormatFailure(vomel::FailureCode::GradePointFields,
                                {std::to_string(fields.size()), vomel::pluralS(fields.size())}, line);
        }
        GradePoint point;
        point.line = line;
        point.station = continuousStationField(fields[0], line, 1, breaks);
        point.elevation = parseMeasureField(fields[1], line, 2);
        if (fields.size() == 3) point.radius = parseMeasureField(fields[2], line, 3);
        return point;
    }));
}

CrossFall readCrossFallFile(std::istream& in, const vomel::ChainBreaks& breaks)
{
    return CrossFall(readRows<CrossFallRow>(in, [&breaks](const std::vector<std::string>& fields, long line) {
        if (fields.size() != 3) {
            throw FormatFailure(vomel::FailureCode::CrossFallFields,
                                {std::to_string(fields.size()), vomel::pluralS(fields.size())}, line);
        }
        CrossFallRow row;
        row.line = line;
        row.station = continuousStationField(fields[0], line, 1, breaks);
        row.left = parseMeasureField(fields[1], line, 2);
        row.right = parseMeasureField(fields[2], line, 3);
        return row;
    }));
}

std::shared_ptr<const VerticalProfile> loadProfile(const std::string& path, const vomel::ChainBreaks& breaks)
{
    return readWholeFile(path, [&breaks](std::istream& in) {
        return std::make_shared<const VerticalProfile>(readProfileFile(in, breaks));
    });
}

std::shared_ptr<const CrossFall> loadCrossFall(const std::string& path, const vomel::ChainBreaks& breaks)
{
    return readWholeFile(
        path, [&breaks](std::istream& in) { return std::make_shared<const CrossFall>(readCrossFallFile(in, breaks)); });
}

}  // namespace vomel
