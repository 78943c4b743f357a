#include "formats/ifc_units.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "text/number_text.h"

namespace vomel::ifc {

namespace {

// Conversion-based units refer to other units; a cycle would never end.
constexpr int MAX_UNIT_DEPTH = 8;

struct UnitFactor {
    std::string type;  // LENGTHUNIT, PLANEANGLEUNIT, ...
    std::optional<double> factor;  // SI units (metres, radians) per unit; unknown for other SI units
};

double prefixFactor(const std::string& prefix)
{
    static constexpr struct {
        const char* name;
        int exponent;
    } prefixes[] = {{"EXA", 18},  {"PETA", 15},  {"TERA", 12},   {"GIGA", 9},   {"MEGA", 6},   {"KILO", 3},
                    {"HECTO", 2}, {"DECA", 1},   {"DECI", -1},   {"CENTI", -2}, {"MILLI", -3}, {"MICRO", -6},
                    {"NANO", -9}, {"PICO", -12}, {"FEMTO", -15}, {"ATTO", -18}};
    for (const auto& known : prefixes) {
        if (prefix == known.name) return std::pow(10.0, known.exponent);
    }
    return 1.0;
}

UnitFactor unitFactor(const Entity& unit, int depth)
{
    if (depth > MAX_UNIT_DEPTH)
        unit.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "units refer to each other more than %1 deep"),
                         std::to_string(MAX_UNIT_DEPTH)));
    if (unit.is("IFCSIUNIT")) {
        const std::string name = unit.enumeration(4, "Name");
        const double prefix = prefixFactor(unit.enumeration(3, "Prefix"));
        const bool known = name == "METRE" || name == "RADIAN";
        return {unit.enumeration(2, "UnitType"), known ? std::optional<double>(prefix) : std::nullopt};
    }
    if (unit.is("IFCCONVERSIONBASEDUNIT") || unit.is("IFCCONVERSIONBASEDUNITWITHOFFSET")) {
        const Entity measure = unit.reference(4, "ConversionFactor");
        if (!measure.is("IFCMEASUREWITHUNIT"))
            measure.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "a conversion factor must be an IfcMeasureWithUnit")));
        const double value = measure.number(1, "ValueComponent");
        const UnitFactor base = unitFactor(measure.reference(2, "UnitComponent"), depth + 1);
        const std::optional<double> factor = base.factor ? std::optional<double>(value * *base.factor) : std::nullopt;
        return {unit.enumeration(2, "UnitType"), factor};
    }
    return {"", std::nullopt};
}

bool near(double factor, double unit) { return std::fabs(factor - unit) <= IFC_UNIT_FACTOR_TOLERANCE * unit; }

void readLength(Units& units, const Entity& unit, const std::optional<double>& factor)
{
    if (factor && near(*factor, 1.0)) return;
    if (factor && near(*factor, 0.3048)) {
        units.lengthUnit = LengthUnit::InternationalFoot;
        return;
    }
    if (factor && near(*factor, 1200.0 / 3937.0)) {
        units.lengthUnit = LengthUnit::UsSurveyFoot;
        return;
    }
    if (factor && *factor > 0.0 && unit.is("IFCSIUNIT")) {
        units.lengthScale = *factor;
        units.notes.push_back(worded(VOMEL_TRANSLATE_NOOP("Failure", "lengths in %1METRE converted to metres"),
                                     unit.enumeration(3, "Prefix")));
        return;
    }
    unit.fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "a length unit of %1; only metres (with or without an SI prefix), "
                                                     "international feet and US survey feet can be imported"),
                     factor ? Wording(formatGeneral(*factor) + " m")
                            : worded(VOMEL_TRANSLATE_NOOP("Failure", "unknown size"))));
}

void readAngle(Units& units, const Entity& unit, const std::optional<double>& factor)
{
    for (const double known : {1.0, std::numbers::pi / 180.0, std::numbers::pi / 200.0}) {
        if (factor && near(*factor, known)) {
            units.radiansPerAngleUnit = known;
            return;
        }
    }
    unit.fail(worded(
        VOMEL_TRANSLATE_NOOP("Failure", "a plane angle unit of %1; only radians, degrees and gradians can be imported"),
        factor ? Wording(formatGeneral(*factor) + " rad") : worded(VOMEL_TRANSLATE_NOOP("Failure", "unknown size"))));
}

}  // namespace

Units projectUnits(const Model& model)
{
    Units units;
    const std::vector<const step::Instance*> projects = model.file().ofType("IFCPROJECT");
    const std::optional<Entity> assignment =
        projects.empty() ? std::nullopt
                         : Entity(model.file(), *projects.front()).optionalReference(9, "UnitsInContext");
    if (!assignment) {
        units.notes.emplace_back("the file declares no units: metres and radians are assumed");
        return units;
    }
    bool lengthSeen = false;
    bool angleSeen = false;
    for (const Entity& unit : assignment->references(1, "Units")) {
        const UnitFactor found = unitFactor(unit, 0);
        if (found.type == "LENGTHUNIT" && !lengthSeen) {
            lengthSeen = true;
            readLength(units, unit, found.factor);
        } else if (found.type == "PLANEANGLEUNIT" && !angleSeen) {
            angleSeen = true;
            readAngle(units, unit, found.factor);
        }
    }
    if (!lengthSeen || !angleSeen) {
        units.notes.push_back(
            lengthSeen
                ? worded(VOMEL_TRANSLATE_NOOP("Failure", "the file declares no plane angle unit: radians are assumed"))
            : angleSeen
                ? worded(VOMEL_TRANSLATE_NOOP("Failure", "the file declares no length unit: metres are assumed"))
                : worded(
                      VOMEL_TRANSLATE_NOOP("Failure", "the file declares no units: metres and radians are assumed")));
    }
    return units;
}

}  // namespace vomel::ifc
