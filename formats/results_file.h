#pragma once
// The results file: one header line, then one line per point in input
// order, CR LF line ends. Each line is its items side by side: a text item
// as it is, a number as one blank (a minus sign instead for a negative
// value), the number in its general form, one blank. A negative number
// right after a text item gets one blank before its sign, so that the text
// can still be told from the number.

#include <string>
#include <string_view>

#include "formats/coordinate_file.h"
#include "solver/solution.h"
#include "stationing/chain_break.h"

namespace vomel {

// Encoding of the header's Chinese captions; labels are always copied as
// they were read.
enum class HeaderEncoding { Gbk, Utf8 };

// The header line with its CR LF; "断链标识 " only when the line has breaks.
std::string resultsHeader(bool withChainBreaks, HeaderEncoding encoding);

// A text of the window's (UTF-8) in `encoding`, as the header is written.
std::string encodedText(const std::string& utf8, HeaderEncoding encoding);

// Builds one line item by item under the number rule.
class ResultLine {
public:
    void addText(std::string_view text);
    void addNumber(double value);  // a value that is not finite is a GeometryFailure
    // The line with its CR LF.
    std::string finish() const { return text_ + "\r\n"; }

private:
    std::string text_;
    bool afterText_ = false;
};

// The data line of one point: label, X, Y, [letter,] stated station, offset,
// foot X, foot Y, elevation. The letter column is written only when the
// line has chain breaks.
std::string resultsDataLine(const SurveyPoint& point, const Solution& solution, const vomel::ChainBreaks& breaks);

}  // namespace vomel
