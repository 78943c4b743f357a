#include "core/failure.h"

#include <cmath>
#include <utility>

namespace vomel {

Failure::Failure(Wording reason, long line) : wording_(std::move(reason)), reason_(wording_.english()), line_(line)
{
    updateDetail();
}

Failure::Failure(FailureCode code, std::vector<std::string> values, long line)
    : Failure(codeWording(code, std::move(values)), line)
{
}

void Failure::setFile(const std::string& file)
{
    if (file_.empty()) {
        file_ = file;
        updateDetail();
    }
}

void Failure::updateDetail()
{
    detail_.clear();
    if (!file_.empty()) {
        detail_ = file_;
        if (line_ > 0) detail_ += ":" + std::to_string(line_);
        detail_ += ": ";
    } else if (line_ > 0) {
        detail_ = fillPlaces(FAILURE_LINE_PREFIX, {std::to_string(line_)});
    }
    detail_ += reason_;
}

void throwNotFinite(const char* what)
{
    throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "%1 is not a finite number"), worded(what));
}

double checkedDivide(double a, double b, const char* what)
{
    if (b == 0.0) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "division by zero in %1"), worded(what));
    const double q = a / b;
    if (!std::isfinite(q)) throw GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "overflow in %1"), worded(what));
    return q;
}

}  // namespace vomel
