#pragma once
// The paths a project file holds: relative to its own folder, so that a
// project's folder may move whole, and rewritten when the project is saved
// in another folder so that they still name the same files.

#include <string>

#include "formats/coordinate_file.h"
#include "formats/project_file.h"
#include "session/method.h"

namespace vomel::ui {

// `file` as a project file in `folder` names it: relative to that folder
// ("../lines/ramp-a.ele"), or absolute where no relative path leads there.
std::string pathFromFolder(const std::string& file, const std::string& folder);

// The project file with every path (line, chain breaks, profile,
// cross-fall) read from `fromFolder` and written from `toFolder`.
ProjectFile rebasedProjectFile(ProjectFile file, const std::string& fromFolder, const std::string& toFolder);

// The kind of a line's file as the main window's method read it: the
// intersection-point method's JD file, or the element method's element
// file, LandXML document or IFC file, told apart by its content as that
// method does. A file that cannot be read counts as an element file (its
// loading then says why).
ProjectLineKind lineKindOfFile(Method method, const std::string& path);

// The format of a coordinate file by its name: CASS data for a file
// ending in .dat (any case), CASS's own extension; plain otherwise.
PointsFormat pointsFormatOfFile(const std::string& path);

}  // namespace vomel::ui
