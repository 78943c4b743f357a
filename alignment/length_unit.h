#pragma once
// The unit of a design line's lengths. Every line is computed in the unit
// its files give: metres for our own files and for metric LandXML, feet for
// a LandXML file in US survey feet or international feet. Stations,
// offsets, coordinates and elevations then all share that unit; nothing is
// converted.

namespace vomel {

enum class LengthUnit {
    Metre,
    UsSurveyFoot,  // 1200/3937 m
    InternationalFoot,  // 0.3048 m
};

// Metres in one unit of `unit`.
double metresPerUnit(LengthUnit unit);

// "metres", "US survey feet", "international feet": for messages.
const char* lengthUnitName(LengthUnit unit);

// "m", "ft" (both feet), for lengths in messages.
const char* lengthUnitSymbol(LengthUnit unit);

}  // namespace vomel
