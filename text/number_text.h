#pragma once
// Numbers as the user reads them: the fixed patterns of the main window
// ("0" and "0.000") and the general form of the results file.

#include <string>

namespace vomel {

// Most significant digits a number is written with (general form and the
// decimal form that fixed-pattern rounding starts from).
inline constexpr int SIGNIFICANT_DIGITS = 15;

// `value` with exactly `decimals` decimals (0 gives a whole number without a
// decimal point), at least one digit before the point. The value is first
// taken to SIGNIFICANT_DIGITS significant digits, the form in which the
// results file shows it, and then rounded with halves away from zero:
// 2.3455 -> "2.346", -2.3455 -> "-2.346", 0.0625 -> "0.063". A value that
// rounds to zero is written without a minus sign ("0.000", never "-0.000").
// A value that is not finite is a GeometryFailure.
std::string formatFixed(double value, int decimals);

// The shortest general decimal form with at most SIGNIFICANT_DIGITS
// significant digits: "350.25", "0.1", "-2.25", "0". The exponent form is
// used only from 1E+15 up and below 1E-04 in magnitude ("1E+15", "1.5E-05").
// Negative zero is written as "0". Locale independent: the decimal point is
// always ".". A value that is not finite is a GeometryFailure.
std::string formatGeneral(double value);

}  // namespace vomel
