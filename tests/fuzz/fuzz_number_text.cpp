// The typed-number rule of the main window and the strict numbers of the
// files, with the two ways numbers are written back. The input is split at
// its first newline into the X and Y boxes of a typed point.
#include <cstdint>

#include "alignment/element_chain.h"
#include "formats/element_file.h"
#include "tests/fuzz/fuzz_support.h"
#include "text/input_line.h"
#include "text/number_text.h"
#include "text/packed_angle.h"

namespace {

std::shared_ptr<const vomel::PreparedLine> fixedStraight()
{
    auto chain = std::make_shared<vomel::ElementChain>();
    std::istringstream file("100 0 0 0\r\n9999 9999 250\r\n");
    vomel::readElementFile(file, *chain);
    vomel::layOutChain(*chain);
    return vomel::prepareLine(std::move(chain));
}

// Formats `value` both ways and checks that the general form reads back as
// a number that formats the same way.
void checkWritten(double value)
{
    const std::string general = vomel::formatGeneral(value);
    const auto back = vomel::parseNumber(general);
    if (!back) vomel::fuzz::fault("\"" + general + "\" does not read back");
    if (vomel::formatGeneral(*back) != general) vomel::fuzz::fault("\"" + general + "\" is not stable");
    for (int decimals : {0, 3}) {
        const std::string fixed = vomel::formatFixed(value, decimals);
        if (!vomel::parseNumber(fixed)) vomel::fuzz::fault("\"" + fixed + "\" does not read back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const auto line = fixedStraight();
    const std::string text(reinterpret_cast<const char*>(data), size);

    const double typed = vomel::leadingNumber(text);
    vomel::fuzz::requireFiniteResult(typed, "typed number");
    checkWritten(typed);
    if (const auto strict = vomel::parseNumber(text)) {
        vomel::fuzz::requireFiniteResult(*strict, "field number");
        checkWritten(*strict);
        if (vomel::leadingNumber(text) != *strict) vomel::fuzz::fault("a field reads differently typed");
    }

    const auto newline = text.find('\n');
    const std::string x = text.substr(0, newline);
    const std::string y = newline == std::string::npos ? std::string() : text.substr(newline + 1);
    try {
        const vomel::SinglePointText shown = vomel::computeSinglePoint(*line, x, y);
        if (!vomel::parseNumber(shown.offset)) vomel::fuzz::fault("offset text \"" + shown.offset + "\"");
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
    }
    return 0;
}
