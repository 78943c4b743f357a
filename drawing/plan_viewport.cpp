#include "drawing/plan_viewport.h"

#include <algorithm>
#include <cmath>

namespace vomel::drawing {

namespace {

// Points of the line in one piece of PlanLineDetail.
constexpr std::size_t PIECE = 256;

bool overlaps(const PlanBounds& a, const PlanBounds& b)
{
    return !a.empty && !b.empty && a.minX <= b.maxX && b.minX <= a.maxX && a.minY <= b.maxY && b.minY <= a.maxY;
}

double clampScale(double scale) { return std::clamp(scale, PLAN_MIN_SCALE, PLAN_MAX_SCALE); }

}  // namespace

void PlanViewport::setSize(double width, double height)
{
    width_ = std::max(width, 1.0);
    height_ = std::max(height, 1.0);
}

void PlanViewport::fit(const PlanBounds& bounds, double margin, double bottomMargin)
{
    if (bounds.empty) return;
    centre_ = {(bounds.minX + bounds.maxX) / 2.0, (bounds.minY + bounds.maxY) / 2.0};
    const double usableWidth = std::max(width_ - 2.0 * margin, 1.0);
    const double usableHeight = std::max(height_ - margin - bottomMargin, 1.0);
    const double east = bounds.maxY - bounds.minY;  // across the screen
    const double north = bounds.maxX - bounds.minX;  // up the screen
    double scale = PLAN_MAX_SCALE;
    if (east > 0.0) scale = std::min(scale, usableWidth / east);
    if (north > 0.0) scale = std::min(scale, usableHeight / north);
    scale_ = clampScale(scale);
    // The middle of the band between the top and bottom margins.
    if (usableHeight > 1.0) panBy(0.0, (margin - bottomMargin) / 2.0);
}

void PlanViewport::zoomAt(ScreenPoint anchor, double factor)
{
    if (!std::isfinite(factor) || factor <= 0.0) return;
    const Point held = toWorld(anchor);
    scale_ = clampScale(scale_ * factor);
    // Put `held` back under the anchor.
    const ScreenPoint now = toScreen(held);
    panBy(anchor.x - now.x, anchor.y - now.y);
}

void PlanViewport::panBy(double dx, double dy)
{
    centre_.y -= dx / scale_;
    centre_.x += dy / scale_;
}

ScreenPoint PlanViewport::toScreen(Point p) const
{
    return {width_ / 2.0 + (p.y - centre_.y) * scale_, height_ / 2.0 - (p.x - centre_.x) * scale_};
}

Point PlanViewport::toWorld(ScreenPoint s) const
{
    return {centre_.x - (s.y - height_ / 2.0) / scale_, centre_.y + (s.x - width_ / 2.0) / scale_};
}

PlanBounds PlanViewport::visibleBounds(double margin) const
{
    PlanBounds b;
    b.add(toWorld({-margin, -margin}));
    b.add(toWorld({width_ + margin, height_ + margin}));
    return b;
}

PlanLineDetail::PlanLineDetail(const std::vector<Point>& line) : line_(line)
{
    // Neighbouring pieces share their end point, so no segment is lost.
    if (line.empty()) return;
    const std::size_t end = std::max<std::size_t>(line.size() - 1, 1);
    for (std::size_t first = 0; first < end; first += PIECE) {
        PlanBounds piece;
        const std::size_t last = std::min(first + PIECE, line.size() - 1);
        for (std::size_t i = first; i <= last; ++i) piece.add(line[i]);
        pieces_.push_back(piece);
    }
}

std::vector<std::vector<ScreenPoint>> PlanLineDetail::visibleRuns(const PlanViewport& view) const
{
    std::vector<std::vector<ScreenPoint>> runs;
    const PlanBounds visible = view.visibleBounds(2.0);
    const double resolution2 = PLAN_LINE_RESOLUTION * PLAN_LINE_RESOLUTION;
    bool open = false;
    for (std::size_t k = 0; k < pieces_.size(); ++k) {
        if (!overlaps(pieces_[k], visible)) {
            open = false;
            continue;
        }
        const std::size_t first = k * PIECE;
        const std::size_t last = std::min(first + PIECE, line_.size() - 1);
        if (!open) {
            runs.emplace_back();
            runs.back().push_back(view.toScreen(line_[first]));
            open = true;
        }
        std::vector<ScreenPoint>& run = runs.back();
        ScreenPoint kept = run.back();
        for (std::size_t i = first + 1; i <= last; ++i) {
            const ScreenPoint p = view.toScreen(line_[i]);
            const double dx = p.x - kept.x;
            const double dy = p.y - kept.y;
            // The end of a part is drawn where it is, however near.
            const bool endOfPart = i == last && (k + 1 == pieces_.size() || !overlaps(pieces_[k + 1], visible));
            if (dx * dx + dy * dy >= resolution2 || endOfPart) {
                run.push_back(p);
                kept = p;
            }
        }
    }
    return runs;
}

std::vector<std::size_t> visiblePoints(const std::vector<PlanPoint>& points, const PlanViewport& view)
{
    std::vector<std::size_t> drawn;
    const auto columns = static_cast<long>(std::ceil(view.width() / PLAN_POINT_CELL));
    const auto rows = static_cast<long>(std::ceil(view.height() / PLAN_POINT_CELL));
    std::vector<bool> taken(static_cast<std::size_t>(columns * rows), false);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const ScreenPoint s = view.toScreen(points[i].at);
        if (!(s.x >= 0.0 && s.y >= 0.0 && s.x < view.width() && s.y < view.height())) continue;
        const long column = std::min(columns - 1, static_cast<long>(s.x / PLAN_POINT_CELL));
        const long row = std::min(rows - 1, static_cast<long>(s.y / PLAN_POINT_CELL));
        const auto cell = static_cast<std::size_t>(row * columns + column);
        if (taken[cell]) continue;
        taken[cell] = true;
        drawn.push_back(i);
    }
    return drawn;
}

