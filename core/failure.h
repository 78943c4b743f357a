#pragma once
// Failures of the operations on alignment, chain-break and coordinate files.
//
// Readers and geometry raise a Failure carrying a precise reason; the
// operation that opened the file adds the file name, and the operation that
// the user started (initialise or compute) turns it into its message.

#include <cmath>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "core/failure_code.h"

namespace vomel {

class Failure : public std::exception {
public:
    // The reason `pattern` (English, marked with VOMEL_TRANSLATE_NOOP under
    // "Failure" so that the translation tools collect it) with `values` in
    // its places %1, %2, ...: a string is a literal, a Wording (such as an
    // inner failure's) is translated too.
    template <class... Values>
    explicit Failure(const char* pattern, Values&&... values)
        : Failure(worded(pattern, std::forward<Values>(values)...), 0)
    {
    }
    // The same, for a failure on line `line` of its file.
    template <class... Values>
    Failure(long line, const char* pattern, Values&&... values)
        : Failure(worded(pattern, std::forward<Values>(values)...), line)
    {
    }
    // One of the common failures, by its code.
    Failure(FailureCode code, std::vector<std::string> values, long line = 0);
    // A reason already worded; Wording(text) for a reason that is not
    // translated (it shows in English in every language).
    explicit Failure(Wording reason, long line = 0);

    // The reason in English.
    const std::string& reason() const noexcept { return reason_; }
    // The reason as the user's language words it.
    const Wording& wording() const noexcept { return wording_; }
    long line() const noexcept { return line_; }
    const std::string& file() const noexcept { return file_; }

    // Names the file the failure belongs to, unless one is named already.
    void setFile(const std::string& file);

    // "FILE:LINE: reason", "FILE: reason", "line LINE: reason" or "reason".
    const char* what() const noexcept override { return detail_.c_str(); }

private:
    void updateDetail();

    Wording wording_;
    std::string reason_;
    long line_;
    std::string file_;
    std::string detail_;
};

// A malformed input file: a missing or non-numeric field, too many rows.
class FormatFailure : public Failure {
public:
    using Failure::Failure;
};

// A geometry that cannot be computed: a division by zero, an overflow, a
// series that does not converge, a value that is not finite.
class GeometryFailure : public Failure {
public:
    using Failure::Failure;
};

// A file that cannot be opened, read or written.
class FileFailure : public Failure {
public:
    using Failure::Failure;
};

// The user cancelled a file dialog: no file was chosen.
class CancelledFailure : public Failure {
public:
    using Failure::Failure;
};

// Raises the GeometryFailure of requireFinite: kept out of line, so that
// the check itself is inlined on the hot paths (spiral series, every point).
[[noreturn]] void throwNotFinite(const char* what);

// Raises a GeometryFailure naming `what` (English, as in "the radius")
// unless `value` is finite.
inline double requireFinite(double value, const char* what)
{
    if (!std::isfinite(value)) [[unlikely]]
        throwNotFinite(what);
    return value;
}

// Quotient a / b; a zero divisor or a result that is not finite is a
// GeometryFailure naming `what`, as a division fault ends the operation.
double checkedDivide(double a, double b, const char* what);

}  // namespace vomel
