#include "formats/results_line_append.h"

#include "text/fast_number_text.h"

namespace vomel {

namespace {

// A number item under the rule of ResultLine: a blank (a minus sign instead
// for a negative value, with one blank before it right after a text item),
// the number, a blank.
void appendNumberItem(std::string& out, double value, bool afterText)
{
    if (!(value < 0.0) || afterText) out += ' ';
    appendGeneral(out, value);
    out += ' ';
}

}  // namespace

void appendResultsDataLine(std::string& out, const SurveyPoint& point, const Solution& solution,
                           const vomel::ChainBreaks& breaks)
{
    const vomel::StatedStation stated = vomel::chainStationLetter(breaks, solution.station);
    out += point.label;
    appendNumberItem(out, point.x, true);
    appendNumberItem(out, point.y, false);
    const bool letter = breaks.chainBreakCount != 0;
    if (letter) out += stated.letter;
    appendNumberItem(out, stated.stated, letter);
    appendNumberItem(out, solution.offset, false);
    appendNumberItem(out, solution.footX, false);
    appendNumberItem(out, solution.footY, false);
    appendNumberItem(out, point.elevation, false);
    out += "\r\n";
}

}  // namespace vomel
