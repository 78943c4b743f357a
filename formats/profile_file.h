#pragma once
// The profile file and the cross-fall file, read with the input-line rules
// of every other file (blanks or tabs between fields, CR LF or LF). Blank
// lines are skipped. Stations are continuous ("5030"), stated with their
// chain letter ("B1030.5") or in the K form ("K5+030.00", "BK1+030.5"),
// and are converted to continuous stations through the line's chain breaks.
//
// Profile:    station elevation [radius]    one grade point a line
// Cross-fall: station left right            slopes in percent
//
// Every fault is a FormatFailure naming the line.

#include <istream>
#include <memory>
#include <string>

#include "alignment/cross_fall.h"
#include "alignment/vertical_profile.h"
#include "stationing/chain_break.h"

namespace vomel {

VerticalProfile readProfileFile(std::istream& in, const vomel::ChainBreaks& breaks);
CrossFall readCrossFallFile(std::istream& in, const vomel::ChainBreaks& breaks);

// The files by name; failures name the file.
std::shared_ptr<const VerticalProfile> loadProfile(const std::string& path, const vomel::ChainBreaks& breaks);
std::shared_ptr<const CrossFall> loadCrossFall(const std::string& path, const vomel::ChainBreaks& breaks);

}  // namespace vomel
