// An IFC file through the STEP reader and the whole alignment import: the
// listing of its alignments, the units, placement and stationing, the
// horizontal chain with its joint notes and the vertical profile; then the
// profile's elevations, and, for a short line, the sample table and a few
// solved points.
#include <cstdint>

#include "alignment/element_chain.h"
#include "alignment/vertical_curve_table.h"
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
    const vomel::ramp::ElementChain& chain = *line.chain;
    const double start = chain.nodeStation[1];
    const double end = chain.nodeStation[chain.elementCount + 1];
    vomel::fuzz::requireFiniteResult(start, "start station");
    vomel::fuzz::requireFiniteResult(end, "end station");

    if (line.profile) {
        const vomel::VerticalProfile& profile = *line.profile;
        try {
            for (const vomel::VerticalCurve& curve : profile.curveTable()) {
                for (double s : {curve.startStation, curve.station, curve.endStation}) {
                    if (!profile.contains(s)) continue;
                    vomel::fuzz::requireFiniteResult(profile.elevationAt(s), "elevation");
                }
            }
            vomel::verticalCurveTable(profile, line.chainBreaks);
        } catch (const vomel::Failure& failure) {
            vomel::fuzz::checkFailure(failure);
        }
    }

    if (!(end - start <= vomel::fuzz::FUZZ_SAMPLED_LENGTH)) return 0;
    try {
        vomel::fuzz::sampleAndSolve(vomel::buildAlignment(std::move(line.chain), line.chainBreaks));
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
    }
    return 0;
}
