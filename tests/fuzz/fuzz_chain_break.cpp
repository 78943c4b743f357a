// The chain-break file, then stated stations and station texts on it.
#include <cstdint>

#include "formats/chain_break_file.h"
#include "stationing/chain_break.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

// End station of the main line the breaks belong to, metres.
constexpr double LINE_END_STATION = 25000.0;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto in = vomel::fuzz::asFile(data, size);
    vomel::ChainBreaks breaks;
    try {
        breaks = vomel::readChainBreakFile(in, LINE_END_STATION);
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
        return 0;
    }
    if (breaks.chainBreakCount < 0 || breaks.chainBreakCount > vomel::MAX_CHAIN_BREAKS) {
        vomel::fuzz::fault("chain-break count " + std::to_string(breaks.chainBreakCount));
    }

    // Stations on, just beside and between the breaks, and the line's ends.
    std::vector<double> stations = {0.0, -1.5, 1234.0004, LINE_END_STATION};
    for (int k = 1; k <= breaks.chainBreakCount; ++k) {
        const double back = breaks.breakBackStation[static_cast<std::size_t>(k)];
        stations.insert(stations.end(), {back, back + 0.0005, back - 0.25, back + 1.0});
    }
    for (double s : stations) {
        try {
            const vomel::StatedStation at = vomel::chainStationLetter(breaks, s);
            vomel::fuzz::requireFiniteResult(at.stated, "stated station");
            if (at.letter < 'A' || at.letter > 'A' + breaks.chainBreakCount) {
                vomel::fuzz::fault(std::string("letter ") + at.letter);
            }
            const std::string text = vomel::stationTextPlain(breaks, s);
            if (text.empty() || text.find("nan") != std::string::npos || text.find("inf") != std::string::npos) {
                vomel::fuzz::fault("station text \"" + text + "\"");
            }
        } catch (const vomel::Failure& failure) {
            vomel::fuzz::checkFailure(failure);
        }
    }
    return 0;
}
