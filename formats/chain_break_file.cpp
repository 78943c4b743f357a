#include "formats/chain_break_file.h"

#include <string>

#include "core/failure.h"
#include "text/input_line.h"

namespace vomel {

// A first back station of exactly this value declares a line without breaks.
inline constexpr double NO_BREAKS_MARK = -1.0;

ChainBreaks readChainBreakFile(std::istream& in, double endStation)
{
    ChainBreaks table;
    LineReader reader(in);
    std::string line;
    int count = 0;
    while (reader.next(line)) {
        const auto fields = normaliseLine(line);
        if (!fields) break;
        const long lineNo = reader.lineNumber();
        if (fields->size() < 2) {
            throw FormatFailure(FailureCode::ChainBreakFields, {}, lineNo);
        }
        if (count == MAX_CHAIN_BREAKS) {
            throw FormatFailure(FailureCode::TooManyChainBreaks, {std::to_string(MAX_CHAIN_BREAKS)}, lineNo);
        }
        ++count;
        table.breakBackStation[count] = parseMeasureField((*fields)[0], lineNo, 1);
        table.breakAheadStation[count] = parseMeasureField((*fields)[1], lineNo, 2);
    }
    table.chainBreakCount = count;
    table.breakBackStation[0] = 0.0;
    table.breakAheadStation[0] = 0.0;
    table.breakBackStation[count + 1] = endStation;
    table.breakAheadStation[count + 1] = endStation;
    if (count > 0 && table.breakBackStation[1] == NO_BREAKS_MARK) table.chainBreakCount = 0;
    return table;
}

}  // namespace vomel
