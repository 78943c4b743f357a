#pragma once
// The project file (.vomelproj): the lines of an interchange or a road
// section held together, as UTF-8 text a person can read and edit.
//
//     # comment lines start with '#'; blank lines are skipped
//     vomel-project 1
//     name = 东环互通
//
//     [line]
//     name = 主线
//     jd = mainline.jdx
//     dl = mainline.dl
//     profile = mainline.profile
//
//     [line]
//     name = A匝道
//     elements = ramp-a.ele
//     from = K0+020
//     to = K0+480
//     max-offset = 25
//     codes = A AZ
//     prefixes = A-
//
// The first line that is not blank or a comment gives the version. Before
// the first [line] only `name` (the project's) may stand. In a [line]:
// `name` (required, unique in the project), exactly one of `jd`,
// `elements`, `landxml`, `ifc` (the line's file), and optionally `dl`
// (chain breaks, with jd or elements), `alignment` (with landxml or ifc),
// `profile`, `crossfall`, `from` and `to` (stated stations, as the station
// command takes them), `max-offset` (a positive length in the line's unit),
// `codes` and `prefixes` (separated by blanks or commas, each unique in the
// project). Paths are relative to the project file's folder. A key is
// given once per section. Every fault is a FormatFailure naming its line.

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace vomel {

// The version this program reads and writes.
inline constexpr int PROJECT_FILE_VERSION = 1;

// The first line of a project file without its version.
inline constexpr const char* PROJECT_FILE_MAGIC = "vomel-project";

// Most lines a project may hold: an interchange has a dozen.
inline constexpr std::size_t MAX_PROJECT_LINES = 256;

// How a project line's plan is given: which file key names it.
enum class ProjectLineKind { IntersectionPoint, Elements, LandXml, Ifc };

// The key of each kind in the file ("jd", "elements", "landxml", "ifc").
const char* projectLineKindKey(ProjectLineKind kind);

// One [line] section as written; texts as they stand in the file (paths
// not yet resolved, stations not yet converted).
struct ProjectLineEntry {
    std::string name;
    ProjectLineKind kind = ProjectLineKind::IntersectionPoint;
    std::string file;
    std::string chainBreakFile;  // dl
    std::string alignmentName;  // alignment
    std::string profileFile;
    std::string crossFallFile;
    std::string from;  // stated station, empty when not given
    std::string to;
    std::optional<double> maxOffset;
    std::vector<std::string> codes;
    std::vector<std::string> prefixes;

    // Lines of the project file, for the failures found while loading: the
    // [line] header, and each key's line (0 when the key is absent).
    long sectionLine = 0;
    long fileLine = 0;
    long chainBreakLine = 0;
    long profileLine = 0;
    long crossFallLine = 0;
    long fromLine = 0;
    long toLine = 0;

    bool operator==(const ProjectLineEntry&) const = default;
};

struct ProjectFile {
    std::string name;
    std::vector<ProjectLineEntry> lines;

    bool operator==(const ProjectFile&) const = default;
};

// Reads a project file. Failures (FormatFailure) name their line.
ProjectFile readProjectFile(std::istream& in);

// The text of a project file that readProjectFile reads back equal (the
// line numbers aside); a name or value that cannot be written (a line end
// in it, blanks around it, an empty code) is a FormatFailure.
std::string projectFileText(const ProjectFile& project);

}  // namespace vomel
