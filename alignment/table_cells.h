#pragma once
// The cells of a curve table, as the drawings show their values.

#include <string>

#include "stationing/chain_break.h"

namespace vomel {

// Seconds of arc are shown with this many decimals (0.0001" is 5e-10 rad).
inline constexpr int SECOND_DECIMALS = 4;
// Computed lengths and coordinates to a tenth of a millimetre, angles in
// radians to 1e-10 rad: finer than the drawings, and narrow enough for
// the whole table to fit a screen.
inline constexpr int LENGTH_DECIMALS = 4;
inline constexpr int RADIAN_DECIMALS = 10;

// A value read from a file (coordinate, radius, spiral length) in its
// general form.
std::string inputCell(double value);
// A computed length or coordinate, LENGTH_DECIMALS decimals.
std::string lengthCell(double value);
// An angle in radians, RADIAN_DECIMALS decimals.
std::string radiansCell(double value);
// A stated station with its letter when the line has chain breaks,
// millimetres as on the drawings.
std::string stationCell(const ChainBreaks& breaks, double continuous);

// A signed angle in degrees, minutes and seconds: -45°30'15.2500".
std::string angleDms(double radians);

}  // namespace vomel
