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

std::vector<ChainBreakOutside> chainBreaksOutside(const ChainBreaks& breaks, double start, double end)
{
    std::vector<ChainBreakOutside> outside;
    double atStart = start;
    double atEnd = end;
    for (int k = 1; k <= breaks.chainBreakCount; ++k) {
        const double back = breaks.breakBackStation[static_cast<std::size_t>(k)];
        const double ahead = breaks.breakAheadStation[static_cast<std::size_t>(k)];
        if (atStart > back) {
            outside.push_back({k, true, back, ahead, atStart});
        } else if (back - atEnd > CHAIN_BREAK_AT_END_ROUNDING) {
            outside.push_back({k, false, back, ahead, atEnd});
        }
        // The same walk as chainStationLetter, for both ends at once.
        if (atStart > back) atStart = ahead + atStart - back;
        if (atEnd > back) atEnd = ahead + atEnd - back;
    }
    return outside;
}

Wording chainBreakOutsideWording(const ChainBreakOutside& outside)
{
    const std::string row = std::to_string(outside.row);
    const std::string back = vomel::formatFixed(outside.back, 3);
    const std::string ahead = vomel::formatFixed(outside.ahead, 3);
    const std::string end = vomel::formatFixed(outside.lineEnd, 3);
    if (outside.beforeStart) {
        return worded(VOMEL_TRANSLATE_NOOP("Failure", "chain break %1 (%2 = %3) lies before the start of the line (%4 "
                                                      "in its chain): it moves every station"),
                      row, back, ahead, end);
    }
    return worded(VOMEL_TRANSLATE_NOOP("Failure", "chain break %1 (%2 = %3) lies beyond the end of the line (%4 in its "
                                                  "chain): it moves no station"),
                  row, back, ahead, end);
}

}  // namespace vomel
