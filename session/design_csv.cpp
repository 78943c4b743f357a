#include "session/design_csv.h"

#include "core/failure.h"
#include "session/curve_table.h"
#include "session/session.h"
#include "text/fast_number_text.h"

namespace vomel {

namespace {

constexpr std::size_t LINE_END_BYTES = 2;  // CR LF

std::string withoutLineEnd(std::string line)
{
    line.resize(line.size() - LINE_END_BYTES);
    return line;
}

}  // namespace

std::string csvResultsHeader(const CsvColumns& columns)
{
    std::string header = withoutLineEnd(csvResultsHeader());
    if (columns.design != nullptr) header += ",design_elevation,dz";
    if (columns.code) header += ",code";
    return header + "\r\n";
}

std::string csvResultsLine(const PreparedLine& alignment, const CsvColumns& columns, const SurveyPoint& point,
                           const Solution& solution)
{
    std::string line;
    appendCsvResultsLine(line, alignment, columns, point, solution);
    return line;
}

void appendCsvResultsLine(std::string& out, const PreparedLine& alignment, const CsvColumns& columns,
                          const SurveyPoint& point, const Solution& solution)
{
    appendCsvResultsLine(out, alignment, point, solution);
    if (columns.design == nullptr && !columns.code) return;
    out.resize(out.size() - LINE_END_BYTES);
    if (columns.design != nullptr) {
        const auto design = columns.design->elevationAt(solution.station, solution.offset);
        out += ',';
        if (design) appendGeneral(out, *design);
        out += ',';
        if (design && point.hasElevation)
            appendGeneral(out, requireFinite(point.elevation - *design, VOMEL_TRANSLATE_NOOP("Failure", "dz")));
    }
    if (columns.code) {
        out += ',';
        out += csvCell(point.code);
    }
    out += "\r\n";
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results file out, as the user names them
void computeCsvRun(const PreparedLine& alignment, const CsvColumns& columns, const std::string& coordinatePath,
                   const std::string& resultsPath, const ProgressCallback& progress, const RunOptions& options)
{
    const ResultsLayout layout{
        csvResultsHeader(columns),
        [&alignment, columns](const SurveyPoint& point, const Solution& solution) {
            return csvResultsLine(alignment, columns, point, solution);
        },
        [&alignment, columns](std::string& out, const SurveyPoint& point, const Solution& solution) {
            appendCsvResultsLine(out, alignment, columns, point, solution);
        }};
    computeFileRun(alignment, coordinatePath, resultsPath, layout, progress, options);
}

}  // namespace vomel
