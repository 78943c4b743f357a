#include "formats/ifc_stationing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/failure.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel::ifc {

namespace {

std::optional<double> numberProperty(const Model& model, const Entity& referent, const char* name)
{
    const std::optional<step::Value> value = model.property(referent.id(), "Pset_Stationing", name);
    if (!value) return std::nullopt;
    const std::optional<double> number = numberIn(*value);
    if (!number) referent.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "its Pset_Stationing %1 is not a number"), name));
    if (std::fabs(*number) > MAX_INPUT_MAGNITUDE) {
        referent.fail(worded(
            VOMEL_TRANSLATE_NOOP("Failure", "its Pset_Stationing %1 is beyond ±%2, the largest magnitude accepted"),
            name, formatGeneral(MAX_INPUT_MAGNITUDE)));
    }
    return number;
}

// How far along the line the referent lies; nullopt when it has no linear
// placement.
std::optional<double> distanceAlong(const Entity& referent, const Units& units)
{
    const std::optional<Entity> placement = referent.optionalReference(6, "ObjectPlacement");
    if (!placement || !placement->is("IFCLINEARPLACEMENT")) return std::nullopt;
    const Entity axes = placement->reference(2, "RelativePlacement");
    const Entity location = axes.reference(1, "Location");
    if (!location.is("IFCPOINTBYDISTANCEEXPRESSION")) return std::nullopt;
    return location.number(1, "DistanceAlong") * units.lengthScale;
}

struct StationedReferent {
    double distance;
    double station;
    std::optional<double> incoming;
};

}  // namespace

Stationing readStationing(const Model& model, const Entity& alignment, const Units& units)
{
    std::vector<StationedReferent> referents;
    Stationing stationing;
    for (const Entity& child : model.nested(alignment.id())) {
        if (!child.is("IFCREFERENT")) continue;
        const std::optional<double> station = numberProperty(model, child, "Station");
        if (!station) continue;
        const std::optional<step::Value> increasing =
            model.property(child.id(), "Pset_Stationing", "HasIncreasingStation");
        if (increasing && increasing->kind == step::ValueKind::Typed && !increasing->items.empty() &&
            increasing->items[0].text == "F") {
            child.fail(worded(VOMEL_TRANSLATE_NOOP(
                "Failure", "stations decreasing along the line (HasIncreasingStation false) cannot be imported")));
        }
        std::optional<double> distance = distanceAlong(child, units);
        if (!distance) {
            if (!referents.empty()) {
                stationing.notes.push_back(worded(
                    VOMEL_TRANSLATE_NOOP(
                        "Failure", "the referent %1 has a station but no distance along the line; it is not used"),
                    child.label()));
                continue;
            }
            distance = 0.0;  // the first referent marks the start
        }
        const std::optional<double> incoming = numberProperty(model, child, "IncomingStation");
        referents.push_back({*distance, *station * units.lengthScale,
                             incoming ? std::optional<double>(*incoming * units.lengthScale) : std::nullopt});
    }
    std::stable_sort(referents.begin(), referents.end(),
                     [](const StationedReferent& a, const StationedReferent& b) { return a.distance < b.distance; });
    bool started = false;
    for (const StationedReferent& referent : referents) {
        if (referent.incoming) {
            stationing.equations.push_back({referent.distance, *referent.incoming, referent.station});
        } else if (!started) {
            stationing.startStation = referent.station - referent.distance;
            started = true;
        }
    }
    if (stationing.equations.size() > static_cast<std::size_t>(MAX_CHAIN_BREAKS)) {
        alignment.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "more than %1 station equations"),
                              std::to_string(MAX_CHAIN_BREAKS)));
    }
    return stationing;
}

ChainBreaks chainBreaksOf(const Stationing& stationing, double endStation)
{
    ChainBreaks breaks;
    const std::size_t count = stationing.equations.size();
    breaks.chainBreakCount = static_cast<int>(count);
    for (std::size_t k = 0; k < count; ++k) {
        breaks.breakBackStation[k + 1] = stationing.equations[k].back;
        breaks.breakAheadStation[k + 1] = stationing.equations[k].ahead;
    }
    breaks.breakBackStation[count + 1] = endStation;
    breaks.breakAheadStation[count + 1] = endStation;
    return breaks;
}

}  // namespace vomel::ifc
