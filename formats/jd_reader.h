#pragma once
// The intersection-point (JD) file of the main line.
//
//   line 1        LABEL,START_STATION   (or LABEL alone, the station on line 2)
//   then pairs of
//   name line     the row's name, e.g. QD, JD1, JD7HT11, ZD (bytes kept as read)
//   data line     X Y R Ls1 Ls2 [RA1 RA2]   (5 or 7 numbers)
//
// A blank name line or the end of the file ends the table. A name holding
// "HT" in any case marks a hairpin curve; its last two characters, when "1",
// keep the incoming and the outgoing side in their forward direction.

#include <istream>
#include <memory>
#include <string_view>

#include "alignment/main_line.h"

namespace vomel {

// Reads the whole file into `line` (start station, input columns, jdCount).
// A malformed file is a FormatFailure carrying the line number; `line` is
// then left exactly as it was.
void readJdFile(std::istream& in, vomel::MainLine& line);

// The main line of a JD file with its curve elements computed, ready to
// use (readJdFile, then computeCurveElements).
std::shared_ptr<const MainLine> readMainLine(std::istream& in);

// The hairpin flags that a row's name gives.
struct HairpinFlags {
    bool isHairpin = false;
    bool inForward = false;
    bool outForward = false;
};
HairpinFlags hairpinFlags(std::string_view name);

}  // namespace vomel
