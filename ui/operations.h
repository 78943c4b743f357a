#pragma once
// The back-calculation operations as the main window uses them, in the
// steps between which it asks for files. SessionOperations implements them
// on the core; tests may put a stand-in behind the same interface.
//
// Initialisation is staged: the read steps collect a new design line, and
// only buildStagedLine() makes it the current one, whole. A failure in any
// step leaves the current line as it was.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formats/project_file.h"
#include "session/method.h"
#include "session/project_solution.h"
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

// A line of the open project as the project pane lists it.
struct ProjectLineRow {
    std::string name;  // bytes as in the project file
    ProjectLineKind kind = ProjectLineKind::IntersectionPoint;
    // Its extent as stated stations with their chain letters: the station
    // window where the project file gives one, else the line's ends.
    std::string start;
    std::string end;
    int chainBreaks = 0;
    bool profile = false;  // a profile file, or the line's own profile
};

// The open project.
struct ProjectOverview {
    std::string name;  // as the file names it; may be empty
    std::string path;  // of the project file
    std::vector<ProjectLineRow> lines;
};

// A typed point solved in the project: its line, and its answer there.
struct ProjectPointResult {
    Assignment assignment = Assignment::Unassigned;
    std::size_t line = 0;  // meaningless when unassigned
    TypedPointResult answer;  // empty when unassigned
    bool ambiguous = false;  // a foot as near on `otherLine`
    std::size_t otherLine = 0;
};

// How many points of a project file run each line got, in the project's
// order, and how many no line held; `ambiguous` counts points of perLine.
struct ProjectRunSummary {
    std::vector<long> perLine;
    long unassigned = 0;
    long ambiguous = 0;

    long points() const
    {
        long total = unassigned;
        for (const long count : perLine) total += count;
        return total;
    }
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

    // The project: loaded whole, or not at all (the project open before
    // stays). Opening makes its first line the current one.
    virtual ProjectOverview openProject(const std::string& path) = 0;
    // Loads `file`, whose relative paths are taken from the folder of
    // `path`, and only then saves it there whole; its first line becomes
    // the current one. A failure saves and changes nothing.
    virtual ProjectOverview createProject(const ProjectFile& file, const std::string& path) = 0;
    // Saves the open project at `path`, its relative paths rewritten from
    // its own folder to that of `path`.
    virtual void saveProject(const std::string& path) = 0;
    // Closes the open project; the current line stays, as a line of its own.
    virtual void closeProject() = 0;
    // The open project; null when none is.
    virtual const ProjectOverview* project() const = 0;
    // The index of the current line in the project; none when no project
    // is open or the current line was initialised by hand.
    virtual std::optional<std::size_t> projectLineInUse() const = 0;
    // Makes the project's line `index` the current one.
    virtual void useProjectLine(std::size_t index) = 0;
    // Both need a project line in use. The typed point's line becomes the
    // current one; an unassigned point changes nothing.
    virtual ProjectPointResult solveProjectPoint(const std::string& xText, const std::string& yText) = 0;
    // Every point of the coordinate file to its line, written as a CSV with
    // the line of each (whole, or not at all); progress as above.
    virtual ProjectRunSummary solveProjectFile(const std::string& coordinatePath, const std::string& resultsPath,
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
