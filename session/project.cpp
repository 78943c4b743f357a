#include "session/project.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "alignment/element_chain_line.h"
#include "core/failure.h"
#include "formats/atomic_file.h"
#include "formats/element_file.h"
#include "formats/profile_file.h"
#include "stationing/chain_break.h"
#include "stationing/stated_station.h"
#include "text/file_reading.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

namespace {

// A failure of a file a project line names, or of the line itself: raised
// again, of the same kind, on the project file's line `line` with the
// project line's name and the inner failure's own file and line.
[[noreturn]] void rethrowOnProjectLine(const Failure& inner, const ProjectLineEntry& entry, long line)
{
    std::string where;
    if (!inner.file().empty()) where = inner.file() + ":";
    if (inner.line() > 0) where += std::to_string(inner.line()) + ":";
    if (!where.empty()) where += " ";
    const char* pattern = VOMEL_TRANSLATE_NOOP("Failure", "line %1: %2%3");
    const std::string name = quotedExcerpt(entry.name);
    if (dynamic_cast<const FileFailure*>(&inner) != nullptr)
        throw FileFailure(line, pattern, name, where, inner.wording());
    if (dynamic_cast<const GeometryFailure*>(&inner) != nullptr) {
        throw GeometryFailure(line, pattern, name, where, inner.wording());
    }
    throw FormatFailure(line, pattern, name, where, inner.wording());
}

// Runs `load`, its failures raised again on the project file's line `line`.
template <class Load>
auto onProjectLine(const ProjectLineEntry& entry, long line, Load load)
{
    try {
        return load();
    } catch (const Failure& failure) {
        rethrowOnProjectLine(failure, entry, line);
    }
}

std::string resolved(const std::string& folder, const std::string& path)
{
    if (path.empty()) return path;
    const std::filesystem::path given(path);
    if (given.is_absolute() || folder.empty()) return path;
    return (std::filesystem::path(folder) / given).string();
}

std::shared_ptr<const PreparedLine> loadPlan(const ProjectLineEntry& entry, const std::string& folder)
{
    const std::string file = resolved(folder, entry.file);
    const std::string breaks = resolved(folder, entry.chainBreakFile);
    switch (entry.kind) {
    case ProjectLineKind::IntersectionPoint: return initialiseAlignment(Method::IntersectionPoint, file, breaks);
    case ProjectLineKind::Elements: {
        if (breaks.empty()) return initialiseAlignment(Method::Element, file);
        const auto chain = readWholeFile(file, [](std::istream& in) { return readElementChainFile(in); });
        const double end = ElementChainLine(chain).endStation();
        return prepareLine(chain, loadChainBreaks(breaks, end));
    }
    case ProjectLineKind::LandXml: return prepareLine(loadLandXml(file, entry.alignmentName));
    case ProjectLineKind::Ifc: return prepareLine(loadIfc(file, entry.alignmentName));
    }
    throw FormatFailure(entry.fileLine, VOMEL_TRANSLATE_NOOP("Failure", "unknown kind of line"));
}

DesignSurface loadSurface(const ProjectLineEntry& entry, const PreparedLine& line, const std::string& folder)
{
    DesignSurface surface;
    const ChainBreaks& breaks = line.chainBreaks();
    if (!entry.profileFile.empty()) {
        surface.profile = onProjectLine(entry, entry.profileLine,
                                        [&] { return loadProfile(resolved(folder, entry.profileFile), breaks); });
    } else {
        surface.profile = line.line->ownProfile();
    }
    if (!entry.crossFallFile.empty()) {
        if (!surface.profile) {
            throw FormatFailure(entry.crossFallLine,
                                VOMEL_TRANSLATE_NOOP("Failure", "line %1: \"crossfall\" needs a profile (give "
                                                                "\"profile\", or a LandXML alignment with one)"),
                                quotedExcerpt(entry.name));
        }
        surface.crossFall = onProjectLine(entry, entry.crossFallLine,
                                          [&] { return loadCrossFall(resolved(folder, entry.crossFallFile), breaks); });
    }
    return surface;
}

std::optional<double> windowStation(const ProjectLineEntry& entry, const std::string& text, long line,
                                    const PreparedLine& prepared)
{
    if (text.empty()) return std::nullopt;
    return onProjectLine(entry, line, [&] {
        const auto stated = parseStationText(text);
        if (!stated) throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "no station: %1"), quotedExcerpt(text));
        return continuousStation(prepared.chainBreaks(), *stated);
    });
}

