// K-form stations ("K5+030.00", "BK1+030.5"): what they read as, why a
// malformed one fails, and the way back to text.
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "stationing/kilometre_station.h"
#include "stationing/station_field.h"
#include "testing/expect_failure.h"

namespace {

TEST(KilometreStation, FieldsReadOrFailWithTheirReason)
{
    struct Case {
        const char* text;
        char letter;  // 0: none
        double value;
        const char* reason;  // nullptr: valid
    };
    const Case cases[] = {
        {"K5+030.00", 0, 5030.0, nullptr},
        {"k0+000", 0, 0.0, nullptr},
        {"BK1+030.5", 'B', 1030.5, nullptr},
        {"KK1+030.5", 'K', 1030.5, nullptr},  // chain K in the K form
        {"kk0+000", 'K', 0.0, nullptr},
        {"K12+999.999", 0, 12999.999, nullptr},
        {"K5+30", 0, 5030.0, nullptr},
        {"5030", 0, 5030.0, nullptr},
        {"K1000", 'K', 1000.0, nullptr},  // chain K, not a K form
        {"K5+1000", 0, 0, "field 2: the metres after + are 1000 or more: \"K5+1000\""},
        {"K5+999.9999999", 0, 5999.9999999, nullptr},
        {"K5+03a", 0, 0,
         "field 2: not a K-form station (K, kilometres, +, metres: K5+030.00): the metres after + "
         "are not a decimal number: \"K5+03a\""},
        {"K5+", 0, 0, "the metres after + are not a decimal number"},
        {"K5+-3", 0, 0, "the metres after + are not a decimal number"},
        {"K5++3", 0, 0, "the metres after + are not a decimal number"},
        {"K5.5+000", 0, 0, "field 2 is not a station"},
        {"BK+030", 0, 0, "field 2 is not a station"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.reason == nullptr) {
            const vomel::StationText station = vomel::parseStationField(c.text, 7, 2);
            EXPECT_EQ(station.letter.value_or(0), c.letter);
            EXPECT_EQ(station.value, c.value);
            continue;
        }
        const auto failure =
            vomel::testing::expectFailure<vomel::FormatFailure>([&] { vomel::parseStationField(c.text, 7, 2); });
        EXPECT_EQ(failure.line(), 7);
        EXPECT_NE(failure.reason().find(c.reason), std::string::npos) << failure.reason();
    }
}

TEST(KilometreStation, TextRoundTripsAndCarriesIntoTheNextKilometre)
{
    EXPECT_EQ(vomel::kilometreStationText(5030, 2), "K5+030.00");
    EXPECT_EQ(vomel::kilometreStationText(1030.5, 1, 'B'), "BK1+030.5");
    EXPECT_EQ(vomel::kilometreStationText(7.25, 3), "K0+007.250");
    EXPECT_EQ(vomel::kilometreStationText(999.9996, 3), "K1+000.000");
    EXPECT_EQ(vomel::kilometreStationText(123456789, 0), "K123456+789");
    EXPECT_THROW(vomel::kilometreStationText(-0.5, 3), vomel::GeometryFailure);

    // Millimetre stations up to 1000 km on every chain (A to T, K among
    // them): text and back give the same letter and value.
    std::mt19937_64 random(15);
    std::uniform_int_distribution<long long> millimetres(0, 1'000'000'000LL);
    for (int i = 0; i < 2000; ++i) {
        const double station = static_cast<double>(millimetres(random)) / 1000.0;
        const char letter = static_cast<char>('A' + i % 20);
        const std::string text = vomel::kilometreStationText(station, 3, letter);
        const auto back = vomel::parseStationText(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(back->letter.value_or(0), letter) << text;
        EXPECT_NEAR(back->value, station, 1e-9) << text;
    }
}

}  // namespace
