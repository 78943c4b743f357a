#include "formats/ifc_joints.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "alignment/placed_chain.h"
#include "core/angles.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel::ifc {

namespace {

// Relative rounding of a coordinate held as a double and written out to 15
// or more digits: a few ulps of its magnitude.
constexpr double COORDINATE_ROUNDING = 64.0 * std::numeric_limits<double>::epsilon();

}  // namespace

double jointGapTolerance(LengthUnit unit, double coordinateMagnitude)
{
    return std::max(JOINT_GAP_TOLERANCE / metresPerUnit(unit), COORDINATE_ROUNDING * coordinateMagnitude);
}

double jointKinkTolerance() { return JOINT_KINK_TOLERANCE; }

std::vector<Wording> jointNotes(const std::string& alignment, const ElementChain& chain,
                                const std::vector<Wording>& segmentNames, LengthUnit unit)
{
    // File element of each chain element: only placed elements start one.
    std::vector<std::size_t> fileElement(static_cast<std::size_t>(chain.elementCount) + 1, 0);
    std::size_t current = 0;
    for (int i = 1; i <= chain.elementCount; ++i) {
        if (chain.elementPlaced[static_cast<std::size_t>(i)] && i > 1) ++current;
        fileElement[static_cast<std::size_t>(i)] = current;
    }
    auto nameOf = [&](std::size_t k) { return k < segmentNames.size() ? segmentNames[k] : Wording("?"); };
    std::vector<Wording> notes;
    for (const ChainJoint& joint : chainJoints(chain)) {
        const auto i = static_cast<std::size_t>(joint.element);
        const double magnitude = std::max(std::fabs(chain.nodeX[i]), std::fabs(chain.nodeY[i]));
        const bool gap = joint.gap > jointGapTolerance(unit, magnitude);
        const bool kink = std::fabs(joint.kink) > jointKinkTolerance();
        if (!gap && !kink) continue;
        const std::size_t after = fileElement[i];
        const std::string gapText = formatFixed(joint.gap, 4) + " " + lengthUnitSymbol(unit);
        const std::string angleText = formatFixed(joint.kink * 180.0 / PI, 6) + "°";
        const Wording how =
            gap && kink
                ? worded(VOMEL_TRANSLATE_NOOP("Failure", "with a gap of %1 and at an angle of %2"), gapText, angleText)
            : gap ? worded(VOMEL_TRANSLATE_NOOP("Failure", "with a gap of %1"), gapText)
                  : worded(VOMEL_TRANSLATE_NOOP("Failure", "at an angle of %1"), angleText);
        notes.push_back(worded(
            VOMEL_TRANSLATE_NOOP("Failure", "alignment %1: %2 and %3 meet at station %4 %5; imported as a corner"),
            quotedExcerpt(alignment), nameOf(after - 1), nameOf(after), formatFixed(joint.station, 4), how));
    }
    return notes;
}

}  // namespace vomel::ifc
