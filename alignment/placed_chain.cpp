#include "alignment/placed_chain.h"

#include <cmath>
#include <string>

#include "core/angles.h"
#include "core/failure.h"

namespace vomel::ramp {

namespace {

bool isReverseSpiral(const ElementShape& shape)
{
    return shape.startRadius != INFINITE_RADIUS && shape.endRadius != INFINITE_RADIUS &&
           shape.startRadius * shape.endRadius < 0.0;
}

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
    if (elements.empty()) throw FormatFailure("the line holds no element");
    auto chain = std::make_shared<ElementChain>();
    chain->chainStartStation = startStation;
    chain->chainStartX = elements.front().start.x;
    chain->chainStartY = elements.front().start.y;
    chain->chainStartAzimuth = elements.front().startAzimuth;
    for (std::size_t k = 0; k < elements.size(); ++k) {
        const PlacedElement& element = elements[k];
        const int needed = chain->elementCount + (isReverseSpiral(element.shape) ? 2 : 1);
        if (needed > MAX_ELEMENTS) {
            throw FormatFailure("element " + std::to_string(k + 1) + ": more than " + std::to_string(MAX_ELEMENTS) +
                                " elements (reverse spirals count twice)");
        }
        if (!isReverseSpiral(element.shape)) {
            append(*chain, element.shape, &element);
            continue;
        }
        // Curvature 1/R1 → 1/R2 linearly: it is 0 at the fraction
        // |R2| / (|R1| + |R2|) of the length from the start.
        const double r1 = element.shape.startRadius;
        const double r2 = element.shape.endRadius;
        const double total = std::fabs(r1) + std::fabs(r2);
        append(*chain, {r1, INFINITE_RADIUS, element.shape.length * std::fabs(r2) / total}, &element);
        append(*chain, {INFINITE_RADIUS, r2, element.shape.length * std::fabs(r1) / total}, nullptr);
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

}  // namespace vomel::ramp
