#pragma once
// The main line, given by its intersection points, as a DesignLine.

#include <memory>

#include "alignment/design_line.h"
#include "alignment/main_line.h"

namespace vomel {

class IntersectionPointLine final : public DesignLine {
public:
    // A line whose curve elements have been computed, with its chain breaks.
    IntersectionPointLine(std::shared_ptr<const MainLine> line, const ChainBreaks& breaks);

    Point pointAt(double station) const override;
    LinePose poseAt(double station) const override;
    double startStation() const override;
    double endStation() const override;
    std::vector<KeyPoint> keyPoints() const override;
    std::vector<IntersectionPoint> intersectionPoints() const override;
    std::vector<std::pair<Point, Point>> tangents() const override;
    // One row per intersection point: name, X, Y, deflection in
    // degrees-minutes-seconds and radians, R, Ls1, Ls2, RA1, RA2, T1, T2, L,
    // E, and the stated stations of ZH, HY, QZ, YH, HZ. The start and end
    // rows carry their station in the ZH column only.
    CurveTable curveTable() const override;

    const MainLine& table() const { return *line_; }

private:
    std::shared_ptr<const MainLine> line_;
};

}  // namespace vomel
