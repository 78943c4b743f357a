#pragma once
// CASS coordinate data (.dat), the exchange format of survey software,
// total stations and RTK controllers: one point a line,
//     name,code,E,N,elevation
// with commas; the code is often empty. E is the second coordinate (Y, the
// easting) and N the first (X, the northing).

#include <string>
#include <string_view>

#include "core/point.h"
#include "formats/coordinate_file.h"

namespace vomel {

// One line (its line end removed) as a point: the name becomes the label
// (blanks around it trimmed, otherwise byte for byte), the code is kept. An
// empty elevation field gives no elevation. A line without exactly five
// fields, an empty name, or a coordinate that is not a number is a
// FormatFailure naming the line.
SurveyPoint parseCassLine(std::string_view text, long line);

// "name,code,E,N,elevation" with CR LF, numbers in their general form. A
// name or code holding a comma (which would shift the fields) is a
// FormatFailure naming `line`.
std::string cassLine(const std::string& name, const std::string& code, Point point, double elevation, long line);

}  // namespace vomel
