#include "ui/project_pane.h"

#include <filesystem>

#include "core/wording.h"
#include "ui/project_texts.h"
#include "ui/translation_contexts.h"
#include "ui/window_messages.h"

namespace vomel::ui {

std::string projectText(const Platform& platform, const char* source)
{
    return platform.translate(PROJECT_CONTEXT, source);
}

const char* projectLineKindText(ProjectLineKind kind)
{
    switch (kind) {
    case ProjectLineKind::IntersectionPoint: return KIND_INTERSECTION_POINT;
    case ProjectLineKind::Elements: return KIND_ELEMENTS;
    case ProjectLineKind::LandXml: return KIND_LANDXML;
    case ProjectLineKind::Ifc: return KIND_IFC;
    }
    return KIND_ELEMENTS;
}

std::string projectTitle(const ProjectOverview& project)
{
    if (!project.name.empty()) return project.name;
    return std::filesystem::path(project.path).filename().string();
}

ProjectPaneState projectPaneState(const Operations& operations, const Platform& platform)
{
    ProjectPaneState pane;
    const ProjectOverview* project = operations.project();
    if (project == nullptr) {
        pane.heading = projectText(platform, NO_PROJECT_OPEN);
        return pane;
    }
    pane.open = true;
    pane.heading = fillPlaces(projectText(platform, PROJECT_HEADING),
                              {projectTitle(*project), std::filesystem::path(project->path).filename().string()});
    for (const ProjectLineRow& line : project->lines) {
        pane.rows.push_back({line.name, projectText(platform, projectLineKindText(line.kind)),
                             fillPlaces(projectText(platform, EXTENT_TEMPLATE), {line.start, line.end}),
                             std::to_string(line.chainBreaks),
                             projectText(platform, line.profile ? PROFILE_YES : PROFILE_NO)});
    }
    pane.lineInUse = operations.projectLineInUse();
    if (!pane.lineInUse) pane.note = projectText(platform, LINE_NOT_IN_PROJECT);
    return pane;
}

std::string projectLineText(const ProjectOverview& project, std::size_t line, const Platform& platform)
{
    return platform.translate(WINDOW_CONTEXT, LINE_PREFIX) +
           fillPlaces(projectText(platform, LINE_OF_PROJECT), {project.lines.at(line).name, projectTitle(project)});
}

std::string projectRunStatus(const ProjectRunSummary& summary, const ProjectOverview& project, const Platform& platform)
{
    const std::string separator = projectText(platform, COUNT_SEPARATOR);
    std::string counts;
    for (std::size_t i = 0; i < summary.perLine.size() && i < project.lines.size(); ++i) {
        if (summary.perLine[i] == 0) continue;
        counts +=
            fillPlaces(projectText(platform, LINE_COUNT), {project.lines[i].name, std::to_string(summary.perLine[i])}) +
            separator;
    }
    counts += fillPlaces(projectText(platform, UNASSIGNED_COUNT), {std::to_string(summary.unassigned)}) + separator;
    counts += fillPlaces(projectText(platform, AMBIGUOUS_COUNT), {std::to_string(summary.ambiguous)});
    return fillPlaces(projectText(platform, RUN_COUNTS), {std::to_string(summary.points()), counts});
}

}  // namespace vomel::ui
