#pragma once
// The interchange ramp, given as a chain of elements, as a DesignLine.

#include <memory>

#include "alignment/design_line.h"
#include "alignment/element_chain.h"

namespace vomel {

// Two tangents closer to parallel than this (sine of the angle between
// them) give no intersection point.
inline constexpr double PARALLEL_SINE = 1e-6;

class ElementChainLine final : public DesignLine {
public:
    // A laid-out chain, with the chain breaks of its stationing (a LandXML
    // alignment's station equations; none for an element file).
    explicit ElementChainLine(std::shared_ptr<const ElementChain> chain, const ChainBreaks& breaks = {});

    Point pointAt(double station) const override;
    LinePose poseAt(double station) const override;
    double startStation() const override;
    double endStation() const override;
    // The joints between elements of different kinds, named as key points
    // are on a main line: Z straight, H spiral, Y arc (ZH, HY, YH, HZ, ZY,
    // YZ), HH between two spirals.
    std::vector<KeyPoint> keyPoints() const override;
    // Each run of curved elements turning one way, between two straights or
    // inflections (or the ends of the chain), turns the line from one
    // tangent to another; where the two tangents meet is that run's
    // intersection point, numbered JD1, JD2, ... A run turning by a half
    // turn or more has none.
    std::vector<IntersectionPoint> intersectionPoints() const override;
    std::vector<std::pair<Point, Point>> tangents() const override;
    // One row per node and per element: item, kind, R1, R2, L, station, X,
    // Y, azimuth in degrees-minutes-seconds and radians.
    CurveTable curveTable() const override;
    // The joints with a gap or a kink (isCorner).
    std::vector<LineCorner> lineCorners() const override;

    const ElementChain& chain() const { return *chain_; }

private:
    struct Corners {
        std::vector<IntersectionPoint> points;
        std::vector<std::pair<Point, Point>> tangents;
    };
    Corners corners() const;

    std::shared_ptr<const ElementChain> chain_;
};

// The kind of an element as the curve table names it: "straight", "arc",
// "entry spiral", "exit spiral", "partial spiral".
const char* elementKindName(ElementKind kind);

}  // namespace vomel