// The station window must leave some of the line.
void checkWindow(const ProjectLine& line)
{
    const double start = line.line->startStation;
    const double end = line.line->endStation;
    const double from = line.fromStation.value_or(start);
    const double to = line.toStation.value_or(end);
    if (from >= to || from > end || to < start) {
        throw FormatFailure(line.entry.fromLine != 0 ? line.entry.fromLine : line.entry.toLine,
                            VOMEL_TRANSLATE_NOOP("Failure", "line %1: the station window from %2 to %3 holds none of "
                                                            "the line, which runs from %4 to %5"),
                            quotedExcerpt(line.entry.name), formatGeneral(from), formatGeneral(to),
                            formatGeneral(start), formatGeneral(end));
    }
}

ProjectLine loadLine(const ProjectLineEntry& entry, const std::string& folder)
{
    ProjectLine line;
    line.entry = entry;
    line.line = onProjectLine(entry, entry.fileLine, [&] { return loadPlan(entry, folder); });
    line.surface = loadSurface(entry, *line.line, folder);
    line.fromStation = windowStation(entry, entry.from, entry.fromLine, *line.line);
    line.toStation = windowStation(entry, entry.to, entry.toLine, *line.line);
    checkWindow(line);
    return line;
}

}  // namespace

std::shared_ptr<const Project> loadProject(const ProjectFile& file, const std::string& folder,
                                           const std::string& projectPath)
{
    try {
        auto project = std::make_shared<Project>();
        project->name = file.name;
        project->path = projectPath;
        for (const auto& entry : file.lines) {
            project->lines.push_back(loadLine(entry, folder));
            const ProjectLine& added = project->lines.back();
            const ProjectLine& first = project->lines.front();
            if (added.line->lengthUnit() != first.line->lengthUnit()) {
                throw FormatFailure(entry.fileLine,
                                    VOMEL_TRANSLATE_NOOP("Failure", "line %1 is in %2 and line %3 in %4: the lines "
                                                                    "of a project share one unit"),
                                    quotedExcerpt(entry.name), lengthUnitName(added.line->lengthUnit()),
                                    quotedExcerpt(first.entry.name), lengthUnitName(first.line->lengthUnit()));
            }
        }
        project->index();
        return project;
    } catch (Failure& failure) {
        if (!projectPath.empty()) failure.setFile(projectPath);
        throw;
    }
}

std::shared_ptr<const Project> loadProject(const std::string& path)
{
    const ProjectFile file = readWholeFile(path, [](std::istream& in) { return readProjectFile(in); });
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return loadProject(file, folder, path);
}

void saveProjectFile(const ProjectFile& file, const std::string& path)
{
    const std::string text = projectFileText(file);
    AtomicFile writer(path);
    writer.write(text);
    writer.commit();
}

ProjectPointText computeProjectPoint(const Project& project, const std::string& xText, const std::string& yText)
{
    SurveyPoint point;
    point.x = leadingNumber(xText);
    point.y = leadingNumber(yText);
    ProjectPointText result;
    result.solution = project.solve(point);
    if (result.solution.assignment == Assignment::Unassigned) return result;
    const PreparedLine& line = *project.lines[result.solution.line].line;
    result.shown.solution = result.solution.solution;
    result.shown.station = stationTextPlain(line.chainBreaks(), result.shown.solution.station);
    result.shown.offset = formatFixed(result.shown.solution.offset, 3);
    return result;
}

std::optional<std::size_t> Project::lineNamed(const std::string& lineName) const
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].name() == lineName) return i;
    }
    return std::nullopt;
}

bool Project::hasDesignSurface() const
{
    return std::any_of(lines.begin(), lines.end(), [](const ProjectLine& line) { return line.surface.profile; });
}

}  // namespace vomel
