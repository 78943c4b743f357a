#include "session/results_csv.h"

#include <cmath>

#include "core/failure.h"
#include "session/curve_table.h"
#include "session/session.h"
#include "text/fast_number_text.h"
#include "text/number_text.h"

namespace vomel {

const char* footStatus(const PreparedLine& alignment, double station)
{
    if (station < alignment.startStation - LINE_END_TOLERANCE) return "before-start";
    if (station > alignment.endStation + LINE_END_TOLERANCE) return "after-end";
    return "on-line";
}

namespace {

// A stated station with its chain letter when the line has chain breaks
// ("B1515.49213"), in the form a stations file takes.
std::string statedStationCell(const PreparedLine& alignment, double station)
{
    const vomel::StatedStation stated = vomel::chainStationLetter(alignment.chainBreaks(), station);
    std::string cell;
    if (alignment.hasChainBreaks()) cell += stated.letter;
    return cell + formatGeneral(stated.stated);
}

}  // namespace

std::string csvResultsHeader()
{
    return "label,x,y,letter,station,offset,foot_x,foot_y,elevation,status,residual,other_station\r\n";
}

std::string csvResultsLine(const PreparedLine& alignment, const SurveyPoint& point, const Solution& solution)
{
    std::string line;
    appendCsvResultsLine(line, alignment, point, solution);
    return line;
}

void appendCsvResultsLine(std::string& out, const PreparedLine& alignment, const SurveyPoint& point,
                          const Solution& solution)
{
    const vomel::StatedStation stated = vomel::chainStationLetter(alignment.chainBreaks(), solution.station);
    const Point rebuilt = offsetPoint(alignment, solution.station, solution.offset);
    const double residual = std::hypot(rebuilt.x - point.x, rebuilt.y - point.y);
    if (point.label.find_first_of(",\"\r\n") == std::string::npos) {
        out += point.label;
    } else {
        out += csvCell(point.label);
    }
    for (double value : {point.x, point.y}) {
        out += ',';
        appendGeneral(out, value);
    }
    out += ',';
    if (alignment.hasChainBreaks()) out += stated.letter;
    for (double value : {stated.stated, solution.offset, solution.footX, solution.footY, point.elevation}) {
        out += ',';
        appendGeneral(out, value);
    }
    out += ',';
    out += solution.ambiguous ? "ambiguous" : (solution.corner ? "corner" : footStatus(alignment, solution.station));
    out += ',';
    appendGeneral(out, requireFinite(residual, VOMEL_TRANSLATE_NOOP("Failure", "residual")));
    out += ',';
    if (solution.ambiguous) out += statedStationCell(alignment, solution.otherStation);
    out += "\r\n";
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results file out, as the user names them
void computeCsvRun(const PreparedLine& alignment, const std::string& coordinatePath, const std::string& resultsPath,
                   const ProgressCallback& progress, const RunOptions& options)
{
    const ResultsLayout layout{csvResultsHeader(),
                               [&alignment](const SurveyPoint& point, const Solution& solution) {
                                   return csvResultsLine(alignment, point, solution);
                               },
                               [&alignment](std::string& out, const SurveyPoint& point, const Solution& solution) {
                                   appendCsvResultsLine(out, alignment, point, solution);
                               }};
    computeFileRun(alignment, coordinatePath, resultsPath, layout, progress, options);
}

}  // namespace vomel
