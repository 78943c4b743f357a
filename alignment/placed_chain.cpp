#include "alignment/placed_chain.h"

#include <cmath>
#include <string>

#include "alignment/reverse_spiral.h"
#include "core/angles.h"
#include "core/failure.h"

namespace vomel {

namespace {

// Appends element `shape` to the chain's element table; `start` when it has
// a start of its own.
void append(ElementChain& chain, const ElementShape& shape, const PlacedElement* start)
{
    const auto i = static_cast<std::size_t>(++chain.elementCount);
    chain.elementStartRadius[i] = shape.startRadius;
    chain.elementEndRadius[i] = shape.endRadius;
    chain.elementLength[i] = shape.length;
    chain.rowStartRadius[i] = shape.startRadius;
    chain.rowEndRadius[i] = shape.endRadius;
    chain.rowLength[i] = shape.length;
    chain.elementPlaced[i] = start != nullptr;
    if (start != nullptr) {
        chain.elementPlacedX[i] = start->start.x;
        chain.elementPlacedY[i] = start->start.y;
        chain.elementPlacedAzimuth[i] = start->startAzimuth;
    }
}

}  // namespace

std::shared_ptr<ElementChain> layOutPlacedChain(double startStation, const std::vector<PlacedElement>& elements)
{
    if (elements.empty()) throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "the line holds no element"));
    auto chain = std::make_shared<ElementChain>();
    chain->chainStartStation = startStation;
    chain->chainStartX = elements.front().start.x;
    chain->chainStartY = elements.front().start.y;
    chain->chainStartAzimuth = elements.front().startAzimuth;
    for (std::size_t k = 0; k < elements.size(); ++k) {
        const PlacedElement& element = elements[k];
        const bool reverse = isReverseSpiral(element.shape.startRadius, element.shape.endRadius);
        const int needed = chain->elementCount + (reverse ? 2 : 1);
        if (needed > MAX_ELEMENTS) {
            throw FormatFailure(
                VOMEL_TRANSLATE_NOOP("Failure", "element %1: more than %2 elements (reverse spirals count twice)"),
                std::to_string(k + 1), std::to_string(MAX_ELEMENTS));
        }
        if (!reverse) {
            append(*chain, element.shape, &element);
            continue;
        }
        const auto [exit, entry] = splitAtZeroCurvature(element.shape);
        append(*chain, exit, &element);
        append(*chain, entry, nullptr);
    }
    chain->rowCount = chain->elementCount;
    prepareElementChain(*chain);
    return chain;
}

std::vector<ChainJoint> chainJoints(const ElementChain& chain)
{
    std::vector<ChainJoint> joints;
    for (int i = 2; i <= chain.elementCount; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const double gap = std::hypot(chain.nodeX[k] - chain.endX[k - 1], chain.nodeY[k] - chain.endY[k - 1]);
        const double kink = signedAngle(chain.nodeAzimuth[k] - chain.endAzimuth[k - 1]);
        joints.push_back({i, chain.nodeStation[k], gap, kink});
    }
    return joints;
}

bool isCorner(const ChainJoint& joint, double metresPerUnit)
{
    return joint.gap * metresPerUnit > JOINT_GAP_TOLERANCE || std::fabs(joint.kink) > JOINT_KINK_TOLERANCE;
}

}  // namespace vomel
