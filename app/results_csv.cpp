#include "app/results_csv.h"

#include <cmath>

#include "app/failure.h"
#include "app/file_reading.h"
#include "app/number_text.h"
#include "app/results_file.h"
#include "app/session.h"

namespace vomel {

namespace {

// A label is the only free text of a row: quoted when it holds a comma or a
// quote (blanks cannot occur, they separate the fields of the input).
std::string csvText(const std::string& text)
{
    if (text.find_first_of(",\"") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

StationFunction forwardOf(const Alignment& alignment)
{
    return [&alignment](double station) { return alignment.stationAt(station); };
}

}  // namespace

const char* footStatus(const Alignment& alignment, double station)
{
    if (station < alignment.startStation - LINE_END_TOLERANCE) return "before-start";
    if (station > alignment.endStation + LINE_END_TOLERANCE) return "after-end";
    return "on-line";
}

std::string csvResultsHeader()
{
    return "label,x,y,letter,station,offset,foot_x,foot_y,elevation,status,residual\r\n";
}

std::string csvResultsLine(const Alignment& alignment, const SurveyPoint& point, const Solution& solution)
{
    const zxbas::StatedStation stated = zxbas::chainStationLetter(alignment.chainBreaks, solution.station);
    const Point rebuilt = offsetPoint(alignment, solution.station, solution.offset);
    const double residual = std::hypot(rebuilt.x - point.x, rebuilt.y - point.y);
    std::string line = csvText(point.label);
    for (double value : {point.x, point.y}) line += "," + formatGeneral(value);
    line += ",";
    if (alignment.hasChainBreaks()) line += stated.letter;
    for (double value : {stated.stated, solution.offset, solution.footX, solution.footY, point.elevation}) {
        line += "," + formatGeneral(value);
    }
    line += std::string(",") + footStatus(alignment, solution.station);
    line += "," + formatGeneral(requireFinite(residual, "residual"));
    return line + "\r\n";
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results file out, as the user names them
void computeCsvRun(const Alignment& alignment, const std::string& coordinatePath, const std::string& resultsPath,
                   const StakeoutProgress& progress)
{
    const std::vector<SurveyPoint> points =
        readWholeFile(coordinatePath, [](std::istream& in) { return readCoordinateFile(in); });

    ResultsWriter writer(resultsPath);
    writer.write(csvResultsHeader());
    const StationFunction forward = forwardOf(alignment);
    const auto count = static_cast<long>(points.size());
    for (long i = 1; i <= count; ++i) {
        if (progress) progress(i, count);
        const SurveyPoint& point = points[static_cast<std::size_t>(i - 1)];
        try {
            const Solution solution = solvePoint(alignment.samples, forward, point.x, point.y);
            writer.write(csvResultsLine(alignment, point, solution));
        } catch (const GeometryFailure& failure) {
            GeometryFailure named("point " + point.label + ": " + failure.reason(), point.line);
            named.setFile(coordinatePath);
            throw named;
        }
    }
    writer.commit();
}

}  // namespace vomel
