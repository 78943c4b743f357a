#include "formats/results_csv.h"

#include <cmath>

#include "alignment/offset_point.h"
#include "core/failure.h"
#include "stationing/chain_break.h"
#include "text/fast_number_text.h"
#include "text/number_text.h"

namespace vomel {

namespace {

// The status column's word for where a foot lies.
const char* footPlaceText(FootPlace place)
{
    switch (place) {
    case FootPlace::BeforeStart: return "before-start";
    case FootPlace::AfterEnd: return "after-end";
    case FootPlace::Corner: return "corner";
    case FootPlace::OnLine: break;
    }
    return "on-line";
}

// A stated station with its chain letter when the line has chain breaks
// ("B1515.49213"), in the form a stations file takes.
std::string statedStationCell(const DesignLine& line, double station)
{
    const StatedStation stated = chainStationLetter(line.chainBreaks(), station);
    std::string cell;
    if (line.hasChainBreaks()) cell += stated.letter;
    return cell + formatGeneral(stated.stated);
}

// design_elevation and dz.
void appendDesignCells(std::string& out, const DesignSurface& design, const SurveyPoint& point,
                       const Solution& solution)
{
    const auto elevation = design.elevationAt(solution.station, solution.offset);
    out += ',';
    if (elevation) appendGeneral(out, *elevation);
    out += ',';
    if (elevation && point.hasElevation) {
        appendGeneral(out, requireFinite(point.elevation - *elevation, VOMEL_TRANSLATE_NOOP("Failure", "dz")));
    }
}

}  // namespace

std::string csvCell(const std::string& cell)
{
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return cell;
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string csvResultsHeader(const CsvColumns& columns)
{
    std::string header = "label,x,y,letter,station,offset,foot_x,foot_y,elevation,status,residual,other_station";
    if (columns.design != nullptr) header += ",design_elevation,dz";
    if (columns.code) header += ",code";
    return header + "\r\n";
}

void appendCsvResultsLine(std::string& out, const DesignLine& line, const SurveyPoint& point, const Solution& solution,
                          const CsvColumns& columns)
{
    const StatedStation stated = chainStationLetter(line.chainBreaks(), solution.station);
    const Point rebuilt = offsetPoint(line, solution.station, solution.offset);
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
    if (line.hasChainBreaks()) out += stated.letter;
    for (double value : {stated.stated, solution.offset, solution.footX, solution.footY, point.elevation}) {
        out += ',';
        appendGeneral(out, value);
    }
    out += ',';
    out += solution.ambiguous ? "ambiguous" : footPlaceText(solution.place);
    out += ',';
    appendGeneral(out, requireFinite(residual, VOMEL_TRANSLATE_NOOP("Failure", "residual")));
    out += ',';
    if (solution.ambiguous) {
        out += statedStationCell(columns.otherLine != nullptr ? *columns.otherLine : line, solution.otherStation);
    }
    if (columns.design != nullptr) appendDesignCells(out, *columns.design, point, solution);
    if (columns.code) {
        out += ',';
        out += csvCell(point.code);
    }
    out += "\r\n";
}

void appendCsvUnassignedLine(std::string& out, const SurveyPoint& point, const CsvColumns& columns)
{
    out += csvCell(point.label);
    for (double value : {point.x, point.y}) {
        out += ',';
        appendGeneral(out, value);
    }
    out += ",,,,,,";  // letter, station, offset, foot_x, foot_y
    appendGeneral(out, point.elevation);
    out += ",unassigned,,";  // status, residual, other_station
    if (columns.design != nullptr) out += ",,";
    if (columns.code) {
        out += ',';
        out += csvCell(point.code);
    }
    out += "\r\n";
}

std::string csvResultsLine(const DesignLine& line, const SurveyPoint& point, const Solution& solution,
                           const CsvColumns& columns)
{
    std::string row;
    appendCsvResultsLine(row, line, point, solution, columns);
    return row;
}

}  // namespace vomel
