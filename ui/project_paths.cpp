#include "ui/project_paths.h"

#include <cctype>
#include <filesystem>
#include <fstream>

#include "formats/ifc_reader.h"
#include "formats/landxml_reader.h"

namespace vomel::ui {

namespace fs = std::filesystem;

std::string pathFromFolder(const std::string& file, const std::string& folder)
{
    const fs::path absoluteFile = fs::absolute(fs::path(file)).lexically_normal();
    const fs::path absoluteFolder = fs::absolute(fs::path(folder.empty() ? "." : folder)).lexically_normal();
    const fs::path relative = absoluteFile.lexically_relative(absoluteFolder);
    return (relative.empty() ? absoluteFile : relative).generic_string();
}

ProjectFile rebasedProjectFile(ProjectFile file, const std::string& fromFolder, const std::string& toFolder)
{
    const auto rebase = [&](std::string& path) {
        if (path.empty()) return;
        path = pathFromFolder((fs::path(fromFolder) / fs::path(path)).string(), toFolder);
    };
    for (ProjectLineEntry& line : file.lines) {
        rebase(line.file);
        rebase(line.chainBreakFile);
        rebase(line.profileFile);
        rebase(line.crossFallFile);
    }
    return file;
}

ProjectLineKind lineKindOfFile(Method method, const std::string& path)
{
    if (method == Method::IntersectionPoint) return ProjectLineKind::IntersectionPoint;
    std::ifstream in(path, std::ios::binary);
    if (!in) return ProjectLineKind::Elements;
    if (looksLikeXml(in)) return ProjectLineKind::LandXml;
    if (looksLikeStep(in)) return ProjectLineKind::Ifc;
    return ProjectLineKind::Elements;
}

PointsFormat pointsFormatOfFile(const std::string& path)
{
    std::string extension = fs::path(path).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".dat" ? PointsFormat::Cass : PointsFormat::Plain;
}

}  // namespace vomel::ui
