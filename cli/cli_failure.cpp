#include "cli/cli_failure.h"

#include <ostream>
#include <string>
#include <vector>

#include "cli/catalogue.h"
#include "core/failure.h"
#include "session/run_messages.h"
#include "text/input_line.h"

namespace vomel::cli {

namespace {

std::string chineseReason(const vomel::Failure& failure)
{
    return failure.wording().translated(
        [](const char* context, const char* source) { return std::string(chineseText(context, source)); });
}

// "FILE:LINE: reason", "FILE: reason", "第LINE行：reason" or "reason", as
// the window shows it in Chinese.
std::string chineseFailureText(const vomel::Failure& failure)
{
    std::string text;
    if (!failure.file().empty()) {
        text = failure.file();
        if (failure.line() > 0) text += ":" + std::to_string(failure.line());
        text += ": ";
    } else if (failure.line() > 0) {
        text = vomel::fillPlaces(chineseText(vomel::FAILURE_WORDING_CONTEXT, vomel::FAILURE_LINE_PREFIX),
                                 {std::to_string(failure.line())});
    }
    return text + chineseReason(failure);
}

// The failure's text in `language`; English is the failure's own.
std::string failureText(const vomel::Failure& failure, Language language)
{
    return language == Language::Chinese ? chineseFailureText(failure) : std::string(failure.what());
}

// Chinese puts the message of the window's error box above the reason;
// English gives the reason alone.
int reportUnder(const char* chineseHeading, const vomel::Failure& failure, Language language, std::ostream& err,
                int status)
{
    if (language == Language::Chinese) {
        err << chineseHeading << '\n' << failureText(failure, language) << '\n';
    } else {
        err << "vomel-cli: " << failureText(failure, language) << '\n';
    }
    return status;
}

}  // namespace

int runReporting(Stage stage, const std::function<int()>& body)
{
    try {
        return body();
    } catch (const vomel::Failure&) {
        throw StagedFailure{stage, std::current_exception()};
    }
}

int reportFailure(const StagedFailure& staged, Language language, std::ostream& err)
{
    try {
        std::rethrow_exception(staged.failure);
    } catch (const vomel::FileFailure& failure) {
        err << "vomel-cli: " << failureText(failure, language) << '\n';
        return EXIT_FILE;
    } catch (const vomel::CancelledFailure& failure) {
        return reportUnder(vomel::MSG_READ_CANCELLED, failure, language, err, EXIT_FILE);
    } catch (const vomel::Failure& failure) {
        const char* heading = staged.stage == Stage::Initialise ? vomel::MSG_INIT_FORMAT : vomel::MSG_COMPUTE_FORMAT;
        return reportUnder(heading, failure, language, err, EXIT_FORMAT);
    }
}

double numberArgument(const std::string& text, const char* what)
{
    if (const auto value = vomel::parseNumber(text)) return *value;
    throw UsageError(std::string(what) + " is not a number: \"" + text + "\"");
}

}  // namespace vomel::cli
