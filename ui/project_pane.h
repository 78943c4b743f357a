#pragma once
// What the project pane shows, without any widgets: the open project's
// heading, a row per line (name, kind, extent, chain breaks, profile), the
// line in use, and the texts the window shows of a project's line and of a
// project file run's counts.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "ui/operations.h"
#include "ui/platform.h"

namespace vomel::ui {

struct ProjectPaneRow {
    std::string name;
    std::string kind;
    std::string extent;  // "start – end", stated stations
    std::string chainBreaks;  // their count
    std::string profile;  // yes / no
};

struct ProjectPaneState {
    bool open = false;
    std::string heading;  // the project's name and file, or "no project"
    std::vector<ProjectPaneRow> rows;
    std::optional<std::size_t> lineInUse;  // the row of the line in use
    std::string note;  // said when the line in use is none of the project's
};

// The pane as `operations` hold the project, in the platform's language.
ProjectPaneState projectPaneState(const Operations& operations, const Platform& platform);

// A text of the pane (under "Project") in the platform's language.
std::string projectText(const Platform& platform, const char* source);

// The kind of line, untranslated.
const char* projectLineKindText(ProjectLineKind kind);

// The project's name, or its file's name when it has none.
std::string projectTitle(const ProjectOverview& project);

// The line in use as the main window shows it: "line in use: 主线 (project
// 东环互通)".
std::string projectLineText(const ProjectOverview& project, std::size_t line, const Platform& platform);

// The closing status of a project file run: the total, each line that got
// points with its count, in the project's order, then the unassigned and
// the ambiguous points ("Finished: 356 points: 主线 312, A匝道 40,
// unassigned 3, ambiguous 1").
std::string projectRunStatus(const ProjectRunSummary& summary, const ProjectOverview& project,
                             const Platform& platform);

}  // namespace vomel::ui
