#pragma once
// Failures of the operations on alignment, chain-break and coordinate files.
//
// Readers and geometry raise a Failure carrying a precise reason; the
// operation that opened the file adds the file name, and the operation that
// the user started (initialise or compute) turns it into its message.

#include <exception>
#include <string>
#include <vector>

#include "core/failure_code.h"

namespace vomel {

class Failure : public std::exception {
public:
    explicit Failure(std::string reason, long line = 0);
    // A failure a window can word in its user's language: the reason is the
    // code's English wording with `values` in its places %1, %2, ...
    Failure(FailureCode code, std::vector<std::string> values, long line = 0);

    const std::string& reason() const noexcept { return reason_; }
    // FailureCode::None for a failure known only by its English reason.
    FailureCode code() const noexcept { return code_; }
    const std::vector<std::string>& values() const noexcept { return values_; }
    long line() const noexcept { return line_; }
    const std::string& file() const noexcept { return file_; }

    // Names the file the failure belongs to, unless one is named already.
    void setFile(const std::string& file);

    // "FILE:LINE: reason", "FILE: reason", "line LINE: reason" or "reason".
    const char* what() const noexcept override { return detail_.c_str(); }

private:
    void updateDetail();

    std::string reason_;
    FailureCode code_ = FailureCode::None;
    std::vector<std::string> values_;
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

// Raises a GeometryFailure naming `what` unless `value` is finite.
double requireFinite(double value, const char* what);

// Quotient a / b; a zero divisor or a result that is not finite is a
// GeometryFailure naming `what`, as a division fault ends the operation.
double checkedDivide(double a, double b, const char* what);

}  // namespace vomel
