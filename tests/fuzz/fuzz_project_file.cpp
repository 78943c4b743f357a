// The project file: read, written back and read again to the same project.
#include <cstdint>
#include <sstream>

#include "formats/project_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// The line numbers are where a text stood, not what it says.
vomel::ProjectFile withoutLineNumbers(vomel::ProjectFile project)
{
    for (auto& line : project.lines) {
        line.sectionLine = line.fileLine = line.chainBreakLine = line.profileLine = 0;
        line.crossFallLine = line.fromLine = line.toLine = 0;
    }
    return project;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = vomel::fuzz::asFile(data, size);
    vomel::ProjectFile project;
    try {
        project = vomel::readProjectFile(in);
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
        return 0;
    }
    if (project.lines.empty() || project.lines.size() > vomel::MAX_PROJECT_LINES) {
        vomel::fuzz::fault("a project of " + std::to_string(project.lines.size()) + " lines");
    }
    // Whatever was read can be written, and reads back the same.
    std::string text;
    try {
        text = vomel::projectFileText(project);
        std::istringstream again(text);
        if (withoutLineNumbers(vomel::readProjectFile(again)) != withoutLineNumbers(project)) {
            vomel::fuzz::fault("the project written back reads otherwise:\n" + text);
        }
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::fault(std::string("the project read cannot be written back: ") + failure.what());
    }
    return 0;
}
