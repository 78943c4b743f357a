// Station texts (continuous, lettered, K form) as typed and as file fields,
// and the K form written back.
#include <cstdint>
#include <string>

#include "stationing/kilometre_station.h"
#include "stationing/station_field.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto typed = vomel::parseStationText(text);
    try {
        const vomel::StationText field = vomel::parseStationField(text, 1, 1);
        vomel::fuzz::requireFiniteResult(field.value, "station");
        if (!typed || typed->value != field.value) vomel::fuzz::fault("a field read differs from the typed text");
        if (field.value >= 0 && field.value < 1e12) {
            const auto back = vomel::parseStationText(vomel::kilometreStationText(field.value, 3, field.letter));
            if (!back) vomel::fuzz::fault("a K form written back does not read");
        }
    } catch (const vomel::Failure& failure) {
        vomel::fuzz::checkFailure(failure);
        if (typed) vomel::fuzz::fault("a typed station accepted where the field is refused");
    }
    return 0;
}
