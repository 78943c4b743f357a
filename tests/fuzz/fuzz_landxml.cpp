// A LandXML document through the whole importer: the listing of its
// alignments, the units, the element chain with its continuity checks, the
// station equations and the ProfAlign; then the profile's elevations and
// curve table, and, for a short line, the sample table and a few solved
// points.
#include <cstdint>
#include <utility>

#include "formats/landxml_reader.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        auto in = vomel::fuzz::asFile(data, size);
        for (const vomel::LandXmlAlignmentInfo& info : vomel::listLandXmlAlignments(in)) {
            vomel::fuzz::requireFiniteResult(info.startStation, "listed start station");
            vomel::fuzz::requireFiniteResult(info.length, "listed length");
        }
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
    }

    auto in = vomel::fuzz::asFile(data, size);
    vomel::ImportedLine line;
    try {
        line = vomel::readLandXml(in);
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
        return 0;
    }
    vomel::fuzz::checkImportedLine(std::move(line));
    return 0;
}
