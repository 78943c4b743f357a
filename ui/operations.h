#pragma once
// The back-calculation operations as the main window uses them, in the
// steps between which it asks for files. SessionOperations implements them
// on the core; tests may put a stand-in behind the same interface.
//
// Initialisation is staged: the read steps collect a new design line, and
// only buildStagedLine() makes it the current one, whole. A failure in any
// step leaves the current line as it was.

#include <functional>
#include <memory>
#include <string>

#include "session/method.h"
#include "solver/solution.h"

namespace vomel {
struct PreparedLine;
}

namespace vomel::drawing {
struct PlanScene;
struct PlanRun;
}  // namespace vomel::drawing

namespace vomel::ui {

struct TypedPointResult {
    std::string station;  // station text with its chain-break letter
    std::string offset;  // "0.000" format
    FootPlace place = FootPlace::OnLine;  // where the foot lies on the line
};

// What a finished file run counts.
struct FileRunSummary {
    long points = 0;
    long beforeStart = 0;
    long afterEnd = 0;
};

using drawing::PlanRun;
using drawing::PlanScene;

using PointProgress = std::function<void(long i, long count)>;

class Operations {
public:
    virtual ~Operations() = default;

    // Intersection-point method: the JD file (curve elements computed), then
    // the chain-break file of that line.
    virtual void readMainLine(const std::string& jdPath) = 0;
    virtual void readChainBreaks(const std::string& chainBreakPath) = 0;
    // Element method: the element file, prepared.
    virtual void readElementChain(const std::string& elementPath) = 0;
    // Samples the staged line and makes it the current one. The long step.
    virtual void buildStagedLine() = 0;
    // Forgets a staged line after a failed or cancelled initialisation.
    virtual void discardStagedLine() = 0;

    // Both need a current line.
    virtual TypedPointResult solveTypedPoint(const std::string& xText, const std::string& yText) = 0;
    // Reads the coordinate file, solves every point (progress before each)
    // and writes the results file whole, or not at all. Progress may be
    // reported on another thread than the caller's; it may throw (a
    // CancelledFailure) to stop the run with nothing written. A coordinate
    // file that lists no point (empty, or blank first line) gives a summary
    // of no points and writes nothing.
    virtual FileRunSummary solveCoordinateFile(const std::string& coordinatePath, const std::string& resultsPath,
                                               const PointProgress& progress) = 0;

    // The current line, for the curve table and stakeout windows; null
    // before an initialisation (and from stand-ins that hold no line).
    virtual std::shared_ptr<const PreparedLine> currentLine() const { return nullptr; }
    // What the plan view draws: the current line and the points of the last
    // successful file run on it (none before a run). Null while no line is
    // current; the same object until the line or the run changes.
    virtual std::shared_ptr<const PlanScene> planScene() { return nullptr; }
    // The points of the last successful file run on the current line, with
    // their solutions, as kept for the pictures; null before a run.
    virtual std::shared_ptr<const PlanRun> lastRun() const { return nullptr; }
};

}  // namespace vomel::ui
