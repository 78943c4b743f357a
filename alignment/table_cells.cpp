#include "alignment/table_cells.h"

#include <cmath>
#include <cstdio>

#include "core/angles.h"
#include "core/failure.h"
#include "text/number_text.h"

namespace vomel {

std::string inputCell(double value) { return formatGeneral(value); }
std::string lengthCell(double value) { return formatFixed(value, LENGTH_DECIMALS); }
std::string radiansCell(double value) { return formatFixed(value, RADIAN_DECIMALS); }

std::string stationCell(const ChainBreaks& breaks, double continuous)
{
    const StatedStation stated = chainStationLetter(breaks, continuous);
    std::string text = formatFixed(stated.stated, 3);
    if (breaks.chainBreakCount != 0) text.insert(text.begin(), stated.letter);
    return text;
}

std::string angleDms(double radians)
{
    requireFinite(radians, VOMEL_TRANSLATE_NOOP("Failure", "angle"));
    const double degrees = std::fabs(radians) * 180.0 / PI;
    const double scale = std::pow(10.0, SECOND_DECIMALS);
    // Rounded once, in units of the last decimal of a second, so that a
    // carry runs through seconds and minutes.
    const double units = std::round(degrees * 3600.0 * scale);
    const double wholeSeconds = std::floor(units / scale);
    const auto d = static_cast<long long>(std::floor(wholeSeconds / 3600.0));
    const auto m = static_cast<int>(std::floor((wholeSeconds - static_cast<double>(d) * 3600.0) / 60.0));
    const double s = (units - (static_cast<double>(d) * 3600.0 + m * 60.0) * scale) / scale;
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld°%02d'%0*.*f\"", (radians < 0 && units != 0) ? "-" : "", d, m,
                  SECOND_DECIMALS + 3, SECOND_DECIMALS, s);
    return text;
}

}  // namespace vomel
