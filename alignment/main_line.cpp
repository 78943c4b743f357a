#include "alignment/main_line.h"

#include "text/input_line.h"

namespace vomel {

namespace {
constexpr std::size_t ROWS = JD_CAPACITY + 1;  // index 0 unused
}

MainLine::MainLine()
    : jdName(ROWS), jdX(ROWS), jdY(ROWS), jdRadius(ROWS), jdSpiralIn(ROWS), jdSpiralOut(ROWS), jdOuterRadiusIn(ROWS),
      jdOuterRadiusOut(ROWS), jdIsHairpin(ROWS), jdHairpinInForward(ROWS), jdHairpinOutForward(ROWS), sideAzimuth(ROWS),
      jdDeflection(ROWS), jdStation(ROWS), tangentIn(ROWS), tangentOut(ROWS), curveLength(ROWS), spiralExtraIn(ROWS),
      spiralExtraOut(ROWS), originAzimuthIn(ROWS), originAzimuthOut(ROWS), originTurn(ROWS), zhStation(ROWS),
      hyStation(ROWS), yhStation(ROWS), hzStation(ROWS), zhX(ROWS), zhY(ROWS), hyX(ROWS), hyY(ROWS), hzX(ROWS),
      hzY(ROWS), hyAzimuth(ROWS)
{
}

vomel::Wording rowLabel(const MainLine& line, int row)
{
    if (row >= 1 && row <= JD_CAPACITY && !line.jdName[static_cast<std::size_t>(row)].empty()) {
        return vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "intersection point %1 (%2)"), std::to_string(row),
                             line.jdName[static_cast<std::size_t>(row)].substr(0, vomel::MAX_QUOTED_BYTES));
    }
    return vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "intersection point %1"), std::to_string(row));
}

}  // namespace vomel
