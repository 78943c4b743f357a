#pragma once
// Angles written as packed degrees ±D.MMSSs: whole degrees, two digits of
// minutes, two digits of seconds and any further digits as decimals of a
// second.

namespace vomel {

// A packed angle whose whole degrees reach this is rejected: such a value
// is no azimuth, and the digit groups would overflow 32-bit arithmetic.
inline constexpr double MAX_PACKED_DEGREES = 214749.0;

// The packed angle in decimal degrees, minutes and seconds taken from the
// digits as written: 1.1500 gives 1.25, 12.345678 gives 12 + 34/60 +
// 56.78/3600. A value of MAX_PACKED_DEGREES or more in magnitude, or one
// that is not finite, is a vomel::FormatFailure.
double packedDmsToDegrees(double packed);

}  // namespace vomel
