#pragma once
// Malformed profile, cross-fall and CASS files in tests/data/malformed/,
// and LandXML files whose units cannot be read, with the exact
// line and reason every way of reading them must report. Each is read on a
// sound line without chain breaks (a LandXML file is its own line).

#include <array>

namespace malformed {

enum class DesignKind { Profile, CrossFall, CassPoints, LandXml };

struct DesignCase {
    const char* file;
    DesignKind kind;
    long line;
    const char* reason;
};

inline constexpr std::array DESIGN_CASES = {
    DesignCase{"profile_stations_out_of_order.profile", DesignKind::Profile, 3,
               "the station 250 does not follow the previous grade point's 300: stations must increase"},
    DesignCase{"profile_overlapping_curves.profile", DesignKind::Profile, 3,
               "the vertical curve (T = 200 m) overlaps the one of the previous grade point (T = 200 m): they are "
               "200 m apart"},
    DesignCase{"profile_curve_longer_than_its_side.profile", DesignKind::Profile, 2,
               "the vertical curve (T = 305.555555555556 m) is longer than the grade before it (100 m)"},
    DesignCase{"profile_negative_radius.profile", DesignKind::Profile, 2, "the radius -5 is negative"},
    DesignCase{"profile_radius_on_first_point.profile", DesignKind::Profile, 1,
               "the first grade point has a radius: a vertical curve needs a grade on both sides"},
    DesignCase{"profile_k_form_metres_of_1000.profile", DesignKind::Profile, 2,
               "field 1: the metres after + are 1000 or more: \"K0+1000\""},
    DesignCase{"crossfall_two_fields.crossfall", DesignKind::CrossFall, 2,
               "a cross-fall line is `station left right` (percent); the line has 2 fields"},
    DesignCase{"cass_four_fields.dat", DesignKind::CassPoints, 2,
               "a CASS point is `name,code,E,N,elevation`; the line has 4 fields"},
    DesignCase{"landxml_lengths_in_inches.xml", DesignKind::LandXml, 4,
               "lengths are in inch (Imperial linearUnit); only files in metres, US survey feet or international "
               "feet can be imported"},
    DesignCase{"landxml_cubic_spiral.xml", DesignKind::LandXml, 7,
               "alignment \"A\", element 2 (Spiral): spiType is \"cubic\"; only clothoid spirals can be imported"},
};

}  // namespace malformed
