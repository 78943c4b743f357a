#include "app/session.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <utility>

#include "app/failure.h"
#include "app/file_reading.h"
#include "app/input_line.h"
#include "app/jd_reader.h"
#include "app/number_text.h"
#include "app/results_line_append.h"

namespace vomel {

namespace {

StationFunction forwardOf(const Alignment& alignment)
{
    return [&alignment](double station) { return alignment.stationAt(station); };
}

// Checks the extent of a prepared line and samples it.
void sampleAlignment(Alignment& alignment)
{
    const double start = alignment.startStation;
    const double end = alignment.endStation;
    if (!std::isfinite(start) || !std::isfinite(end)) {
        throw GeometryFailure("the start or end station of the line is not a finite number");
    }
    if (end < start) {
        throw GeometryFailure("the end station " + formatGeneral(end) + " lies below the start station " +
                              formatGeneral(start));
    }
    if (end - start > MAX_LINE_LENGTH) {
        throw GeometryFailure("the line is " + formatGeneral(end - start) + " m long; at most " +
                              formatGeneral(MAX_LINE_LENGTH) + " m can be sampled");
    }
    try {
        alignment.samples = buildSampleTable(start, end, forwardOf(alignment));
        alignment.sampleIndex = SampleIndex(alignment.samples);
    } catch (const std::bad_alloc&) {
        throw GeometryFailure("not enough memory for the samples of a " + formatGeneral(end - start) +
                              " m line");
    }
}

}  // namespace

Point Alignment::stationAt(double station) const
{
    if (method == Method::IntersectionPoint && mainLine) return zxbas::mainLineStationToXY(*mainLine, station);
    if (method == Method::Element && elementChain) return htbas::interchangeStationToXY(*elementChain, station);
    throw GeometryFailure("no alignment has been initialised");
}

LinePose Alignment::poseAt(double station) const
{
    if (method == Method::IntersectionPoint && mainLine) return zxbas::mainLineStationToPose(*mainLine, station);
    if (method == Method::Element && elementChain) return htbas::interchangeStationToPose(*elementChain, station);
    throw GeometryFailure("no alignment has been initialised");
}

FastLine Alignment::fastLine() const
{
    return {&samples, &sampleIndex, [this](double s) { return stationAt(s); },
            [this](double s) { return poseAt(s); }};
}

Solution Alignment::solve(double x, double y, SolverChoice solver) const
{
    if (solver == SolverChoice::Reference) return solvePoint(samples, forwardOf(*this), x, y);
    return solvePointFast(fastLine(), x, y);
}

std::shared_ptr<const zxbas::MainLine> loadMainLine(const std::string& jdPath)
{
    return readWholeFile(jdPath, [](std::istream& in) {
        auto line = std::make_shared<zxbas::MainLine>();
        readJdFile(in, *line);
        zxbas::computeCurveElements(*line);
        return std::shared_ptr<const zxbas::MainLine>(std::move(line));
    });
}

zxbas::ChainBreaks loadChainBreaks(const std::string& chainBreakPath, double endStation)
{
    if (chainBreakPath.empty()) return {};
    return readWholeFile(chainBreakPath,
                    [endStation](std::istream& in) { return zxbas::readChainBreakFile(in, endStation); });
}

std::shared_ptr<const htbas::ElementChain> loadElementChain(const std::string& elementPath)
{
    return readWholeFile(elementPath, [](std::istream& in) {
        auto chain = std::make_shared<htbas::ElementChain>();
        htbas::readElementFile(in, *chain);
        htbas::splitReverseSpirals(*chain);
        chain->chainStartAzimuth = htbas::packedDmsToDegrees(chain->chainStartAzimuth);
        htbas::prepareElementChain(*chain);
        return std::shared_ptr<const htbas::ElementChain>(std::move(chain));
    });
}

ElementLine loadLandXml(const std::string& path, const std::string& alignmentName)
{
    return readWholeFile(path, [&alignmentName](std::istream& in) {
        htbas::LandXmlLine imported = htbas::readLandXml(in, alignmentName);
        return ElementLine{std::move(imported.chain), imported.chainBreaks};
    });
}

std::vector<htbas::LandXmlAlignmentInfo> listLandXmlAlignments(const std::string& path)
{
    return readWholeFile(path, [](std::istream& in) { return htbas::listLandXmlAlignments(in); });
}

ElementLine loadElementLine(const std::string& path)
{
    const bool landXml = readWholeFile(path, [](std::istream& in) { return htbas::looksLikeXml(in); });
    if (landXml) return loadLandXml(path);
    return {loadElementChain(path), {}};
}

std::shared_ptr<const Alignment> buildAlignment(std::shared_ptr<const zxbas::MainLine> mainLine,
                                                zxbas::ChainBreaks chainBreaks)
{
    if (!mainLine) throw GeometryFailure("no main line was read");
    auto alignment = std::make_shared<Alignment>();
    alignment->method = Method::IntersectionPoint;
    alignment->startStation = mainLine->jdStation[1];
    alignment->endStation = mainLine->endStation();
    alignment->mainLine = std::move(mainLine);
    alignment->chainBreaks = chainBreaks;
    sampleAlignment(*alignment);
    return alignment;
}

std::shared_ptr<const Alignment> buildAlignment(std::shared_ptr<const htbas::ElementChain> chain,
                                                zxbas::ChainBreaks chainBreaks)
{
    if (!chain) throw GeometryFailure("no element chain was read");
    auto alignment = std::make_shared<Alignment>();
    alignment->method = Method::Element;
    alignment->startStation = chain->nodeStation[1];
    alignment->endStation = chain->nodeStation[static_cast<std::size_t>(chain->elementCount) + 1];
    alignment->elementChain = std::move(chain);
    alignment->chainBreaks = chainBreaks;
    sampleAlignment(*alignment);
    return alignment;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): alignment file, then chain-break file, as the user picks them
std::shared_ptr<const Alignment> initialiseAlignment(Method method, const std::string& alignmentPath,
                                                     const std::string& chainBreakPath)
{
    // Everything is built aside; the caller's alignment is replaced only by
    // the complete result, so a failure leaves it whole.
    try {
        if (method == Method::Element) return buildAlignment(loadElementLine(alignmentPath));
        auto mainLine = loadMainLine(alignmentPath);
        auto breaks = loadChainBreaks(chainBreakPath, mainLine->endStation());
        return buildAlignment(std::move(mainLine), breaks);
    } catch (Failure& failure) {
        failure.setFile(alignmentPath);  // a failure of the line itself, if no file is named yet
        throw;
    }
}

SinglePointText computeSinglePoint(const Alignment& alignment, const std::string& xText,
                                   const std::string& yText, SolverChoice solver)
{
    const double x = leadingNumber(xText);
    const double y = leadingNumber(yText);
    SinglePointText shown;
    shown.solution = alignment.solve(x, y, solver);
    shown.station = zxbas::stationTextPlain(alignment.chainBreaks, shown.solution.station);
    shown.offset = formatFixed(shown.solution.offset, 3);
    return shown;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): coordinate file in, results file out, as the user picks them
void computeFileRun(const Alignment& alignment, const std::string& coordinatePath,
                    const std::string& resultsPath, const ResultsLayout& layout, const ProgressCallback& progress,
                    const RunOptions& options, const SolvedChunkCallback& solved)
{
    const FastLine fast = alignment.fastLine();
    const PointSolver solve = [&alignment, &fast, &options](double x, double y) {
        if (options.solver == SolverChoice::Reference) return alignment.solve(x, y, SolverChoice::Reference);
        return solvePointFast(fast, x, y);
    };
    streamFileRun(solve, layout, coordinatePath, resultsPath, progress, options, solved);
}

void computeFileRun(const Alignment& alignment, const std::string& coordinatePath,
                    const std::string& resultsPath, HeaderEncoding encoding, const ProgressCallback& progress,
                    const RunOptions& options, const SolvedChunkCallback& solved)
{
    const zxbas::ChainBreaks& breaks = alignment.chainBreaks;
    const ResultsLayout layout{resultsHeader(breaks.chainBreakCount != 0, encoding),
                               [&breaks](const SurveyPoint& point, const Solution& solution) {
                                   return resultsDataLine(point, solution, breaks);
                               },
                               [&breaks](std::string& out, const SurveyPoint& point, const Solution& solution) {
                                   appendResultsDataLine(out, point, solution, breaks);
                               }};
    computeFileRun(alignment, coordinatePath, resultsPath, layout, progress, options, solved);
}

}  // namespace vomel
