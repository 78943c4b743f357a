#pragma once
// The plan view's geometry without a toolkit: the map from plane
// coordinates to the screen (north up, east to the right), the line and the
// points reduced to what the screen can show, hit-testing for the hover
// text and a greedy placer that keeps labels from overlapping.

#include <cstddef>
#include <optional>
#include <vector>

#include "core/point.h"
#include "drawing/plan_scene.h"

namespace vomel::drawing {

// Screen pixels: x to the right, y down.
struct ScreenPoint {
    double x = 0.0;
    double y = 0.0;
};

struct ScreenRect {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
};

// Pixels per metre the view may reach: from a whole country on a screen to
// a millimetre a pixel.
inline constexpr double PLAN_MIN_SCALE = 1e-5;
inline constexpr double PLAN_MAX_SCALE = 1000.0;
// Neighbouring points of the drawn line lie at least this far apart
// (pixels): the line is simplified to the screen's resolution.
inline constexpr double PLAN_LINE_RESOLUTION = 0.5;
// Points of a run drawn at most one per square cell of this side (pixels).
inline constexpr double PLAN_POINT_CELL = 2.0;
// Point labels and feet labels are drawn only when no more points than this
// are visible.
inline constexpr std::size_t PLAN_MAX_LABELLED_POINTS = 300;

// Plane (X north, Y east) to screen: screen x grows with Y, screen y falls
// as X grows.
class PlanViewport {
public:
    void setSize(double width, double height);
    double width() const { return width_; }
    double height() const { return height_; }
    double scale() const { return scale_; }  // pixels per metre
    Point centre() const { return centre_; }

    // Everything in `bounds` on screen with `margin` pixels around it, and
    // `bottomMargin` pixels below it (room for a legend), as large as fits
    // and centred between the margins.
    void fit(const PlanBounds& bounds, double margin) { fit(bounds, margin, margin); }
    void fit(const PlanBounds& bounds, double margin, double bottomMargin);
    // Zooms by `factor` (> 1 closer) keeping the plane point under `anchor`
    // where it is; the scale stays within PLAN_MIN_SCALE..PLAN_MAX_SCALE.
    void zoomAt(ScreenPoint anchor, double factor);
    // Moves the picture by (dx, dy) pixels, as a drag does.
    void panBy(double dx, double dy);

    ScreenPoint toScreen(Point p) const;
    Point toWorld(ScreenPoint s) const;
    // The plane rectangle on screen, widened by `margin` pixels.
    PlanBounds visibleBounds(double margin = 0.0) const;

private:
    double width_ = 1.0;
    double height_ = 1.0;
    double scale_ = 1.0;
    Point centre_;
};

// The line in pieces of a few hundred points, each with its bounding box,
// so that a view close in passes over the pieces off screen at once.
class PlanLineDetail {
public:
    explicit PlanLineDetail(const std::vector<Point>& line);

    // The parts of the line on screen, as screen polylines: a point is kept
    // only PLAN_LINE_RESOLUTION pixels or more from the one kept before it,
    // so every point of the line lies within that distance of what is drawn,
    // and the last point of each part is kept.
    std::vector<std::vector<ScreenPoint>> visibleRuns(const PlanViewport& view) const;

private:
    const std::vector<Point>& line_;
    std::vector<PlanBounds> pieces_;  // piece k holds points k*PIECE .. (k+1)*PIECE
};

// The points of a run to draw: those on screen, at most one per cell of
// PLAN_POINT_CELL pixels, earliest first.
std::vector<std::size_t> visiblePoints(const std::vector<PlanPoint>& points, const PlanViewport& view);

// Nearest point of a run to a plane position, through a grid of cells.
class PlanPointIndex {
public:
    explicit PlanPointIndex(const std::vector<PlanPoint>& points);

    // The point nearest to `at` no farther than `radius` metres; the earlier
    // point on a tie; nullopt when none is that close.
    std::optional<std::size_t> nearest(Point at, double radius) const;

private:
    std::size_t cellOf(long column, long row) const;

    const std::vector<PlanPoint>& points_;
    PlanBounds bounds_;
    double cell_ = 1.0;
    long columns_ = 1;
    long rows_ = 1;
    std::vector<std::size_t> cellStart_;  // points of cell c: order_[cellStart_[c] .. cellStart_[c + 1])
    std::vector<std::size_t> order_;
};

// Keeps labels apart: a label is placed only when it lies on screen and
// overlaps no label placed before.
class LabelPlacer {
public:
    LabelPlacer(double width, double height);
    // Places a label: true when it lies on screen and on nothing taken.
    bool place(const ScreenRect& rect);
    // Takes what `rect` covers on screen, for a mark that labels keep off.
    void occupy(const ScreenRect& rect);
    // Takes the cells a drawn segment passes through.
    void occupySegment(ScreenPoint a, ScreenPoint b);

private:
    void take(long firstColumn, long firstRow, long lastColumn, long lastRow);

    static constexpr double CELL = 4.0;  // pixels
    long columns_;
    long rows_;
    std::vector<bool> taken_;
};

// Of the station ticks, every `tickStride(...)`-th multiple of
// PLAN_TICK_SPACING is drawn so that drawn ticks lie at least `minPixels`
// apart at `scale`: 1, 2, 5, 10, 20, 50, ...
long tickStride(double scale, double minPixels);

}  // namespace vomel::drawing
