#pragma once
// The operations a user starts, without any window: initialise an alignment
// from its files, then solve one typed point or a whole coordinate file.
// The desktop program and vomel-cli both call these.
//
// Every operation raises a vomel::Failure subclass on failure (see
// core/failure.h) and changes nothing the caller holds: a new PreparedLine is
// only handed out whole, and a results file is only replaced when complete.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "alignment/design_line.h"
#include "alignment/element_chain.h"
#include "alignment/main_line.h"
#include "formats/coordinate_file.h"
#include "formats/ifc_reader.h"
#include "formats/landxml_reader.h"
#include "formats/results_csv.h"
#include "formats/results_file.h"
#include "session/method.h"
#include "session/streamed_run.h"
#include "solver/fast_solver.h"
#include "solver/sample_index.h"
#include "solver/sample_table.h"
#include "solver/solution.h"
#include "stationing/chain_break.h"

namespace vomel {

// A design line ready to solve points on: the line, whichever kind it is,
// and its sample table over the line's extent with the index of the
// samples.
struct PreparedLine {
    std::shared_ptr<const DesignLine> line;
    double startStation = 0.0;  // the extent sampled: the line's start and end
    double endStation = 0.0;
    SampleTable samples;
    SampleIndex sampleIndex;  // over `samples`, for the fast nearest-sample search
    std::vector<LineCorner> corners;  // the line's corners, in station order

    // The point of the design line at a continuous station.
    Point pointAt(double station) const { return line->pointAt(station); }
    // The same point with its tangent azimuth and curvature.
    LinePose poseAt(double station) const { return line->poseAt(station); }
    // What the fast back-calculation reads; valid while this alignment lives.
    FastLine fastLine() const;
    // One point by the chosen algorithm, a point outside a corner answered
    // by the corner and the foot placed against the line's ends
    // (solver/corner_rule.h); safe on several threads at once.
    Solution solve(double x, double y, SolverChoice solver = SolverChoice::Fast) const;
    // The fast answer once a search over several lines has found this
    // line's nearest sample and candidates (solveAmongCandidates), placed
    // as solve() places it: the same answer to the bit.
    Solution solveAmong(double x, double y, std::size_t nearest,
                        const std::vector<SampleIndex::Candidate>& candidates) const;
    const ChainBreaks& chainBreaks() const { return line->chainBreaks(); }
    bool hasChainBreaks() const { return line->hasChainBreaks(); }
    // The unit of every length (metres, or the feet of a LandXML file).
    LengthUnit lengthUnit() const { return line->lengthUnit(); }
};

// Longest line accepted, in metres: the sample table holds one point per
// metre, so this bounds its memory (about 24 bytes a metre).
inline constexpr double MAX_LINE_LENGTH = 10'000'000.0;  // 10,000 km

// Step 1 of the intersection-point method: read the JD file and compute the
// curve elements. Failures carry the file name.
std::shared_ptr<const vomel::MainLine> loadMainLine(const std::string& jdPath);

// Step 2: read the chain-break file for a main line ending at endStation.
vomel::ChainBreaks loadChainBreaks(const std::string& chainBreakPath, double endStation);

// The ramp line of an alignment imported from an exchange file, with its
// own profile (or why it has none), its notes and its unit.
std::shared_ptr<const DesignLine> importedDesignLine(ImportedLine imported);

// A LandXML file's alignment `alignmentName` (the first when empty),
// imported into an element chain with its station equations as chain breaks,
// its ProfAlign as the line's own profile and the file's length unit.
std::shared_ptr<const DesignLine> loadLandXml(const std::string& path, const std::string& alignmentName = {});

// The alignments a LandXML file holds, for the user to choose from.
std::vector<vomel::LandXmlAlignmentInfo> listLandXmlAlignments(const std::string& path);

// An IFC 4.3 file's alignment `alignmentName` (the first when empty;
// "NAME#2" the second called NAME), imported as loadLandXml imports one of
// LandXML, with the file's notes on the line.
std::shared_ptr<const DesignLine> loadIfc(const std::string& path, const std::string& alignmentName = {});

// The alignments an IFC file holds, for the user to choose from.
std::vector<vomel::IfcAlignmentInfo> listIfcAlignments(const std::string& path);

// True when the file is a STEP (IFC) file by its content.
bool isStepFile(const std::string& path);

// The element method's file, told apart by its content: a LandXML document
// or an IFC file (its first alignment), or an element file.
std::shared_ptr<const DesignLine> loadElementLine(const std::string& path);

// The common tail: check the line's extent and build the sample table.
std::shared_ptr<const PreparedLine> prepareLine(std::shared_ptr<const DesignLine> line);
// The same for a main line with its chain breaks, and for a laid-out ramp.
std::shared_ptr<const PreparedLine> prepareLine(std::shared_ptr<const vomel::MainLine> mainLine,
                                                const ChainBreaks& chainBreaks);
std::shared_ptr<const PreparedLine> prepareLine(std::shared_ptr<const vomel::ElementChain> chain,
                                                const ChainBreaks& chainBreaks = {});

// All steps at once (chainBreakPath empty: no chain breaks). In the element
// method the alignment file may be an element file or a LandXML document.
std::shared_ptr<const PreparedLine> initialiseAlignment(Method method, const std::string& alignmentPath,
                                                        const std::string& chainBreakPath = {});

// Single-coordinate mode: X and Y as typed (leading-number rule), solved
// and shown as the main window shows them.
struct SinglePointText {
    std::string station;  // stationTextPlain, e.g. "B1000.500"
    std::string offset;  // "0.000" format, e.g. "2.346"
    Solution solution;
};
SinglePointText computeSinglePoint(const PreparedLine& alignment, const std::string& xText, const std::string& yText,
                                   SolverChoice solver = SolverChoice::Fast);

// The progress callback (ProgressCallback, session/streamed_run.h) is called
// with (i, count) for every point in order. It may throw (a
// CancelledFailure, say) to stop the run: nothing is written then.

// File mode: read the coordinate file, solve every point, write the results
// file. A file that lists no point is refused (NoPointFailure) and nothing
// is written. The destination is checked before any point is solved; the results
// file is written whole through a temporary file, or not at all. A
// destination that is not a regular file (a terminal, a pipe, /dev/stdout)
// is written directly, and only once every point has been solved.
// Failures name their file; a point that cannot be solved names its line.
//
// By default the fast back-calculation on every core, the coordinate file
// read and the results written a chunk of points at a time (a pipe is held
// whole first); the bytes written do not depend on the thread count or the
// chunk size. options.solver = SolverChoice::Reference runs the reference
// algorithm instead. `solved`, when given, is shown every chunk of points
// with their solutions in file order (see session/streamed_run.h).
void computeFileRun(const PreparedLine& alignment, const std::string& coordinatePath, const std::string& resultsPath,
                    HeaderEncoding encoding, const ProgressCallback& progress = {}, const RunOptions& options = {},
                    const SolvedChunkCallback& solved = {});

// The same run writing another layout of results (the CSV file, say).
void computeFileRun(const PreparedLine& alignment, const std::string& coordinatePath, const std::string& resultsPath,
                    const ResultsLayout& layout, const ProgressCallback& progress = {}, const RunOptions& options = {},
                    const SolvedChunkCallback& solved = {});

// The same run writing CSV rows (formats/results_csv.h) with the added
// `columns`; options.pointsFormat says how the coordinate file is written.
void computeCsvRun(const PreparedLine& alignment, const CsvColumns& columns, const std::string& coordinatePath,
                   const std::string& resultsPath, const ProgressCallback& progress = {},
                   const RunOptions& options = {});

}  // namespace vomel
