#include "stationing/chain_break.h"

#include <cmath>

#include "core/failure.h"
#include "text/number_text.h"

namespace vomel {

StatedStation chainStationLetter(const ChainBreaks& breaks, double s)
{
    double v = s;
    int applied = 0;
    for (int k = 1; k <= breaks.chainBreakCount; ++k) {
        const double back = breaks.breakBackStation[static_cast<std::size_t>(k)];
        if (v > back) {
            v = breaks.breakAheadStation[static_cast<std::size_t>(k)] + v - back;
            ++applied;
        }
    }
    return {v, static_cast<char>('A' + applied)};
}

std::string stationTextPlain(const ChainBreaks& breaks, double s)
{
    const StatedStation at = chainStationLetter(breaks, s);
    const double v = at.stated;
    const bool whole = v * 1000 == std::floor(v) * 1000;
    std::string text = vomel::formatFixed(v, whole ? 0 : 3);
    if (breaks.chainBreakCount != 0) text.insert(text.begin(), at.letter);
    return text;
}

}  // namespace vomel
