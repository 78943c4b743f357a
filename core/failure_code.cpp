#include "core/failure_code.h"

#include <utility>

namespace vomel {

const char* failureWording(FailureCode code)
{
    switch (code) {
    case FailureCode::None: return "%1";
    case FailureCode::NotANumber: return VOMEL_TRANSLATE_NOOP("Failure", "field %1 is not a number: %2");
    case FailureCode::BeyondLargestMagnitude:
        return VOMEL_TRANSLATE_NOOP("Failure", "field %1 is beyond ±%2, the largest magnitude accepted: %3");
    case FailureCode::NotAStation:
        return VOMEL_TRANSLATE_NOOP(
            "Failure", "field %1 is not a station (a number, optionally after its chain letter, or K5+030.00): %2");
    case FailureCode::LineTooLong: return VOMEL_TRANSLATE_NOOP("Failure", "line is longer than %1 bytes");
    case FailureCode::FileTooLong: return VOMEL_TRANSLATE_NOOP("Failure", "the file is longer than %1 bytes");
    case FailureCode::CarriageReturnInLine:
        return VOMEL_TRANSLATE_NOOP("Failure", "a carriage return (CR) inside the line: lines must end in CR LF or LF");
    case FailureCode::FileNotReadToEnd: return VOMEL_TRANSLATE_NOOP("Failure", "the file could not be read to its end");
    case FailureCode::FileIsFolder: return VOMEL_TRANSLATE_NOOP("Failure", "cannot read the file: it is a folder");
    case FailureCode::CannotOpen: return VOMEL_TRANSLATE_NOOP("Failure", "cannot open the file: %1");
    case FailureCode::CannotReachResults: return VOMEL_TRANSLATE_NOOP("Failure", "cannot reach the results file: %1");
    case FailureCode::ResultsIsFolder: return VOMEL_TRANSLATE_NOOP("Failure", "the results file is a folder: %1");
    case FailureCode::CannotOpenResults:
        return VOMEL_TRANSLATE_NOOP("Failure", "cannot open the results file for writing: %1");
    case FailureCode::ResultsCannotBeReplaced:
        return VOMEL_TRANSLATE_NOOP("Failure", "the results file cannot be replaced: %1");
    case FailureCode::CannotCreateInFolder:
        return VOMEL_TRANSLATE_NOOP("Failure", "cannot create a file in the folder %1: %2");
    case FailureCode::CannotWriteResults: return VOMEL_TRANSLATE_NOOP("Failure", "cannot write the results file: %1");
    case FailureCode::CannotWriteResultsToDisk:
        return VOMEL_TRANSLATE_NOOP("Failure", "cannot write the results file to disk: %1");
    case FailureCode::ChainBreakFields:
        return VOMEL_TRANSLATE_NOOP("Failure",
                                    "a chain break needs two numbers, the back station and the ahead station");
    case FailureCode::TooManyChainBreaks: return VOMEL_TRANSLATE_NOOP("Failure", "more than %1 chain breaks");
    case FailureCode::JdFileEmpty:
        return VOMEL_TRANSLATE_NOOP("Failure", "the file is empty: the header line with the start station is missing");
    case FailureCode::JdEndsBeforeStartStation:
        return VOMEL_TRANSLATE_NOOP("Failure", "the file ends before the start station");
    case FailureCode::JdStartStationMissing: return VOMEL_TRANSLATE_NOOP("Failure", "the start station is missing");
    case FailureCode::TooManyIntersectionPoints:
        return VOMEL_TRANSLATE_NOOP("Failure", "more than %1 intersection points: the table is full");
    case FailureCode::JdDataLineMissing:
        return VOMEL_TRANSLATE_NOOP("Failure", "the file ends after the name %1: its data line is missing");
    case FailureCode::JdDataFields:
        return VOMEL_TRANSLATE_NOOP(
            "Failure", "the data line of %1 has %2 numbers; expected 5 (X Y R Ls1 Ls2) or 7 (... RA1 RA2)");
    case FailureCode::ElementStartValues:
        return VOMEL_TRANSLATE_NOOP(
            "Failure", "start line: %1 of the four numbers (station, X, Y, azimuth) before the end of the file");
    case FailureCode::StartAzimuthTooLarge:
        return VOMEL_TRANSLATE_NOOP("Failure", "field %1, the start azimuth, is %2 degrees or more: %3");
    case FailureCode::TooManyElements: return VOMEL_TRANSLATE_NOOP("Failure", "more than %1 element lines");
    case FailureCode::ElementFields:
        return VOMEL_TRANSLATE_NOOP("Failure",
                                    "element line has %1 fields; start radius, end radius and length are needed");
    case FailureCode::CoordinateFields:
        return VOMEL_TRANSLATE_NOOP("Failure", "a point needs a label, X and Y; the line has %1 field%2");
    case FailureCode::TooManyPoints: return VOMEL_TRANSLATE_NOOP("Failure", "more than %1 points in one file");
    case FailureCode::GradePointFields:
        return VOMEL_TRANSLATE_NOOP("Failure",
                                    "a grade point is `station elevation [radius]`; the line has %1 field%2");
    case FailureCode::CrossFallFields:
        return VOMEL_TRANSLATE_NOOP("Failure",
                                    "a cross-fall line is `station left right` (percent); the line has %1 field%2");
    case FailureCode::NoPointListed:
        return VOMEL_TRANSLATE_NOOP("Failure",
                                    "no point read: the file is empty or its first line is blank; no results file "
                                    "written");
    }
    return "%1";
}

bool endsInSystemReason(FailureCode code)
{
    switch (code) {
    case FailureCode::CannotOpen:
    case FailureCode::CannotReachResults:
    case FailureCode::ResultsIsFolder:
    case FailureCode::CannotOpenResults:
    case FailureCode::ResultsCannotBeReplaced:
    case FailureCode::CannotCreateInFolder:
    case FailureCode::CannotWriteResults:
    case FailureCode::CannotWriteResultsToDisk: return true;
    default: return false;
    }
}

Wording codeWording(FailureCode code, std::vector<std::string> values)
{
    std::vector<Wording> worded;
    worded.reserve(values.size());
    for (std::string& value : values) worded.emplace_back(std::move(value));
    if (endsInSystemReason(code) && !worded.empty()) {
        worded.back() = Wording(SYSTEM_REASON_CONTEXT, worded.back().english(), {});
    }
    return Wording(FAILURE_WORDING_CONTEXT, failureWording(code), std::move(worded));
}

}  // namespace vomel