PlanPointIndex::PlanPointIndex(const std::vector<PlanPoint>& points) : points_(points)
{
    for (const PlanPoint& p : points) bounds_.add(p.at);
    if (points.empty()) {
        cellStart_.assign(2, 0);
        return;
    }
    // About two points a cell.
    const double east = bounds_.maxY - bounds_.minY;
    const double north = bounds_.maxX - bounds_.minX;
    const double area = std::max(east, 1e-3) * std::max(north, 1e-3);
    cell_ = std::max(std::sqrt(2.0 * area / static_cast<double>(points.size())), 1e-3);
    columns_ = std::max(1L, static_cast<long>(std::ceil(east / cell_)) + 1);
    rows_ = std::max(1L, static_cast<long>(std::ceil(north / cell_)) + 1);

    std::vector<std::size_t> cellOfPoint(points.size());
    std::vector<std::size_t> count(static_cast<std::size_t>(columns_ * rows_) + 1, 0);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto column = static_cast<long>((points[i].at.y - bounds_.minY) / cell_);
        const auto row = static_cast<long>((points[i].at.x - bounds_.minX) / cell_);
        cellOfPoint[i] = cellOf(column, row);
        ++count[cellOfPoint[i] + 1];
    }
    cellStart_.assign(count.size(), 0);
    for (std::size_t c = 1; c < count.size(); ++c) cellStart_[c] = cellStart_[c - 1] + count[c];
    order_.resize(points.size());
    std::vector<std::size_t> next(cellStart_.begin(), cellStart_.end() - 1);
    for (std::size_t i = 0; i < points.size(); ++i) order_[next[cellOfPoint[i]]++] = i;
}

std::size_t PlanPointIndex::cellOf(long column, long row) const
{
    column = std::clamp(column, 0L, columns_ - 1);
    row = std::clamp(row, 0L, rows_ - 1);
    return static_cast<std::size_t>(row * columns_ + column);
}

std::optional<std::size_t> PlanPointIndex::nearest(Point at, double radius) const
{
    if (points_.empty() || !(radius >= 0.0) || !std::isfinite(at.x) || !std::isfinite(at.y)) return std::nullopt;
    PlanBounds reach;
    reach.add({at.x - radius, at.y - radius});
    reach.add({at.x + radius, at.y + radius});
    if (!overlaps(reach, bounds_)) return std::nullopt;
    const auto firstColumn = static_cast<long>(std::floor((reach.minY - bounds_.minY) / cell_));
    const auto lastColumn = static_cast<long>(std::floor((reach.maxY - bounds_.minY) / cell_));
    const auto firstRow = static_cast<long>(std::floor((reach.minX - bounds_.minX) / cell_));
    const auto lastRow = static_cast<long>(std::floor((reach.maxX - bounds_.minX) / cell_));

    std::optional<std::size_t> best;
    double bestDistance = radius;
    auto consider = [&](std::size_t i) {
        const double d = std::hypot(points_[i].at.x - at.x, points_[i].at.y - at.y);
        if (d < bestDistance || (d == bestDistance && (!best || i < *best))) {
            bestDistance = d;
            best = i;
        }
    };
    for (long row = std::max(firstRow, 0L); row <= std::min(lastRow, rows_ - 1); ++row) {
        for (long column = std::max(firstColumn, 0L); column <= std::min(lastColumn, columns_ - 1); ++column) {
            const std::size_t c = cellOf(column, row);
            for (std::size_t k = cellStart_[c]; k < cellStart_[c + 1]; ++k) consider(order_[k]);
        }
    }
    return best;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): width, then height, as a size is given
