#pragma once
// What the plan view draws, in plane coordinates (X the northing, Y the
// easting): the design line as the forward computation gives it, its key
// points and intersection points, station ticks every 100 m with their
// stated station, and the points of the last file run with their feet.
// Built once when the view is opened or the line changes; no toolkit here.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "alignment/length_unit.h"
#include "core/point.h"
#include "formats/coordinate_file.h"
#include "solver/solution.h"

namespace vomel {
struct PreparedLine;
}

namespace vomel::drawing {

// Spacing of the station ticks, metres of stated station.
inline constexpr double PLAN_TICK_SPACING = 100.0;

struct PlanBounds {
    double minX = 0.0;
    double minY = 0.0;
    double maxX = 0.0;
    double maxY = 0.0;
    bool empty = true;

    void add(Point p);
};

// A named place on the line: a key point (ZH, HY, YH, HZ, ZY, YZ, ...), the
// start or end, or an intersection point.
struct PlanMark {
    Point at;
    std::string name;  // "ZH", "JD3", or the JD name as the file holds it
    std::string station;  // station text with its chain-break letter; empty for intersection points
    // For the line's start and end: the window's own word, translated under
    // "Window" and shown instead of `name`.
    const char* windowName = nullptr;
};

// A station tick: where it stands, the line's azimuth there, and its text.
struct PlanTick {
    Point at;
    double azimuth = 0.0;  // radians, from +X towards +Y
    double station = 0.0;  // continuous station
    double stated = 0.0;  // stated station (a multiple of PLAN_TICK_SPACING)
    std::string text;  // station text, with the chain's letter when the line has breaks
};

// How a project's point is drawn: in the colour of its line, marked as
// held by no line, or marked as as near to another line.
enum class PlanPointGroup { Line, Unassigned, Ambiguous };

// A solved point of a file run.
struct PlanPoint {
    std::string label;  // bytes as in the coordinate file
    Point at;
    Point foot;  // the point itself when unassigned
    std::string station;  // station text with its chain-break letter; empty when unassigned
    double offset = 0.0;  // left positive
    // In a project's scene: its group, its line and, when ambiguous, the
    // line of the other foot (indices into PlanScene::projectLines).
    PlanPointGroup group = PlanPointGroup::Line;
    std::size_t line = 0;
    std::size_t otherLine = 0;
};

// A line of a project, drawn with its name.
struct PlanProjectLine {
    std::string name;  // bytes as in the project file
    std::vector<Point> line;  // start to end, a point every metre
    Point labelAt;  // where its name stands: the middle of the line
    double labelAzimuth = 0.0;  // the line's azimuth there, radians from +X towards +Y
};

struct PlanScene {
    std::vector<Point> line;  // the design line, start to end
    std::vector<double> lineStation;  // continuous station of each line point
    std::vector<PlanMark> keyPoints;
    std::vector<PlanMark> intersectionPoints;
    // The tangents that meet at the intersection points, as segments.
    std::vector<std::pair<Point, Point>> tangents;
    std::vector<PlanTick> ticks;
    std::vector<PlanPoint> points;
    PlanBounds bounds;  // of everything above
    // The unit of every length above (the line's: m, or ft for a LandXML or
    // IFC line in feet); the scale bar is labelled in it.
    LengthUnit unit = LengthUnit::Metre;
    // A project's scene: every line of the project, in its order, the one
    // in use (drawn above as `line`, with its marks and ticks) among them.
    // Empty for the scene of a single line.
    std::vector<PlanProjectLine> projectLines;
    std::size_t lineInUse = 0;
};

// The points of a file run, as the run produced them.
struct PlanRun {
    std::vector<SurveyPoint> points;
    std::vector<Solution> solutions;
};

// The scene of an initialised alignment and, when given, a run on it.
// Nothing that is not finite reaches the scene: such a value is a
// GeometryFailure.
PlanScene makePlanScene(const PreparedLine& alignment, const PlanRun* run = nullptr);

}  // namespace vomel::drawing
