#include "stationing/kilometre_station.h"

#include <cctype>
#include <cmath>
#include <string>

#include "core/failure.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

namespace {

bool isDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }
bool isLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }
bool isKilometreMark(char c) { return c == 'K' || c == 'k'; }

// Where the "K" stands: 0 for "K5+030", 1 for "BK1+030" and for "KK1+030"
// (chain K, the eleventh, in the K form); npos when the text does not start
// like a K form.
std::size_t kilometreMarkAt(std::string_view text)
{
    if (text.size() > 1 && isLetter(text[0]) && isKilometreMark(text[1])) return 1;
    if (!text.empty() && isKilometreMark(text[0])) return 0;
    return std::string_view::npos;
}

bool allDigits(std::string_view text)
{
    for (char c : text) {
        if (!isDigit(c)) return false;
    }
    return !text.empty();
}

constexpr const char* BEYOND_DOUBLE_RANGE = VOMEL_TRANSLATE_NOOP("Failure", "the number is beyond the double range");

// `why` is a reason marked for translation.
[[noreturn]] void failMalformed(std::string_view text, const char* why)
{
    throw vomel::FormatFailure(
        VOMEL_TRANSLATE_NOOP("Failure", "not a K-form station (K, kilometres, +, metres: K5+030.00): %1: %2"),
        vomel::worded(why), vomel::quotedExcerpt(text));
}

}  // namespace

bool looksLikeKilometreStation(std::string_view text)
{
    text = vomel::trimBlanks(text);
    const std::size_t mark = kilometreMarkAt(text);
    if (mark == std::string_view::npos) return false;
    std::size_t at = mark + 1;
    while (at < text.size() && isDigit(text[at])) ++at;
    return at > mark + 1 && at < text.size() && text[at] == '+';
}

StationText parseKilometreStation(std::string_view text)
{
    text = vomel::trimBlanks(text);
    const std::size_t mark = kilometreMarkAt(text);
    if (mark == std::string_view::npos) failMalformed(text, VOMEL_TRANSLATE_NOOP("Failure", "no K"));
    const std::size_t plus = text.find('+', mark);
    if (plus == std::string_view::npos) failMalformed(text, VOMEL_TRANSLATE_NOOP("Failure", "no +"));
    const std::string_view kilometres = text.substr(mark + 1, plus - mark - 1);
    const std::string_view metres = text.substr(plus + 1);
    if (!allDigits(kilometres))
        failMalformed(text, VOMEL_TRANSLATE_NOOP("Failure", "the kilometres are not a whole number"));

    // Metres: digits, optionally a point and more digits ("030", "030.25").
    const std::size_t point = metres.find('.');
    const std::string_view whole = metres.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : metres.substr(point + 1);
    if (!allDigits(whole) || (point != std::string_view::npos && !allDigits(fraction))) {
        failMalformed(text, VOMEL_TRANSLATE_NOOP("Failure", "the metres after + are not a decimal number"));
    }
    const auto km = vomel::parseNumber(kilometres);
    const auto m = vomel::parseNumber(metres);
    if (!km || !m) failMalformed(text, BEYOND_DOUBLE_RANGE);
    if (*m >= METRES_PER_KILOMETRE) {
        throw vomel::FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "the metres after + are 1000 or more: %1"),
                                   vomel::quotedExcerpt(text));
    }
    StationText station;
    if (mark == 1) station.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    station.value = *km * METRES_PER_KILOMETRE + *m;
    if (!std::isfinite(station.value)) failMalformed(text, BEYOND_DOUBLE_RANGE);
    return station;
}

std::string kilometreStationText(double stated, int decimals, std::optional<char> letter)
{
    vomel::requireFinite(stated, VOMEL_TRANSLATE_NOOP("Failure", "station"));
    if (stated < 0)
        throw vomel::GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "a K-form station cannot be negative: %1"),
                                     vomel::formatGeneral(stated));
    // Rounded once, as shown, so that 999.9996 becomes K1+000.000 and never
    // K0+1000.000.
    const std::string shown = vomel::formatFixed(stated, decimals);
    const std::size_t point = shown.find('.');
    const std::string whole = shown.substr(0, point);
    const std::string decimalsPart = point == std::string::npos ? std::string{} : shown.substr(point);
    const std::string padded = std::string(whole.size() < 4 ? 4 - whole.size() : 0, '0') + whole;
    const std::string km = padded.substr(0, padded.size() - 3);
    const std::string metres = padded.substr(padded.size() - 3);
    std::string text = letter ? std::string(1, *letter) : std::string{};
    return text + "K" + km + "+" + metres + decimalsPart;
}

}  // namespace vomel
