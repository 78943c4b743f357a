#pragma once
// The one view of a road's design line that everything above the geometry
// uses: the solver, the file runs, the curve table, the plan view and the
// command line ask it for points and poses, its extent, its key points,
// its chain breaks and its table, and never which kind of line it is.
//
// Two kinds implement it: the main line given by its intersection points
// (IntersectionPointLine) and the interchange ramp given as a chain
// of elements (ElementChainLine). An abstract class rather than a
// variant: a pose costs one virtual call in the solver's inner loop, as
// cheap as the function object it replaces, and a caller needs no list of
// the kinds there are.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "alignment/length_unit.h"
#include "core/line_pose.h"
#include "core/point.h"
#include "stationing/chain_break.h"

namespace vomel {

class VerticalProfile;

// A station where the curvature changes: ZH, HY, YH, HZ (ZY and YZ where a
// curve has no spiral), or HH between two spirals of a ramp.
struct KeyPoint {
    double station = 0.0;  // continuous station, in the line's unit (m or ft)
    std::string name;
};

// Where two tangents of the line meet, with its name: the file's name for
// an intersection point of a main line (bytes as in the file), "JD1",
// "JD2", ... where the file gives none or the line is a ramp.
struct IntersectionPoint {
    Point at;
    std::string name;
};

// The line laid out row by row for checking against the drawings. Column
// names are short keys in English ("name", "deflection", "ZH", ...); a
// window shows them in its own language.
struct CurveTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;  // one cell per column
};

// A joint where the line turns at a point or jumps: two elements of an
// exchange file that meet at an angle (a kink) or do not meet (a gap). The
// element before ends at `arriving` with tangent azimuth `arrivingAzimuth`,
// the one after starts at `leaving` with `leavingAzimuth` (radians), both
// at continuous station `station`.
struct LineCorner {
    double station = 0.0;
    Point arriving;
    double arrivingAzimuth = 0.0;
    Point leaving;
    double leavingAzimuth = 0.0;
};

class DesignLine {
public:
    virtual ~DesignLine() = default;
    DesignLine(const DesignLine&) = delete;
    DesignLine& operator=(const DesignLine&) = delete;

    // The point at a continuous station; before the start and after the end
    // the line goes on along its first and last tangents.
    virtual Point pointAt(double station) const = 0;
    // The same point with the tangent azimuth and the curvature there.
    virtual LinePose poseAt(double station) const = 0;

    // Continuous stations of the start and the end, in the line's unit
    // (lengthUnit(): m or ft).
    virtual double startStation() const = 0;
    virtual double endStation() const = 0;

    // The key points between the start and the end, in station order.
    virtual std::vector<KeyPoint> keyPoints() const = 0;
    // The intersection points of the tangents, and the tangents themselves
    // as segments meeting there.
    virtual std::vector<IntersectionPoint> intersectionPoints() const = 0;
    virtual std::vector<std::pair<Point, Point>> tangents() const = 0;

    // The table of curves (main line) or of nodes and elements (ramp).
    virtual CurveTable curveTable() const = 0;

    // The corners of the line in station order; none on a line whose
    // elements all join smoothly.
    virtual std::vector<LineCorner> lineCorners() const { return {}; }

    // The chain breaks of the stationing; none on most ramps.
    const ChainBreaks& chainBreaks() const { return chainBreaks_; }
    bool hasChainBreaks() const { return chainBreaks_.chainBreakCount != 0; }

    // The vertical profile that came with the plan (a LandXML alignment's
    // ProfAlign), or null. A profile file the user names takes its place.
    const std::shared_ptr<const VerticalProfile>& ownProfile() const { return ownProfile_; }
    // The unit of every length of the line: stations, offsets, coordinates
    // and elevations (metres unless a LandXML file gives feet).
    LengthUnit lengthUnit() const { return lengthUnit_; }

    // Why the line has no profile of its own although its file gives one
    // (a profile that cannot be used: the plan stands without it); empty
    // otherwise.
    const std::string& ownProfileProblem() const { return ownProfileProblem_; }

    // Set by whoever reads the line, before it is shared.
    void setOwnProfile(std::shared_ptr<const VerticalProfile> profile) { ownProfile_ = std::move(profile); }
    void setOwnProfileProblem(std::string problem) { ownProfileProblem_ = std::move(problem); }
    void addImportNotes(const std::vector<Wording>& notes)
    {
        importNotes_.insert(importNotes_.end(), notes.begin(), notes.end());
    }

    // What reading the line noticed and went on with, one sentence each: a
    // gap or a kink between the elements of an exchange file, curves that
    // overlap within a table's rounding, chain breaks outside the line.
    const std::vector<Wording>& importNotes() const { return importNotes_; }
    void setLengthUnit(LengthUnit unit) { lengthUnit_ = unit; }

protected:
    explicit DesignLine(const ChainBreaks& breaks) : chainBreaks_(breaks) {}
    // Notes the chain breaks that no station of [start, end] reaches.
    void noteChainBreaksOutside(double start, double end)
    {
        for (const ChainBreakOutside& outside : chainBreaksOutside(chainBreaks_, start, end)) {
            importNotes_.push_back(chainBreakOutsideWording(outside));
        }
    }

private:
    ChainBreaks chainBreaks_;
    std::shared_ptr<const VerticalProfile> ownProfile_;
    std::string ownProfileProblem_;
    std::vector<Wording> importNotes_;
    LengthUnit lengthUnit_ = LengthUnit::Metre;
};

}  // namespace vomel
