#include "session/session.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <utility>

#include "alignment/element_chain_line.h"
#include "alignment/intersection_point_line.h"
#include "alignment/vertical_profile.h"
#include "core/failure.h"
#include "formats/chain_break_file.h"
#include "formats/element_file.h"
#include "formats/jd_reader.h"
#include "formats/results_line_append.h"
#include "solver/corner_rule.h"
#include "text/file_reading.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

namespace {

PointFunction forwardOf(const PreparedLine& alignment)
{
    return [&alignment](double station) { return alignment.pointAt(station); };
}

// Checks the extent of a prepared line and samples it.
void sampleAlignment(PreparedLine& alignment)
{
    const double start = alignment.startStation;
    const double end = alignment.endStation;
    if (!std::isfinite(start) || !std::isfinite(end)) {
        throw GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "the start or end station of the line is not a finite number"));
    }
    if (end < start) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the end station %1 lies below the start station %2"),
                              formatGeneral(end), formatGeneral(start));
    }
    if (end - start > MAX_LINE_LENGTH) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the line is %1 m long; at most %2 m can be sampled"),
                              formatGeneral(end - start), formatGeneral(MAX_LINE_LENGTH));
    }
    try {
        // On every core: the line's forward function is safe on several
        // threads, as the file run needs it to be.
        alignment.samples = buildSampleTable(start, end, forwardOf(alignment), workerCount(0));
        alignment.sampleIndex = SampleIndex(alignment.samples);
    } catch (const std::bad_alloc&) {
        throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "not enough memory for the samples of a %1 m line"),
                              formatGeneral(end - start));
    }
}

// A point beyond an end along the end's tangent by more than this (in the
// line's unit) lies beyond the end, whatever station the search ends at.
constexpr double BEYOND_END_REACH = 1e-6;

// A foot found at an end of the line (the search's bracket can end there)
// for a point that lies beyond that end along its tangent has no
// perpendicular on the line: it is before the start or after the end, not
// on the line.
void placeBeyondEnd(const PreparedLine& alignment, Solution& solution, double x, double y)
{
    if (solution.place != FootPlace::OnLine) return;
    const bool atStart = std::fabs(solution.station - alignment.startStation) <= LINE_END_TOLERANCE;
    const bool atEnd = std::fabs(solution.station - alignment.endStation) <= LINE_END_TOLERANCE;
    if (!atStart && !atEnd) return;
    const LinePose pose = alignment.poseAt(atStart ? alignment.startStation : alignment.endStation);
    const double along = (x - pose.point.x) * std::cos(pose.azimuth) + (y - pose.point.y) * std::sin(pose.azimuth);
    if (atStart && along < -BEYOND_END_REACH) solution.place = FootPlace::BeforeStart;
    if (atEnd && along > BEYOND_END_REACH) solution.place = FootPlace::AfterEnd;
}

// The found foot answered by a corner where the corner rule holds, and
// placed against the line's ends.
Solution placed(const PreparedLine& alignment, Solution solution, double x, double y)
{
    applyCornerRule(solution, alignment.corners, x, y);
    placeFoot(solution, alignment.startStation, alignment.endStation);
    placeBeyondEnd(alignment, solution, x, y);
    return solution;
}

}  // namespace

FastLine PreparedLine::fastLine() const
{
    return {&samples, &sampleIndex, [this](double s) { return pointAt(s); }, [this](double s) { return poseAt(s); }};
}

Solution PreparedLine::solve(double x, double y, SolverChoice solver) const
{
    return placed(*this,
                  solver == SolverChoice::Reference ? solvePoint(samples, forwardOf(*this), x, y)
                                                    : solvePointFast(fastLine(), x, y),
                  x, y);
}

Solution PreparedLine::solveAmong(double x, double y, std::size_t nearest,
                                  const std::vector<SampleIndex::Candidate>& candidates) const
{
    requireCoordinate(x, VOMEL_TRANSLATE_NOOP("Failure", "X of the point"));
    requireCoordinate(y, VOMEL_TRANSLATE_NOOP("Failure", "Y of the point"));
    return placed(*this, solveAmongCandidates(fastLine(), x, y, nearest, candidates), x, y);
}

std::shared_ptr<const vomel::MainLine> loadMainLine(const std::string& jdPath)
{
    return readWholeFile(jdPath, [](std::istream& in) { return readMainLine(in); });
}

vomel::ChainBreaks loadChainBreaks(const std::string& chainBreakPath, double endStation)
{
    if (chainBreakPath.empty()) return {};
    return readWholeFile(chainBreakPath,
                         [endStation](std::istream& in) { return vomel::readChainBreakFile(in, endStation); });
}

std::shared_ptr<const DesignLine> importedDesignLine(ImportedLine imported)
{
    auto line = std::make_shared<ElementChainLine>(std::move(imported.chain), imported.chainBreaks);
    if (imported.profile) line->setOwnProfile(std::make_shared<const VerticalProfile>(std::move(*imported.profile)));
    line->setOwnProfileProblem(std::move(imported.profileProblem));
    line->addImportNotes(imported.notes);
    line->setLengthUnit(imported.unit);
    return line;
}

std::shared_ptr<const DesignLine> loadLandXml(const std::string& path, const std::string& alignmentName)
{
    return readWholeFile(path, [&alignmentName, &path](std::istream& in) {
        ImportedLine imported = readLandXml(in, alignmentName);
        // The profile's problem names its file, as every failure does.
        if (!imported.profileProblem.empty()) imported.profileProblem = path + ": " + imported.profileProblem;
        return importedDesignLine(std::move(imported));
    });
}

