#include "alignment/element_chain_line.h"

#include <cmath>
#include <string>
#include <utility>

#include "alignment/placed_chain.h"
#include "alignment/table_cells.h"
#include "core/angles.h"
#include "core/failure.h"

namespace vomel {

namespace {

// The name of the joint between two elements.
// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): the element before the joint, then the one after
const char* jointName(ElementKind before, ElementKind after)
{
    const bool straightBefore = before == ElementKind::Straight;
    const bool straightAfter = after == ElementKind::Straight;
    const bool arcBefore = before == ElementKind::Arc;
    const bool arcAfter = after == ElementKind::Arc;
    if (straightBefore && arcAfter) return "ZY";
    if (arcBefore && straightAfter) return "YZ";
    if (straightBefore) return "ZH";
    if (straightAfter) return "HZ";
    if (arcAfter) return "HY";
    if (arcBefore) return "YH";
    return "HH";  // spiral to spiral: a reverse curve's or a partial spiral's joint
}

// The sense in which an element turns: +1 towards +Y, -1 the other way,
// 0 for a straight. Its finite radius carries the sign.
int turnSense(const ElementShape& e)
{
    const double radius = e.startRadius != INFINITE_RADIUS ? e.startRadius : e.endRadius;
    if (radius == INFINITE_RADIUS) return 0;
    return radius > 0.0 ? 1 : -1;
}

Point nodePoint(const ElementChain& chain, std::size_t node) { return {chain.nodeX[node], chain.nodeY[node]}; }

}  // namespace

const char* elementKindName(ElementKind kind)
{
    switch (kind) {
    case ElementKind::Straight: return "straight";
    case ElementKind::Arc: return "arc";
    case ElementKind::EntrySpiral: return "entry spiral";
    case ElementKind::ExitSpiral: return "exit spiral";
    case ElementKind::PartialSpiral: return "partial spiral";
    }
    return "";
}

ElementChainLine::ElementChainLine(std::shared_ptr<const ElementChain> chain, const ChainBreaks& breaks)
    : DesignLine(breaks), chain_(std::move(chain))
{
    if (!chain_) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "no element chain was read"));
    noteChainBreaksOutside(startStation(), endStation());
}

Point ElementChainLine::pointAt(double station) const { return elementChainPointAt(*chain_, station); }

LinePose ElementChainLine::poseAt(double station) const { return elementChainPoseAt(*chain_, station); }

double ElementChainLine::startStation() const { return chain_->nodeStation[1]; }

double ElementChainLine::endStation() const
{
    return chain_->nodeStation[static_cast<std::size_t>(chain_->elementCount) + 1];
}

std::vector<KeyPoint> ElementChainLine::keyPoints() const
{
    const ElementChain& chain = *chain_;
    std::vector<KeyPoint> points;
    for (int k = 2; k <= chain.elementCount; ++k) {
        if (chain.elementLength[static_cast<std::size_t>(k) - 1] == 0.0) continue;
        const ElementKind before = elementKind(elementShape(chain, k - 1));
        const ElementKind after = elementKind(elementShape(chain, k));
        if (before == ElementKind::Straight && after == ElementKind::Straight) continue;
        points.push_back({chain.nodeStation[static_cast<std::size_t>(k)], jointName(before, after)});
    }
    return points;
}

ElementChainLine::Corners ElementChainLine::corners() const
{
    const ElementChain& chain = *chain_;
    const int n = chain.elementCount;
    Corners corners;
    int number = 0;
    int k = 1;
    while (k <= n) {
        if (elementKind(elementShape(chain, k)) == ElementKind::Straight) {
            ++k;
            continue;
        }
        const int first = k;
        const int sense = turnSense(elementShape(chain, first));
        while (k <= n && turnSense(elementShape(chain, k)) == sense) ++k;
        const auto p = static_cast<std::size_t>(first);
        const auto q = static_cast<std::size_t>(k - 1);  // last element of the run
        const double a1 = chain.nodeAzimuth[p];
        const double a2 = chain.endAzimuth[q];
        const double sine = std::sin(a2 - a1);
        ++number;
        // A run turning by a half turn or more (a hairpin) has its tangents
        // meeting behind it, or not at all.
        double turn = 0.0;
        for (int j = first; j < k; ++j) turn += elementDeflection(elementShape(chain, j));
        if (std::abs(sine) < PARALLEL_SINE || std::abs(turn) >= PI) continue;
        // P + t (cos a1, sin a1) = Q - u (cos a2, sin a2): solve for t.
        const Point runEnd{chain.endX[q], chain.endY[q]};
        const double dx = runEnd.x - chain.nodeX[p];
        const double dy = runEnd.y - chain.nodeY[p];
        const double t = (dx * std::sin(a2) - dy * std::cos(a2)) / sine;
        const Point at{chain.nodeX[p] + t * std::cos(a1), chain.nodeY[p] + t * std::sin(a1)};
        corners.points.push_back({at, "JD" + std::to_string(number)});
        corners.tangents.emplace_back(nodePoint(chain, p), at);
        corners.tangents.emplace_back(at, runEnd);
    }
    return corners;
}

std::vector<LineCorner> ElementChainLine::lineCorners() const
{
    const ElementChain& chain = *chain_;
    std::vector<LineCorner> corners;
    for (const ChainJoint& joint : chainJoints(chain)) {
        if (!isCorner(joint, metresPerUnit(lengthUnit()))) continue;
        const auto k = static_cast<std::size_t>(joint.element);
        corners.push_back({joint.station,
                           {chain.endX[k - 1], chain.endY[k - 1]},
                           chain.endAzimuth[k - 1],
                           nodePoint(chain, k),
                           chain.nodeAzimuth[k]});
    }
    return corners;
}

std::vector<IntersectionPoint> ElementChainLine::intersectionPoints() const { return corners().points; }

std::vector<std::pair<Point, Point>> ElementChainLine::tangents() const { return corners().tangents; }

CurveTable ElementChainLine::curveTable() const
{
    const ElementChain& chain = *chain_;
    const ChainBreaks& breaks = chainBreaks();
    CurveTable table;
    table.columns = {"item", "kind", "R1", "R2", "L", "station", "X", "Y", "azimuth", "azimuth_rad"};
    const int n = chain.elementCount;
    for (int k = 1; k <= n + 1; ++k) {
        const auto r = static_cast<std::size_t>(k);
        table.rows.push_back({"node " + std::to_string(k), "", "", "", "", stationCell(breaks, chain.nodeStation[r]),
                              lengthCell(chain.nodeX[r]), lengthCell(chain.nodeY[r]), angleDms(chain.nodeAzimuth[r]),
                              radiansCell(chain.nodeAzimuth[r])});
        if (k > n) break;
        const ElementShape e = elementShape(chain, k);
        table.rows.push_back({"element " + std::to_string(k), elementKindName(elementKind(e)), inputCell(e.startRadius),
                              inputCell(e.endRadius), inputCell(e.length), "", "", "", "", ""});
    }
    return table;
}

}  // namespace vomel
