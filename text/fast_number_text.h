#pragma once
// The general form of the results file written straight into a buffer: the
// same bytes as formatGeneral (text/number_text.h), without a string per
// number and without the general-purpose conversion for the usual
// magnitudes.

#include <string>

namespace vomel {

// Appends formatGeneral(value) to `out`. A value that is not finite is a
// GeometryFailure, as there.
void appendGeneral(std::string& out, double value);

}  // namespace vomel
