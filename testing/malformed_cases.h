#pragma once
// The corpus of malformed inputs in tests/data/malformed/: one file per
// fault, named for what is wrong, with the exact reason and line every way
// of reading it must report (the operations, the window and vomel-cli).

#include <array>

namespace malformed {

// How the file is read: as the line's intersection-point file, as the
// chain-break file of a sound intersection-point file, as an element file,
// or as a coordinate file solved on a sound line.
enum class Kind { IntersectionPoint, ChainBreak, Element, Coordinates };

struct Case {
    const char* file;  // in tests/data/malformed/
    Kind kind;
    long line;  // 0: the fault belongs to the whole file
    const char* reason;
};

inline constexpr std::array CASES = {
    Case{"jd_empty.jdx", Kind::IntersectionPoint, 1,
         "the file is empty: the header line with the start station is missing"},
    Case{"jd_non_numeric_start_station.jdx", Kind::IntersectionPoint, 1, "field 1 is not a number: \"abc\""},
    Case{"jd_non_numeric_x.jdx", Kind::IntersectionPoint, 5, "field 1 is not a number: \"500x\""},
    Case{"jd_data_line_six_fields.jdx", Kind::IntersectionPoint, 5,
         "the data line of \"JD1\" has 6 numbers; expected 5 (X Y R Ls1 Ls2) or 7 (... RA1 RA2)"},
    Case{"jd_data_line_missing.jdx", Kind::IntersectionPoint, 5,
         "the file ends after the name \"ZD\": its data line is missing"},
    Case{"jd_single_point.jdx", Kind::IntersectionPoint, 0,
         "the intersection-point table has 1 rows; a line needs at least a start and an end point"},
    Case{"jd_nan_radius.jdx", Kind::IntersectionPoint, 5, "field 3 is not a number: \"nan\""},
    Case{"jd_start_station_beyond_range.jdx", Kind::IntersectionPoint, 1,
         "field 1 is beyond ±1000000000, the largest magnitude accepted: \"1e300\""},
    Case{"jd_coordinate_near_double_max.jdx", Kind::IntersectionPoint, 5,
         "field 1 is beyond ±1000000000, the largest magnitude accepted: \"1.7e308\""},
    Case{"jd_line_too_long_to_sample.jdx", Kind::IntersectionPoint, 0,
         "the line is 900000000 m long; at most 10000000 m can be sampled"},
    Case{"jd_cr_only_line_ends.jdx", Kind::IntersectionPoint, 1,
         "a carriage return (CR) inside the line: lines must end in CR LF or LF"},

    Case{"dl_one_field.dl", Kind::ChainBreak, 1,
         "a chain break needs two numbers, the back station and the ahead station"},
    Case{"dl_non_numeric_ahead_station.dl", Kind::ChainBreak, 1, "field 2 is not a number: \"26x0\""},
    Case{"dl_station_beyond_range.dl", Kind::ChainBreak, 1,
         "field 2 is beyond ±1000000000, the largest magnitude accepted: \"1e12\""},

    Case{"ele_empty.ele", Kind::Element, 1,
         "start line: 0 of the four numbers (station, X, Y, azimuth) before the end of the file"},
    Case{"ele_start_line_three_values.ele", Kind::Element, 1,
         "start line: 3 of the four numbers (station, X, Y, azimuth) before the end of the file"},
    Case{"ele_element_line_two_fields.ele", Kind::Element, 2,
         "element line has 2 fields; start radius, end radius and length are needed"},
    Case{"ele_non_numeric_radius.ele", Kind::Element, 2, "field 1 is not a number: \"R300\""},
    Case{"ele_azimuth_beyond_range.ele", Kind::Element, 1,
         "field 4, the start azimuth, is 214749 degrees or more: \"1e20\""},
    Case{"ele_length_beyond_range.ele", Kind::Element, 2,
         "field 3 is beyond ±1000000000, the largest magnitude accepted: \"1e10\""},
    Case{"ele_partial_spiral_of_a_million_radians.ele", Kind::Element, 0,
         "element 1: the partial spiral turns through 1010016.83333333 rad; at most 25.1327412287183 (four full "
         "turns) are accepted"},
    Case{"ele_line_too_long_to_sample.ele", Kind::Element, 0,
         "the line is 900000000 m long; at most 10000000 m can be sampled"},
    // The element method's line may be an IFC file.
    Case{"ifc_cut_short.ifc", Kind::Element, 9,
         "the file ends inside its DATA section: ENDSEC; is missing (is it cut short?)"},

    Case{"xy_two_fields.xy", Kind::Coordinates, 2, "a point needs a label, X and Y; the line has 2 fields"},
    Case{"xy_non_numeric_y.xy", Kind::Coordinates, 2, "field 3 is not a number: \"1O.5\""},
    Case{"xy_infinite_x.xy", Kind::Coordinates, 1, "field 2 is not a number: \"inf\""},
    Case{"xy_hex_number.xy", Kind::Coordinates, 1, "field 2 is not a number: \"0x1p3\""},
    Case{"xy_coordinate_near_double_max.xy", Kind::Coordinates, 2,
         "field 2 is beyond ±1000000000, the largest magnitude accepted: \"1.7e308\""},
    Case{"xy_cr_inside_line.xy", Kind::Coordinates, 1,
         "a carriage return (CR) inside the line: lines must end in CR LF or LF"},
};

}  // namespace malformed
