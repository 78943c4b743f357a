#pragma once
// The failures users meet most, each with its English wording. A window
// looks the wording up in its user's language (the marker below lets the
// translation tools collect the English texts) and fills in the values.

#include <string>
#include <vector>

#include "core/wording.h"

namespace vomel {

enum class FailureCode {
    None,  // no wording of its own: shown by its English reason
    NotANumber,  // field, text
    BeyondLargestMagnitude,  // field, limit, text
    NotAStation,  // field, text
    LineTooLong,  // limit in bytes
    FileTooLong,  // limit in bytes
    CarriageReturnInLine,
    FileNotReadToEnd,
    FileIsFolder,
    CannotOpen,  // the system's reason
    CannotReachResults,  // the system's reason
    ResultsIsFolder,  // the system's reason
    CannotOpenResults,  // the system's reason
    ResultsCannotBeReplaced,  // the system's reason
    CannotCreateInFolder,  // folder, the system's reason
    CannotWriteResults,  // the system's reason
    CannotWriteResultsToDisk,  // the system's reason
    ChainBreakFields,
    TooManyChainBreaks,  // limit
    JdFileEmpty,
    JdEndsBeforeStartStation,
    JdStartStationMissing,
    TooManyIntersectionPoints,  // limit
    JdDataLineMissing,  // name
    JdDataFields,  // name, count
    ElementStartValues,  // count
    StartAzimuthTooLarge,  // field, limit, text
    TooManyElements,  // limit
    ElementFields,  // count
    CoordinateFields,  // count, "s" unless one
    TooManyPoints,  // limit
    GradePointFields,  // count, "s" unless one
    CrossFallFields,  // count, "s" unless one
    NoPointListed,
};

// Before the reason of a failure that names a line but no file.
inline constexpr const char* FAILURE_LINE_PREFIX = VOMEL_TRANSLATE_NOOP("Failure", "line %1: ");

// The English wording of `code`, with places %1, %2, ... for its values.
const char* failureWording(FailureCode code);

// True for the codes whose last value is the system's reason (strerror in
// the C locale), which a translation words in its own language too.
bool endsInSystemReason(FailureCode code);

// The wording of `code` with `values`; the last value of a code that ends in
// the system's reason is looked up among the system's reasons.
Wording codeWording(FailureCode code, std::vector<std::string> values);

// "s" unless `count` is one: the plural of "field" in the wordings.
inline const char* pluralS(std::size_t count) { return count == 1 ? "" : "s"; }

}  // namespace vomel
