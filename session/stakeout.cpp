#include "session/stakeout.h"

#include <cmath>
#include <numbers>

#include "alignment/design_surface.h"
#include "core/angles.h"
#include "core/failure.h"
#include "core/line_pose.h"
#include "formats/cass_points.h"
#include "formats/results_file.h"
#include "session/session.h"
#include "stationing/stated_station.h"
#include "stationing/station_field.h"
#include "text/file_reading.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

namespace {

constexpr std::size_t FIELDS_NEEDED = 3;
constexpr std::size_t FIELDS_WITH_ELEVATION = 4;

// The pose's tangent azimuth in [0, 2π), checked finite.
double poseAzimuth(const LinePose& pose) { return normaliseAzimuth(requireFinite(pose.azimuth, "tangent azimuth")); }

StakeoutRow readRow(const std::vector<std::string>& fields, long line, const vomel::ChainBreaks& breaks)
{
    if (fields.size() < FIELDS_NEEDED || fields.size() > FIELDS_WITH_ELEVATION) {
        throw FormatFailure("a station line holds a label, a station, an offset and optionally an elevation; "
                            "the line has " +
                                std::to_string(fields.size()) + " field" + (fields.size() == 1 ? "" : "s"),
                            line);
    }
    StakeoutRow row;
    row.label = fields[0];
    row.stationText = fields[1];
    row.line = line;
    row.station = continuousStationField(fields[1], line, 2, breaks);
    row.offset = parseMeasureField(fields[2], line, 3);
    if (fields.size() == FIELDS_WITH_ELEVATION) {
        row.elevation = parseNumberField(fields[3], line, 4);
        row.hasElevation = true;
    }
    return row;
}

}  // namespace

double tangentAzimuth(const Alignment& alignment, double station) { return poseAzimuth(alignment.poseAt(station)); }

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): station then offset, as surveyors state a point
Point offsetPoint(const Alignment& alignment, double station, double offset)
{
    requireFinite(offset, "offset");
    // One evaluation of the line gives both the point and its tangent.
    const LinePose pose = alignment.poseAt(station);
    const Point onLine = pose.point;
    const double a = poseAzimuth(pose);
    // Left of the direction a is the direction a - π/2: (sin a, -cos a).
    const Point p{onLine.x + offset * std::sin(a), onLine.y - offset * std::cos(a)};
    requireFinite(p.x, "X of the set-out point");
    requireFinite(p.y, "Y of the set-out point");
    return p;
}

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

std::string stakeoutLine(const StakeoutRow& row, Point point)
{
    return row.label + " " + formatGeneral(point.x) + " " + formatGeneral(point.y) + " " +
           formatGeneral(row.elevation) + "\r\n";
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): station file in, coordinate file out, as the user names them
void computeStakeoutRun(const Alignment& alignment, const std::string& stationsPath, const std::string& outputPath,
                        const StakeoutProgress& progress, const StakeoutOptions& options)
{
    const std::vector<StakeoutRow> rows = readWholeFile(
        stationsPath, [&alignment](std::istream& in) { return readStationFile(in, alignment.chainBreaks()); });

    ResultsWriter writer(outputPath);
    const auto count = static_cast<long>(rows.size());
    for (long i = 1; i <= count; ++i) {
        if (progress) progress(i, count);
        StakeoutRow row = rows[static_cast<std::size_t>(i - 1)];
        try {
            const Point point = offsetPoint(alignment, row.station, row.offset);
            if (!row.hasElevation && options.design != nullptr) {
                row.elevation = options.design->requireElevationAt(row.station, row.offset);
            }
            writer.write(options.outputFormat == PointsFormat::Cass
                             ? cassLine(row.label, {}, point, row.elevation, row.line)
                             : stakeoutLine(row, point));
        } catch (const GeometryFailure& failure) {
            GeometryFailure named("point " + row.label + ": " + failure.reason(), row.line);
            named.setFile(stationsPath);
            throw named;
        } catch (FormatFailure& failure) {
            failure.setFile(stationsPath);
            throw;
        }
    }
    writer.commit();
}

}  // namespace vomel
