#include "alignment/length_unit.h"

namespace vomel {

double metresPerUnit(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::UsSurveyFoot: return 1200.0 / 3937.0;
    case LengthUnit::InternationalFoot: return 0.3048;
    case LengthUnit::Metre: break;
    }
    return 1.0;
}

const char* lengthUnitName(LengthUnit unit)
{
    switch (unit) {
    case LengthUnit::UsSurveyFoot: return "US survey feet";
    case LengthUnit::InternationalFoot: return "international feet";
    case LengthUnit::Metre: break;
    }
    return "metres";
}

const char* lengthUnitSymbol(LengthUnit unit) { return unit == LengthUnit::Metre ? "m" : "ft"; }

}  // namespace vomel