std::vector<vomel::LandXmlAlignmentInfo> listLandXmlAlignments(const std::string& path)
{
    return readWholeFile(path, [](std::istream& in) { return vomel::listLandXmlAlignments(in); });
}

std::shared_ptr<const DesignLine> loadIfc(const std::string& path, const std::string& alignmentName)
{
    return readWholeFile(path,
                         [&alignmentName](std::istream& in) { return importedDesignLine(readIfc(in, alignmentName)); });
}

std::vector<vomel::IfcAlignmentInfo> listIfcAlignments(const std::string& path)
{
    return readWholeFile(path, [](std::istream& in) { return vomel::listIfcAlignments(in); });
}

bool isStepFile(const std::string& path)
{
    return readWholeFile(path, [](std::istream& in) { return looksLikeStep(in); });
}

std::shared_ptr<const DesignLine> loadElementLine(const std::string& path)
{
    const bool landXml = readWholeFile(path, [](std::istream& in) { return looksLikeXml(in); });
    if (landXml) return loadLandXml(path);
    if (isStepFile(path)) return loadIfc(path);
    return readWholeFile(path, [](std::istream& in) -> std::shared_ptr<const DesignLine> {
        return std::make_shared<ElementChainLine>(readElementChainFile(in));
    });
}

std::shared_ptr<const PreparedLine> prepareLine(std::shared_ptr<const DesignLine> line)
{
    if (!line) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no design line was read"));
    auto alignment = std::make_shared<PreparedLine>();
    alignment->startStation = line->startStation();
    alignment->endStation = line->endStation();
    alignment->corners = line->lineCorners();
    alignment->line = std::move(line);
    sampleAlignment(*alignment);
    return alignment;
}

std::shared_ptr<const PreparedLine> prepareLine(std::shared_ptr<const MainLine> mainLine,
                                                const ChainBreaks& chainBreaks)
{
    return prepareLine(std::make_shared<IntersectionPointLine>(std::move(mainLine), chainBreaks));
}

std::shared_ptr<const PreparedLine> prepareLine(std::shared_ptr<const ElementChain> chain,
                                                const ChainBreaks& chainBreaks)
{
    return prepareLine(std::make_shared<ElementChainLine>(std::move(chain), chainBreaks));
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): alignment file, then chain-break file, as the user picks them
std::shared_ptr<const PreparedLine> initialiseAlignment(Method method, const std::string& alignmentPath,
                                                        const std::string& chainBreakPath)
{
    // Everything is built aside; the caller's alignment is replaced only by
    // the complete result, so a failure leaves it whole.
    try {
        if (method == Method::Element) return prepareLine(loadElementLine(alignmentPath));
        auto mainLine = loadMainLine(alignmentPath);
        auto breaks = loadChainBreaks(chainBreakPath, mainLine->endStation());
        return prepareLine(std::move(mainLine), breaks);
    } catch (Failure& failure) {
        failure.setFile(alignmentPath);  // a failure of the line itself, if no file is named yet
        throw;
    }
}

SinglePointText computeSinglePoint(const PreparedLine& alignment, const std::string& xText, const std::string& yText,
                                   SolverChoice solver)
{
    const double x = leadingNumber(xText);
    const double y = leadingNumber(yText);
    SinglePointText shown;
    shown.solution = alignment.solve(x, y, solver);
    shown.station = vomel::stationTextPlain(alignment.chainBreaks(), shown.solution.station);
    shown.offset = formatFixed(shown.solution.offset, 3);
    return shown;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results file out, as the user picks them
void computeFileRun(const PreparedLine& alignment, const std::string& coordinatePath, const std::string& resultsPath,
                    const ResultsLayout& layout, const ProgressCallback& progress, const RunOptions& options,
                    const SolvedChunkCallback& solved)
{
    const FastLine fast = alignment.fastLine();
    const PointSolver solve = [&alignment, &fast, &options](double x, double y) {
        if (options.solver == SolverChoice::Reference) return alignment.solve(x, y, SolverChoice::Reference);
        return placed(alignment, solvePointFast(fast, x, y), x, y);
    };
    streamFileRun(solve, layout, coordinatePath, resultsPath, progress, options, solved);
}

void computeFileRun(const PreparedLine& alignment, const std::string& coordinatePath, const std::string& resultsPath,
                    HeaderEncoding encoding, const ProgressCallback& progress, const RunOptions& options,
                    const SolvedChunkCallback& solved)
{
    const ChainBreaks& breaks = alignment.chainBreaks();
    const ResultsLayout layout{resultsHeader(breaks.chainBreakCount != 0, encoding),
                               [&breaks](std::string& out, const SurveyPoint& point, const Solution& solution) {
                                   appendResultsDataLine(out, point, solution, breaks);
                               }};
    computeFileRun(alignment, coordinatePath, resultsPath, layout, progress, options, solved);
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results file out, as the user names them
void computeCsvRun(const PreparedLine& alignment, const CsvColumns& columns, const std::string& coordinatePath,
                   const std::string& resultsPath, const ProgressCallback& progress, const RunOptions& options)
{
    const DesignLine& line = *alignment.line;
    const ResultsLayout layout{csvResultsHeader(columns),
                               [&line, columns](std::string& out, const SurveyPoint& point, const Solution& solution) {
                                   appendCsvResultsLine(out, line, point, solution, columns);
                               }};
    computeFileRun(alignment, coordinatePath, resultsPath, layout, progress, options);
}

}  // namespace vomel
