#include "formats/ifc_placement.h"

#include <cmath>
#include <numbers>

#include "text/number_text.h"

namespace vomel::ifc {

namespace {

// Placements relative to placements: a cycle would never end.
constexpr int MAX_PLACEMENT_DEPTH = 32;
// An axis may lean this far from the vertical (radians): the rounding of
// a direction written to 9 digits, far below any real tilt.
constexpr double VERTICAL_AXIS_TOLERANCE = 1e-8;

PlanFrame axisPlacement(const Entity& axes, double lengthScale)
{
    PlanFrame frame;
    const std::vector<double> location = axes.reference(1, "Location").numbers(1, "Coordinates");
    if (location.size() < 2)
        axes.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "its Location has fewer than two coordinates")));
    frame.originX = location[0] * lengthScale;
    frame.originY = location[1] * lengthScale;
    frame.originZ = location.size() > 2 ? location[2] * lengthScale : 0.0;
    const bool is3d = axes.is("IFCAXIS2PLACEMENT3D");
    if (is3d && axes.isSet(2)) {
        const std::vector<double> axis = axes.reference(2, "Axis").numbers(1, "DirectionRatios");
        const double length = axis.size() == 3 ? std::hypot(axis[0], axis[1], axis[2]) : 0.0;
        if (!(length > 0.0) || std::hypot(axis[0], axis[1]) > VERTICAL_AXIS_TOLERANCE * length || axis[2] < 0.0) {
            axes.fail(
                worded(VOMEL_TRANSLATE_NOOP("Failure", "its Axis is not the vertical (0, 0, 1): an alignment placed on "
                                                       "a tilted or upturned frame cannot be imported")));
        }
    }
    const std::size_t refIndex = is3d ? 3 : 2;
    if (axes.isSet(refIndex)) {
        const std::vector<double> ref = axes.reference(refIndex, "RefDirection").numbers(1, "DirectionRatios");
        if (ref.size() < 2 || !(std::hypot(ref[0], ref[1]) > 0.0))
            axes.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "its RefDirection has no plan direction")));
        frame.rotation = std::atan2(ref[1], ref[0]);
    }
    return frame;
}

// `outer` applied after `inner`: the frame of a placement relative to another.
PlanFrame compose(const PlanFrame& outer, const PlanFrame& inner)
{
    const Point origin = outer.apply({inner.originX, inner.originY});
    return {origin.x, origin.y, outer.originZ + inner.originZ, outer.rotation + inner.rotation};
}

PlanFrame placementFrame(const Entity& placement, double lengthScale, int depth)
{
    if (depth > MAX_PLACEMENT_DEPTH) {
        placement.fail(
            worded(VOMEL_TRANSLATE_NOOP("Failure", "placements are relative to each other more than %1 deep"),
                   std::to_string(MAX_PLACEMENT_DEPTH)));
    }
    if (placement.is("IFCLINEARPLACEMENT")) {
        if (!placement.isSet(3))
            placement.fail(worded(VOMEL_TRANSLATE_NOOP(
                "Failure", "a linear placement without its CartesianPosition cannot be imported")));
        return axisPlacement(placement.reference(3, "CartesianPosition"), lengthScale);
    }
    if (!placement.is("IFCLOCALPLACEMENT"))
        placement.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "an ObjectPlacement of this kind cannot be imported")));
    const Entity relative = placement.reference(2, "RelativePlacement");
    if (!relative.is("IFCAXIS2PLACEMENT3D") && !relative.is("IFCAXIS2PLACEMENT2D")) {
        relative.fail(
            worded(VOMEL_TRANSLATE_NOOP("Failure", "a relative placement must be an IfcAxis2Placement3D or 2D")));
    }
    const PlanFrame local = axisPlacement(relative, lengthScale);
    const std::optional<Entity> outer = placement.optionalReference(1, "PlacementRelTo");
    return outer ? compose(placementFrame(*outer, lengthScale, depth + 1), local) : local;
}

}  // namespace

Point PlanFrame::apply(Point local) const
{
    const double c = std::cos(rotation);
    const double s = std::sin(rotation);
    return {originX + c * local.x - s * local.y, originY + s * local.x + c * local.y};
}

PlanFrame planFrame(const std::optional<Entity>& placement, double lengthScale)
{
    return placement ? placementFrame(*placement, lengthScale, 0) : PlanFrame{};
}

std::string mapConversionText(const Model& model)
{
    std::vector<const step::Instance*> found = model.file().ofType("IFCMAPCONVERSION");
    if (found.empty()) found = model.file().ofType("IFCMAPCONVERSIONSCALED");
    if (found.empty()) return {};
    const Entity conversion(model.file(), *found.front());
    std::string crs = "an unnamed CRS";
    if (const std::optional<Entity> target = conversion.optionalReference(2, "TargetCRS")) {
        const std::string name = target->text(1, "Name");
        if (!name.empty()) crs = name;
    }
    const double abscissa = conversion.optionalNumber(6, "XAxisAbscissa").value_or(1.0);
    const double ordinate = conversion.optionalNumber(7, "XAxisOrdinate").value_or(0.0);
    const double rotation = std::atan2(ordinate, abscissa) * 180.0 / std::numbers::pi;
    return crs + " (eastings " + formatGeneral(conversion.number(3, "Eastings")) + ", northings " +
           formatGeneral(conversion.number(4, "Northings")) + ", height " +
           formatGeneral(conversion.number(5, "OrthogonalHeight")) + ", rotation " + formatFixed(rotation, 6) +
           "°, scale " + formatGeneral(conversion.optionalNumber(8, "Scale").value_or(1.0)) + ")";
}

}  // namespace vomel::ifc
