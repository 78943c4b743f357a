#include "session/project_run.h"

#include <filesystem>

#include "core/failure.h"
#include "formats/results_csv.h"
#include "formats/results_line_append.h"
#include "text/fast_number_text.h"

namespace vomel {

namespace {

// The run's work with the per-line counts kept on the calling thread.
RunWork<ProjectSolution> countingWork(const Project& project, ProjectRunCounts& counts,
                                      const ProjectSolvedCallback& solved)
{
    counts = {};
    counts.perLine.assign(project.lines.size(), 0);
    RunWork<ProjectSolution> work;
    work.solve = [&project](const SurveyPoint& point) { return project.solve(point); };
    work.tally = [&counts](const std::vector<ProjectSolution>& results) {
        for (const ProjectSolution& result : results) {
            if (result.assignment == Assignment::Unassigned) {
                ++counts.unassigned;
                continue;
            }
            ++counts.perLine[result.line];
            if (result.solution.ambiguous) ++counts.ambiguous;
        }
    };
    work.solved = solved;
    return work;
}

// The CSV's columns for a point on `line` of the project.
CsvColumns columnsFor(const Project& project, const ProjectSolution& result, bool code)
{
    CsvColumns columns;
    columns.code = code;
    if (project.hasDesignSurface()) columns.design = &project.lines[result.line].surface;
    columns.otherLine = project.lines[result.otherLine].line->line.get();
    return columns;
}

// A line name as a file name: a slash or a NUL byte would leave the folder
// or end the name.
std::string fileNameOf(const std::string& lineName)
{
    std::string name = lineName;
    for (char& c : name) {
        if (c == '/' || c == '\0') c = '_';
    }
    return name + ".txt";
}

// The unassigned point as a line of a coordinate file.
void appendCoordinateLine(std::string& out, const SurveyPoint& point)
{
    out += point.label;
    for (double value : {point.x, point.y}) {
        out += ' ';
        appendGeneral(out, value);
    }
    if (point.hasElevation) {
        out += ' ';
        appendGeneral(out, point.elevation);
    }
    out += "\r\n";
}

}  // namespace

std::string projectCountsText(const Project& project, const ProjectRunCounts& counts)
{
    std::string text = "points per line: ";
    for (std::size_t i = 0; i < project.lines.size() && i < counts.perLine.size(); ++i) {
        text += (i == 0 ? "" : ", ") + project.lines[i].name() + " " + std::to_string(counts.perLine[i]);
    }
    text += "; unassigned " + std::to_string(counts.unassigned);
    return text + "; ambiguous " + std::to_string(counts.ambiguous);
}

ProjectRunCounts computeProjectCsvRun(const Project& project, const std::string& coordinatePath,
                                      const std::string& resultsPath, const ProgressCallback& progress,
                                      const RunOptions& options, const ProjectSolvedCallback& solved)
{
    const bool code = options.pointsFormat == PointsFormat::Cass;
    const DesignSurface noSurface;
    CsvColumns headerColumns{project.hasDesignSurface() ? &noSurface : nullptr, code};
    std::string header = csvResultsHeader(headerColumns);
    header.insert(header.size() - 2, ",line,other_line");

    ProjectRunCounts counts;
    RunWork<ProjectSolution> work = countingWork(project, counts, solved);
    work.headers = {header};
    work.append = [&project, code, headerColumns](std::vector<std::string>& outputs, const SurveyPoint& point,
                                                  const ProjectSolution& result) {
        std::string& out = outputs.front();
        if (result.assignment == Assignment::Unassigned) {
            appendCsvUnassignedLine(out, point, headerColumns);
            out.insert(out.size() - 2, ",,");
            return;
        }
        const ProjectLine& line = project.lines[result.line];
        appendCsvResultsLine(out, *line.line->line, point, result.solution, columnsFor(project, result, code));
        out.resize(out.size() - 2);
        out += ',';
        out += csvCell(line.name());
        out += ',';
        if (result.solution.ambiguous) out += csvCell(project.lines[result.otherLine].name());
        out += "\r\n";
    };
    streamRun(work, coordinatePath, {resultsPath}, progress, options);
    return counts;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results folder out, as the user picks them
ProjectRunCounts computeProjectResultsRun(const Project& project, const std::string& coordinatePath,
                                          const std::string& folder, HeaderEncoding encoding,
                                          const ProgressCallback& progress, const RunOptions& options,
                                          const ProjectSolvedCallback& solved)
{
    ProjectRunCounts counts;
    RunWork<ProjectSolution> work = countingWork(project, counts, solved);
    std::vector<std::string> paths;
    for (const ProjectLine& line : project.lines) {
        paths.push_back((std::filesystem::path(folder) / fileNameOf(line.name())).string());
        work.headers.push_back(resultsHeader(line.line->hasChainBreaks(), encoding));
    }
    paths.push_back((std::filesystem::path(folder) / UNASSIGNED_POINTS_FILE).string());
    work.headers.emplace_back();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (paths[i] == paths[j]) {
                throw FileFailure(VOMEL_TRANSLATE_NOOP("Failure", "two lines of the project would write the same "
                                                                  "results file %1"),
                                  paths[i]);
            }
        }
    }
    work.keepUnused = false;
    work.append = [&project](std::vector<std::string>& outputs, const SurveyPoint& point,
                             const ProjectSolution& result) {
        if (result.assignment == Assignment::Unassigned) {
            appendCoordinateLine(outputs.back(), point);
            return;
        }
        appendResultsDataLine(outputs[result.line], point, result.solution,
                              project.lines[result.line].line->chainBreaks());
    };
    streamRun(work, coordinatePath, paths, progress, options);
    return counts;
}

}  // namespace vomel
