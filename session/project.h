#pragma once
// A project: the lines of an interchange (a main line and its ramps) or of
// a road section, loaded together, and every surveyed point given to the
// line it belongs to.
//
// The line of a point:
//  1. its code (the CASS code field) or its label's prefix, where a line of
//     the project lists them (the longest matching prefix wins): that line,
//     whatever the geometry says;
//  2. otherwise the nearest line that holds the point: whose foot lies on
//     the line (between its ends), within its station window (from, to)
//     and no farther than its maximum offset; a point that no line holds
//     (beyond the ends of every line near it, say) is unassigned.
//     A point whose two nearest lines are within AMBIGUOUS_FOOT_DISTANCE
//     of the same distance is ambiguous, and names the other line.
// The answer on a line is the very answer of that line alone (the same
// station, offset and foot to the bit).
//
// Every length is in the project's unit: its lines share one.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "alignment/design_surface.h"
#include "formats/coordinate_file.h"
#include "formats/project_file.h"
#include "session/project_solution.h"
#include "session/session.h"
#include "solver/line_set_index.h"

namespace vomel {

// A line of a project, loaded and prepared.
struct ProjectLine {
    ProjectLineEntry entry;  // as the project file gives it
    std::shared_ptr<const PreparedLine> line;
    DesignSurface surface;  // the profile file's, or the line's own; may be empty
    // The station window as continuous stations; absent: unbounded.
    std::optional<double> fromStation;
    std::optional<double> toStation;

    const std::string& name() const { return entry.name; }
};

class Project {
public:
    std::string name;
    std::string path;  // of the project file; empty for a project not yet saved
    std::vector<ProjectLine> lines;

    // Builds the search over every line's samples; called once the lines
    // are in place (loadProject does).
    void index();

    // The index of the line called `name`, if any.
    std::optional<std::size_t> lineNamed(const std::string& lineName) const;

    // The line and answer of one point (code and label used as above);
    // safe on several threads at once. A coordinate that is not a finite
    // number is a GeometryFailure.
    ProjectSolution solve(const SurveyPoint& point) const;

    // True when some line has a profile (the CSV then has design columns).
    bool hasDesignSurface() const;

private:
    // The line a code or a label's prefix gives, if any.
    std::optional<ProjectSolution> byCodeOrPrefix(const SurveyPoint& point) const;
    // The nearest line that holds (x, y), or Unassigned.
    ProjectSolution byGeometry(double x, double y) const;

    LineSetIndex index_;
    std::vector<std::pair<std::string, std::size_t>> codes_;  // code, line
    std::vector<std::pair<std::string, std::size_t>> prefixes_;  // longest first
};

// Two feet on different lines whose distances differ by at most this much
// (metres) are equally near (see AMBIGUOUS_FOOT_DISTANCE).
inline constexpr double AMBIGUOUS_LINE_DISTANCE = AMBIGUOUS_FOOT_DISTANCE;

// A foot this close (in the line's unit) outside a station window or a
// maximum offset still counts as inside: the rounding of a point set out
// exactly at the bound.
inline constexpr double WINDOW_TOLERANCE = 1e-6;

// Reads the project file and every file it names, prepares each line and
// builds the search. A missing or malformed file, an unknown key, a
// duplicate name, a station window its line does not hold, or lines in
// different units are a failure naming the project file and its line.
std::shared_ptr<const Project> loadProject(const std::string& path);

// The same from a ProjectFile whose relative paths are taken from
// `folder` (the window's new project); failures name `projectPath` when
// it is not empty.
std::shared_ptr<const Project> loadProject(const ProjectFile& file, const std::string& folder,
                                           const std::string& projectPath = {});

// Single-coordinate mode over a project: X and Y as typed (the
// leading-number rule), the point given to its line and shown as
// computeSinglePoint shows it there (station and offset empty when no line
// holds it).
struct ProjectPointText {
    SinglePointText shown;
    ProjectSolution solution;
};
ProjectPointText computeProjectPoint(const Project& project, const std::string& xText, const std::string& yText);

// The project file as the lines were read (relative paths kept), written
// whole or not at all.
void saveProjectFile(const ProjectFile& file, const std::string& path);

}  // namespace vomel
