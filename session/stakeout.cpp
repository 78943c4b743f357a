#include "session/stakeout.h"

#include <optional>

#include "alignment/design_surface.h"
#include "alignment/offset_point.h"
#include "core/failure.h"
#include "formats/cass_points.h"
#include "formats/results_file.h"
#include "session/session.h"
#include "text/file_reading.h"
#include "text/number_text.h"

namespace vomel {

double tangentAzimuth(const PreparedLine& alignment, double station)
{
    return tangentAzimuth(alignment.poseAt(station));
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): station then offset, as surveyors state a point
Point offsetPoint(const PreparedLine& alignment, double station, double offset)
{
    return offsetPoint(*alignment.line, station, offset);
}

std::string stakeoutLine(const StakeoutRow& row, Point point)
{
    return row.label + " " + formatGeneral(point.x) + " " + formatGeneral(point.y) + " " +
           formatGeneral(row.elevation) + "\r\n";
}

namespace {

// The line of a row whose point or elevation could not be computed: what
// could be, the rest left empty (a plain line of one or three fields, a
// CASS line with empty fields).
std::string partialLine(const StakeoutRow& row, const std::optional<Point>& point, PointsFormat format)
{
    if (format == PointsFormat::Cass) {
        // cassLine checks the name; the fields not computed are then emptied.
        const std::string full = cassLine(row.label, {}, point.value_or(Point{}), 0.0, row.line);
        const std::size_t kept = point ? full.rfind(',') : full.find(',', full.find(',') + 1);
        return full.substr(0, kept + 1) + (point ? "" : ",,") + "\r\n";
    }
    if (!point) return row.label + "\r\n";
    return row.label + " " + formatGeneral(point->x) + " " + formatGeneral(point->y) + "\r\n";
}

// The design elevation a row without one gets: nullopt with the reason in
// `missed` when it has none.
std::optional<double> designElevation(const StakeoutRow& row, const StakeoutOptions& options, Wording& missed)
{
    if (options.design == nullptr) {
        if (options.designProblem.empty()) return 0.0;
        // The profile's problem is not worded yet: English in every language.
        missed = worded(VOMEL_TRANSLATE_NOOP("Failure", "no design elevation: %1"), options.designProblem);
        return std::nullopt;
    }
    try {
        return options.design->requireElevationAt(row.station, row.offset);
    } catch (const GeometryFailure& failure) {
        missed = failure.wording();
        return std::nullopt;
    }
}

// Sets out one row: its output line, and in `missed` why it is not
// answered in full (empty when it is).
std::string setOutRow(const PreparedLine& alignment, StakeoutRow row, const StakeoutOptions& options, Wording& missed)
{
    if (!row.stationProblem.empty()) {
        missed = row.stationProblem;
        return partialLine(row, std::nullopt, options.outputFormat);
    }
    Point point;
    try {
        point = offsetPoint(alignment, row.station, row.offset);
    } catch (const GeometryFailure& failure) {
        missed = failure.wording();
        return partialLine(row, std::nullopt, options.outputFormat);
    }
    if (!row.hasElevation) {
        const std::optional<double> elevation = designElevation(row, options, missed);
        if (!elevation) return partialLine(row, point, options.outputFormat);
        row.elevation = *elevation;
    }
    return options.outputFormat == PointsFormat::Cass ? cassLine(row.label, {}, point, row.elevation, row.line)
                                                      : stakeoutLine(row, point);
}

}  // namespace

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): station file in, coordinate file out, as the user names them
void computeStakeoutRun(const PreparedLine& alignment, const std::string& stationsPath, const std::string& outputPath,
                        const StakeoutProgress& progress, const StakeoutOptions& options)
{
    const std::vector<StakeoutRow> rows = readWholeFile(
        stationsPath, [&alignment](std::istream& in) { return readStationFile(in, alignment.chainBreaks()); });

    AtomicFile writer(outputPath);
    const auto count = static_cast<long>(rows.size());
    for (long i = 1; i <= count; ++i) {
        if (progress) progress(i, count);
        const StakeoutRow& row = rows[static_cast<std::size_t>(i - 1)];
        Wording missed;
        try {
            const std::string line = setOutRow(alignment, row, options, missed);
            if (!missed.empty() && !options.onMiss) {
                // Without a place to report it, a row that fails fails the run.
                if (!row.stationProblem.empty()) throw FormatFailure(missed, row.line);
                throw GeometryFailure(row.line, VOMEL_TRANSLATE_NOOP("Failure", "point %1: %2"), row.label, missed);
            }
            writer.write(line);
        } catch (Failure& failure) {
            failure.setFile(stationsPath);
            throw;
        }
        if (!missed.empty()) options.onMiss(row, missed.english());
    }
    writer.commit();
}

}  // namespace vomel
