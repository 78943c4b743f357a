// The cross-fall file through the slopes and rises on both sides.
#include <cstdint>

#include "formats/profile_file.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = vomel::fuzz::asFile(data, size);
    try {
        const vomel::CrossFall crossFall = vomel::readCrossFallFile(in, {});
        for (const vomel::CrossFallRow& row : crossFall.rows()) {
            for (double s : {row.station - 1, row.station, row.station + 0.5}) {
                vomel::fuzz::requireFiniteResult(crossFall.riseAt(s, 12.5), "left rise");
                vomel::fuzz::requireFiniteResult(crossFall.riseAt(s, -12.5), "right rise");
            }
        }
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
    }
    return 0;
}
