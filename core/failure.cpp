#include "core/failure.h"

#include <cmath>
#include <utility>

namespace vomel {

Failure::Failure(std::string reason, long line) : reason_(std::move(reason)), line_(line) { updateDetail(); }

Failure::Failure(FailureCode code, std::vector<std::string> values, long line)
    : reason_(fillPlaces(failureWording(code), values)), code_(code), values_(std::move(values)), line_(line)
{
    updateDetail();
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

double requireFinite(double value, const char* what)
{
    if (!std::isfinite(value)) throw GeometryFailure(std::string(what) + " is not a finite number");
    return value;
}

double checkedDivide(double a, double b, const char* what)
{
    if (b == 0.0) throw GeometryFailure(std::string("division by zero in ") + what);
    const double q = a / b;
    if (!std::isfinite(q)) throw GeometryFailure(std::string("overflow in ") + what);
    return q;
}

}  // namespace vomel