LabelPlacer::LabelPlacer(double width, double height)
    : columns_(std::max(1L, static_cast<long>(std::ceil(width / CELL)))),
      rows_(std::max(1L, static_cast<long>(std::ceil(height / CELL)))),
      taken_(static_cast<std::size_t>(columns_ * rows_), false)
{
}

bool LabelPlacer::place(const ScreenRect& rect)
{
    if (!(rect.left >= 0.0 && rect.top >= 0.0)) return false;
    const auto firstColumn = static_cast<long>(rect.left / CELL);
    const auto firstRow = static_cast<long>(rect.top / CELL);
    const auto lastColumn = static_cast<long>((rect.left + rect.width) / CELL);
    const auto lastRow = static_cast<long>((rect.top + rect.height) / CELL);
    if (lastColumn >= columns_ || lastRow >= rows_) return false;
    for (long row = firstRow; row <= lastRow; ++row) {
        for (long column = firstColumn; column <= lastColumn; ++column) {
            if (taken_[static_cast<std::size_t>(row * columns_ + column)]) return false;
        }
    }
    take(firstColumn, firstRow, lastColumn, lastRow);
    return true;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): a cell rectangle, corner by corner
void LabelPlacer::take(long firstColumn, long firstRow, long lastColumn, long lastRow)
{
    firstColumn = std::max(firstColumn, 0L);
    firstRow = std::max(firstRow, 0L);
    lastColumn = std::min(lastColumn, columns_ - 1);
    lastRow = std::min(lastRow, rows_ - 1);
    for (long row = firstRow; row <= lastRow; ++row) {
        for (long column = firstColumn; column <= lastColumn; ++column) {
            taken_[static_cast<std::size_t>(row * columns_ + column)] = true;
        }
    }
}

void LabelPlacer::occupy(const ScreenRect& rect)
{
    const double right = rect.left + rect.width;
    const double bottom = rect.top + rect.height;
    const double width = static_cast<double>(columns_) * CELL;
    const double height = static_cast<double>(rows_) * CELL;
    if (!(right >= 0.0 && bottom >= 0.0 && rect.left < width && rect.top < height)) return;
    take(static_cast<long>(std::floor(std::max(rect.left, 0.0) / CELL)),
         static_cast<long>(std::floor(std::max(rect.top, 0.0) / CELL)),
         static_cast<long>(std::floor(std::min(right, width - 1.0) / CELL)),
         static_cast<long>(std::floor(std::min(bottom, height - 1.0) / CELL)));
}

void LabelPlacer::occupySegment(ScreenPoint a, ScreenPoint b)
{
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (!std::isfinite(length)) return;
    // Steps of half a cell; a segment far longer than the screen is cut to
    // what can be on it.
    const double limit = 2.0 * static_cast<double>(columns_ + rows_) * CELL;
    const auto steps = static_cast<long>(std::ceil(std::min(length, limit) / (CELL / 2.0)));
    for (long k = 0; k <= steps; ++k) {
        const double t = steps == 0 ? 0.0 : static_cast<double>(k) / static_cast<double>(steps);
        const double x = a.x + t * (b.x - a.x);
        const double y = a.y + t * (b.y - a.y);
        occupy({x - 1.0, y - 1.0, 2.0, 2.0});
    }
}

long tickStride(double scale, double minPixels)
{
    static constexpr long STEPS[] = {1, 2, 5};
    for (long decade = 1; decade <= 1'000'000'000L; decade *= 10) {
        for (const long step : STEPS) {
            if (static_cast<double>(step * decade) * PLAN_TICK_SPACING * scale >= minPixels) return step * decade;
        }
    }
    return 10'000'000'000L;
}

}  // namespace vomel::drawing
