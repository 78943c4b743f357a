// The element file through the reader, the reverse-spiral split, the packed
// azimuth, the chain preparation, the point at a station, the sample table
// and a few solved points.
#include <cstdint>

#include "alignment/element_chain.h"
#include "formats/element_file.h"
#include "tests/fuzz/fuzz_support.h"
#include "text/packed_angle.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = vomel::fuzz::asFile(data, size);
    auto chain = std::make_shared<vomel::ElementChain>();
    try {
        vomel::readElementFile(in, *chain);
        vomel::layOutChain(*chain);
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
        return 0;
    }
    const auto n = static_cast<std::size_t>(chain->elementCount);
    for (std::size_t i = 1; i <= n + 1; ++i) {
        vomel::fuzz::requireFiniteResult(chain->nodeStation[i], "node station");
        vomel::fuzz::requireFiniteResult(chain->nodeX[i], "node X");
        vomel::fuzz::requireFiniteResult(chain->nodeY[i], "node Y");
        vomel::fuzz::requireFiniteResult(chain->nodeAzimuth[i], "node azimuth");
    }
    const double start = chain->nodeStation[1];
    const double end = chain->nodeStation[n + 1];

    for (double s : {start - 10.0, start, (start + end) / 2, end, end + 10.0, 1e15, -1e15}) {
        try {
            const vomel::Point p = vomel::elementChainPointAt(*chain, s);
            vomel::fuzz::requireFiniteResult(p.x, "X at a station");
            vomel::fuzz::requireFiniteResult(p.y, "Y at a station");
        } catch (const vomel::Failure& failure) {
            vomel::fuzz::checkFailure(failure);
        }
    }

    if (!(end - start <= vomel::fuzz::FUZZ_SAMPLED_LENGTH)) return 0;
    try {
        vomel::fuzz::sampleAndSolve(vomel::prepareLine(std::move(chain)));
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
    }
    return 0;
}
