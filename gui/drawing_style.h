#pragma once
// What the plan view and the profile view draw alike, so that the two read
// as one drawing: the colours of the design line, its tangents, its marks
// and the surveyed points, how near the cursor must come to hover a point,
// and a screen point as Qt takes it.

#include <cstddef>

#include <QColor>
#include <QPointF>

#include "drawing/plan_viewport.h"

namespace vomel::gui {
using drawing::ScreenPoint;

// A surveyed point is hovered within this many pixels.
inline constexpr double HOVER_PIXELS = 6.0;

inline const QColor DESIGN_LINE_COLOUR(20, 60, 160);
inline const QColor TANGENT_COLOUR(150, 150, 150);
// Intersection points of the plan, grade points of the profile.
inline const QColor TURNING_POINT_COLOUR(170, 90, 0);
// Key points of the plan's curves, ends of the profile's vertical curves.
inline const QColor CURVE_POINT_COLOUR(0, 120, 60);
inline const QColor SURVEYED_POINT_COLOUR(200, 20, 20);
// From a surveyed point to its foot (plan) or its design elevation (profile).
inline const QColor POINT_LINK_COLOUR(230, 140, 140);

// The lines of a project and their points, by the line's place in the
// project (repeating after the last); the points no line holds are grey.
inline QColor projectLineColour(std::size_t line)
{
    static constexpr int COLOURS[][3] = {{20, 60, 160}, {210, 100, 0}, {0, 140, 70},  {150, 40, 170}, {0, 140, 150},
                                         {170, 120, 0}, {200, 40, 90}, {90, 90, 210}, {110, 80, 40},  {60, 150, 30}};
    const auto& rgb = COLOURS[line % (sizeof(COLOURS) / sizeof(COLOURS[0]))];
    return {rgb[0], rgb[1], rgb[2]};
}
inline const QColor UNASSIGNED_POINT_COLOUR(120, 120, 120);
inline const QColor AMBIGUOUS_RING_COLOUR(0, 0, 0);

inline QPointF qt(ScreenPoint p) { return {p.x, p.y}; }

}  // namespace vomel::gui
