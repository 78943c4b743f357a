// An IFC file through the STEP reader and the whole alignment import: the
// listing of its alignments, the units, placement and stationing, the
// horizontal chain with its joint notes and the vertical profile; then the
// profile's elevations, and, for a short line, the sample table and a few
// solved points.
#include <cstdint>
#include <utility>

#include "formats/ifc_reader.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        auto in = vomel::fuzz::asFile(data, size);
        for (const vomel::IfcAlignmentInfo& info : vomel::listIfcAlignments(in)) {
            vomel::fuzz::requireFiniteResult(info.startStation, "listed start station");
            vomel::fuzz::requireFiniteResult(info.endStation, "listed end station");
        }
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
    }

    auto in = vomel::fuzz::asFile(data, size);
    vomel::ImportedLine line;
    try {
        line = vomel::readIfc(in);
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
        return 0;
    }
    vomel::fuzz::checkImportedLine(std::move(line));
    return 0;
}
