#include "stationing/stated_station.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "core/failure.h"
#include "stationing/kilometre_station.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

namespace {

// Step past a break, metres: the ahead station of a break is the limit of
// its chain, reached just beyond the break's continuous station. Larger than
// the spacing of doubles up to 10,000 km, far below STATED_STATION_TOLERANCE.
constexpr double BREAK_STEP = STATED_STATION_TOLERANCE / 10;

std::size_t row(int k) { return static_cast<std::size_t>(k); }

std::string chainName(const ChainBreaks& breaks, char letter, double value)
{
    return (breaks.chainBreakCount != 0 ? std::string(1, letter) : std::string()) + vomel::formatGeneral(value);
}

vomel::Wording chainNameWording(const ChainBreaks& breaks, char letter, double value)
{
    return vomel::Wording(chainName(breaks, letter, value));
}

// What the table says chain j (0 for "A") holds, for messages: from the
// ahead station of break j to the back station of break j + 1.
vomel::Wording chainExtent(const ChainBreaks& breaks, int j)
{
    const char letter = static_cast<char>('A' + j);
    const vomel::Wording from = j == 0 ? vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "the start"))
                                       : chainNameWording(breaks, letter, breaks.breakAheadStation[row(j)]);
    const vomel::Wording to = j == breaks.chainBreakCount
                                  ? vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "the end"))
                                  : chainNameWording(breaks, letter, breaks.breakBackStation[row(j + 1)]);
    return vomel::worded(VOMEL_TRANSLATE_NOOP("Failure", "chain %1 runs from %2 to %3"), std::string(1, letter), from,
                         to);
}

// The shifts (ahead - back summed over the breaks the walk applies) that a
// walk applying exactly `applied` breaks can add, each break in row order.
// The walk tests every row against its running value, so in a table whose
// breaks are out of order any set of rows may apply; in an ordered table
// only the first `applied` rows do. Candidates are checked by walking.
std::vector<double> candidateShifts(const ChainBreaks& breaks, int applied)
{
    const int count = breaks.chainBreakCount;
    // With back stations that never fall, a row the walk does not apply
    // leaves the running value at or below every later back station, so
    // the rows applied are always the first ones: one candidate, found
    // without trying every set of rows (which takes milliseconds a station
    // on a table of 19 breaks).
    bool backStationsRise = true;
    for (int k = 2; k <= count; ++k) {
        if (breaks.breakBackStation[row(k)] < breaks.breakBackStation[row(k - 1)]) backStationsRise = false;
    }
    if (backStationsRise) {
        double shift = 0.0;
        for (int k = 1; k <= applied; ++k) shift += breaks.breakAheadStation[row(k)] - breaks.breakBackStation[row(k)];
        return {shift};
    }

    std::vector<std::pair<double, int>> states{{0.0, 0}};
    for (int k = 1; k <= count; ++k) {
        const double shift = breaks.breakAheadStation[row(k)] - breaks.breakBackStation[row(k)];
        const std::size_t existing = states.size();
        for (std::size_t i = 0; i < existing; ++i) {
            if (states[i].second < applied) states.emplace_back(states[i].first + shift, states[i].second + 1);
        }
        // States that can no longer reach `applied` breaks are dropped.
        std::erase_if(states, [&](const auto& state) { return state.second + (count - k) < applied; });
        std::sort(states.begin(), states.end());
        states.erase(std::unique(states.begin(), states.end()), states.end());
    }
    std::vector<double> shifts;
    for (const auto& [shift, n] : states) {
        if (n == applied) shifts.push_back(shift);
    }
    return shifts;
}

bool walksTo(const ChainBreaks& breaks, double s, StatedStation stated)
{
    const StatedStation at = chainStationLetter(breaks, s);
    return at.letter == stated.letter && std::fabs(at.stated - stated.stated) <= STATED_STATION_TOLERANCE;
}

}  // namespace

std::optional<StationText> parseStationText(std::string_view text)
{
    text = vomel::trimBlanks(text);
    if (looksLikeKilometreStation(text)) {
        try {
            return parseKilometreStation(text);
        } catch (const vomel::FormatFailure&) {
            return std::nullopt;
        }
    }
    StationText station;
    if (!text.empty() && std::isalpha(static_cast<unsigned char>(text.front())) != 0) {
        station.letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
        text.remove_prefix(1);
    }
    const auto value = vomel::parseNumber(text);
    if (!value) return std::nullopt;
    station.value = *value;
    return station;
}

double continuousStation(const ChainBreaks& breaks, StatedStation stated)
{
    const int count = breaks.chainBreakCount;
    const int j = stated.letter - 'A';
    if (!std::isfinite(stated.stated))
        throw vomel::GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "the station is not a finite number"));
    if (j < 0 || j > count) {
        if (count == 0) {
            throw vomel::GeometryFailure(
                VOMEL_TRANSLATE_NOOP("Failure",
                                     "there is no chain %1: the line has no chain breaks, its only chain is A"),
                std::string(1, stated.letter));
        }
        throw vomel::GeometryFailure(
            VOMEL_TRANSLATE_NOOP("Failure", "there is no chain %1: the line's chains run from A to %2"),
            std::string(1, stated.letter), std::string(1, static_cast<char>('A' + count)));
    }

    std::vector<double> found;
    for (double shift : candidateShifts(breaks, j)) {
        const double s = stated.stated - shift;
        if (walksTo(breaks, s, stated) || walksTo(breaks, s + BREAK_STEP, stated)) found.push_back(s);
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end(),
                            [](double a, double b) { return std::fabs(a - b) <= STATED_STATION_TOLERANCE; }),
                found.end());

    const std::string name = chainName(breaks, stated.letter, stated.stated);
    if (found.empty()) {
        throw vomel::GeometryFailure(VOMEL_TRANSLATE_NOOP("Failure", "station %1 does not exist: %2"), name,
                                     chainExtent(breaks, j));
    }
    if (found.size() > 1) {
        throw vomel::GeometryFailure(
            VOMEL_TRANSLATE_NOOP(
                "Failure",
                "station %1 lies at two places, continuous stations %2 and %3: the chain breaks are out of order"),
            name, vomel::formatGeneral(found[0]), vomel::formatGeneral(found[1]));
    }
    return found.front();
}

double continuousStation(const ChainBreaks& breaks, const StationText& text)
{
    if (!text.letter) return text.value;
    return continuousStation(breaks, StatedStation{text.value, *text.letter});
}

}  // namespace vomel
