#include "mainline/chain_break.h"

#include <cmath>

#include "app/failure.h"
#include "app/input_line.h"
#include "app/number_text.h"

namespace zxbas {

// A first back station of exactly this value declares a line without breaks.
inline constexpr double NO_BREAKS_MARK = -1.0;

ChainBreaks readChainBreakFile(std::istream& in, double endStation)
{
    ChainBreaks table;
    vomel::LineReader reader(in);
    std::string line;
    int count = 0;
    while (reader.next(line)) {
        const auto fields = vomel::normaliseLine(line);
        if (!fields) break;
        const long lineNo = reader.lineNumber();
        if (fields->size() < 2) {
            throw vomel::FormatFailure(
                "a chain break needs two numbers, the back station and the ahead station", lineNo);
        }
        if (count == MAX_CHAIN_BREAKS) {
            throw vomel::FormatFailure(
                "more than " + std::to_string(MAX_CHAIN_BREAKS) + " chain breaks", lineNo);
        }
        ++count;
        table.breakBackStation[count] = vomel::parseMeasureField((*fields)[0], lineNo, 1);
        table.breakAheadStation[count] = vomel::parseMeasureField((*fields)[1], lineNo, 2);
    }
    table.chainBreakCount = count;
    table.breakBackStation[0] = 0.0;
    table.breakAheadStation[0] = 0.0;
    table.breakBackStation[count + 1] = endStation;
    table.breakAheadStation[count + 1] = endStation;
    if (count > 0 && table.breakBackStation[1] == NO_BREAKS_MARK) table.chainBreakCount = 0;
    return table;
}

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

}  // namespace zxbas
