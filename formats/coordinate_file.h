#pragma once
// The coordinate file: one surveyed point a line, "label X Y [elevation]",
// read until a blank line or the end of the file. The label is any text
// without blanks, copied byte for byte (GBK or UTF-8).

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "text/input_line.h"

namespace vomel {

// How the points of a coordinate file are written: "label X Y [elevation]"
// with blanks, or the CASS exchange format "name,code,E,N,elevation"
// (formats/cass_points.h).
enum class PointsFormat { Plain, Cass };

struct SurveyPoint {
    std::string label;
    double x = 0.0;
    double y = 0.0;
    double elevation = 0.0;  // taken only from a line of exactly four fields
    long line = 0;  // line of the file the point was read from
    bool hasElevation = false;  // the line gave an elevation
    std::string code = {};  // the CASS code field (empty in the plain format)
};

// A plain line needs a label, X and Y; a line of exactly this many fields
// also carries an elevation (with more, the extra fields are ignored and
// the elevation is 0). The station file's lines count their fields alike.
inline constexpr std::size_t COORDINATE_FIELDS_NEEDED = 3;
inline constexpr std::size_t COORDINATE_FIELDS_WITH_ELEVATION = 4;

// One line of a coordinate file, its line end and CRs already removed, into
// `point` (every member set); false for a blank line (blanks and tabs
// only), which ends the list. Too few fields or a field that is not a
// number is a FormatFailure naming `line`. Every reader of coordinate lines
// calls this.
bool parseCoordinateLine(std::string_view text, long line, PointsFormat format, SurveyPoint& point);

// Reads the points a chunk at a time, so that a long file need not be held
// whole. A line with fewer than three fields or a non-numeric X, Y or
// elevation is a FormatFailure with its file line.
class CoordinateReader {
public:
    explicit CoordinateReader(std::istream& in, PointsFormat format = PointsFormat::Plain) : lines_(in), format_(format)
    {
    }

    // Appends up to maxPoints points to `out`; returns how many it appended.
    // 0 means the list has ended (blank line or end of file).
    std::size_t readChunk(std::vector<SurveyPoint>& out, std::size_t maxPoints);

    bool finished() const { return finished_; }

private:
    LineReader lines_;
    PointsFormat format_;
    bool finished_ = false;
};

// Most points a whole coordinate file may hold: about 150 MB of points in
// memory at once, far more than any survey.
inline constexpr std::size_t MAX_POINTS = 2'000'000;

// Every point of the file; a point beyond maxPoints (MAX_POINTS but in
// tests) is a FormatFailure naming its line.
std::vector<SurveyPoint> readCoordinateFile(std::istream& in, std::size_t maxPoints = MAX_POINTS,
                                            PointsFormat format = PointsFormat::Plain);

}  // namespace vomel
