#include "app/results_csv.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "app/curve_table.h"
#include "app/failure.h"
#include "app/file_reading.h"
#include "app/number_text.h"
#include "app/results_file.h"
#include "app/session.h"

namespace vomel {

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
    std::string line = csvCell(point.label);
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
                   const ProgressCallback& progress, const RunOptions& options)
{
    const std::vector<SurveyPoint> points =
        readWholeFile(coordinatePath, [](std::istream& in) { return readCoordinateFile(in); });

    ResultsWriter writer(resultsPath);
    writer.write(csvResultsHeader());
    const FastLine fast = alignment.fastLine();
    const PointSolver solve = [&alignment, &fast, &options](double x, double y) {
        if (options.solver == SolverChoice::Reference) return alignment.solve(x, y, SolverChoice::Reference);
        return solvePointFast(fast, x, y);
    };
    const unsigned threads = workerCount(options.threads);
    const std::size_t chunk = std::max<std::size_t>(options.chunkPoints, 1);
    const auto count = static_cast<long>(points.size());
    std::vector<SurveyPoint> part;
    std::vector<Solution> solutions;
    for (std::size_t first = 0; first < points.size(); first += chunk) {
        const std::size_t last = std::min(points.size(), first + chunk);
        if (progress) {
            for (std::size_t i = first; i < last; ++i) progress(static_cast<long>(i) + 1, count);
        }
        part.assign(points.begin() + static_cast<std::ptrdiff_t>(first),
                    points.begin() + static_cast<std::ptrdiff_t>(last));
        try {
            solvePoints(solve, part, solutions, threads);
            for (std::size_t i = 0; i < part.size(); ++i) {
                try {
                    writer.write(csvResultsLine(alignment, part[i], solutions[i]));
                } catch (const GeometryFailure& failure) {
                    throw GeometryFailure("point " + part[i].label + ": " + failure.reason(), part[i].line);
                }
            }
        } catch (Failure& failure) {
            failure.setFile(coordinatePath);
            throw;
        }
    }
    writer.commit();
}

}  // namespace vomel
