// The profile file through the vertical profile: elevations and grades at
// the grade points, the curve ends and between them, and the curve table.
#include <cstdint>

#include "alignment/vertical_curve_table.h"
#include "formats/profile_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = vomel::fuzz::asFile(data, size);
    try {
        const vomel::VerticalProfile profile = vomel::readProfileFile(in, {});
        for (const vomel::VerticalCurve& curve : profile.curveTable()) {
            for (double s :
                 {curve.startStation, curve.station, curve.endStation, (curve.startStation + curve.station) / 2}) {
                if (!profile.contains(s)) continue;
                vomel::fuzz::requireFiniteResult(profile.elevationAt(s), "elevation");
                vomel::fuzz::requireFiniteResult(profile.gradeAt(s), "grade");
            }
        }
        vomel::fuzz::requireFiniteResult(profile.elevationAt(profile.endStation()), "elevation at the end");
        vomel::verticalCurveTable(profile, {});
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
    }
    return 0;
}
