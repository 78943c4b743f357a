#include "ui/project_workflow.h"

#include <exception>
#include <filesystem>

#include "core/failure.h"
#include "core/wording.h"
#include "ui/failure_text.h"
#include "ui/project_pane.h"
#include "ui/project_paths.h"
#include "ui/project_texts.h"
#include "ui/translation_contexts.h"
#include "ui/window_messages.h"

namespace vomel::ui {

namespace fs = std::filesystem;

ProjectWorkflow::ProjectWorkflow(Platform& platform, Operations& operations, Workflow& workflow)
    : platform_(platform), operations_(operations), workflow_(workflow)
{
}

void ProjectWorkflow::followLineInUse(const char* status, const std::string& subject)
{
    const ProjectOverview* project = operations_.project();
    const std::optional<std::size_t> line = operations_.projectLineInUse();
    if (project == nullptr || !line) return;
    workflow_.lineMadeCurrent(projectLineText(*project, *line, platform_));
    const std::string ready = workflow_.state().status;
    workflow_.showStatus(
        fillPlaces(projectText(platform_, status), {subject, std::to_string(project->lines.size()), ready}));
}

void ProjectWorkflow::open()
{
    if (!idle()) return;
    const std::optional<std::string> path = platform_.askOpenFile(PROJECT_OPEN_DIALOG);
    if (!path) return;
    try {
        const ProjectOverview project = operations_.openProject(*path);
        followLineInUse(PROJECT_OPENED, projectTitle(project));
    } catch (const std::exception& failure) {
        platform_.showError({projectText(platform_, PROJECT_NOT_OPENED), failureText(failure, platform_)});
    }
}

std::optional<std::string> ProjectWorkflow::askProjectPath()
{
    std::optional<std::string> path = platform_.askSaveFile(PROJECT_SAVE_DIALOG);
    if (path && fs::path(*path).extension().empty()) *path += PROJECT_FILE_EXTENSION;
    return path;
}

bool ProjectWorkflow::create(const std::string& name, const std::vector<ProjectLineEntry>& lines)
{
    if (!idle()) return false;
    if (lines.empty()) {
        platform_.showError({projectText(platform_, PROJECT_WITHOUT_LINES), {}});
        return false;
    }
    const std::optional<std::string> path = askProjectPath();
    if (!path) return false;
    // The lines' files as chosen, named from the project file's folder.
    const std::string folder = fs::path(*path).parent_path().string();
    ProjectFile file{name, lines};
    file = rebasedProjectFile(std::move(file), fs::current_path().string(), folder);
    try {
        operations_.createProject(file, *path);
    } catch (const std::exception& failure) {
        platform_.showError({projectText(platform_, PROJECT_NOT_CREATED), failureText(failure, platform_)});
        return false;
    }
    followLineInUse(PROJECT_CREATED, fs::path(*path).filename().string());
    return true;
}

void ProjectWorkflow::save()
{
    if (!idle() || operations_.project() == nullptr) return;
    const std::optional<std::string> path = askProjectPath();
    if (!path) return;
    try {
        operations_.saveProject(*path);
    } catch (const std::exception& failure) {
        platform_.showError({projectText(platform_, PROJECT_NOT_SAVED), failureText(failure, platform_)});
        return;
    }
    workflow_.showStatus(fillPlaces(projectText(platform_, PROJECT_SAVED), {fs::path(*path).filename().string()}));
}

void ProjectWorkflow::close()
{
    const ProjectOverview* project = operations_.project();
    if (!idle() || project == nullptr) return;
    // The project's line in use stays in use, as a line of its own.
    const std::optional<std::size_t> line = operations_.projectLineInUse();
    const std::string lineText =
        line ? platform_.translate(WINDOW_CONTEXT, LINE_PREFIX) + project->lines.at(*line).name : std::string();
    operations_.closeProject();
    if (line) workflow_.lineMadeCurrent(lineText);
    workflow_.showStatus(projectText(platform_, PROJECT_CLOSED));
}

void ProjectWorkflow::chooseLine(std::size_t index)
{
    const ProjectOverview* project = operations_.project();
    if (!idle() || project == nullptr || index >= project->lines.size()) return;
    if (operations_.projectLineInUse() == index) return;
    try {
        operations_.useProjectLine(index);
    } catch (const std::exception& failure) {
        platform_.showError({projectText(platform_, LINE_NOT_USED), failureText(failure, platform_)});
        return;
    }
    workflow_.lineMadeCurrent(projectLineText(*project, index, platform_));
}

std::optional<ProjectLineEntry> ProjectWorkflow::lineInUseSpec() const
{
    const std::optional<InitialisedFiles>& files = workflow_.initialisedFiles();
    if (!files) return std::nullopt;
    ProjectLineEntry line;
    line.name = fs::path(files->file).stem().string();
    line.kind = lineKindOfFile(files->method, files->file);
    line.file = files->file;
    line.chainBreakFile = files->chainBreakFile;
    return line;
}

}  // namespace vomel::ui
