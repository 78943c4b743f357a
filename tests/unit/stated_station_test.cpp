// Stated stations back to continuous ones: the inverse of the chain-break
// walk, on long chains (stations repeated) and short chains (stations
// skipped), with stations that their chain does not hold.
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "stationing/chain_break.h"
#include "stationing/stated_station.h"
#include "testing/expect_failure.h"

namespace {

using vomel::ChainBreaks;
using vomel::StatedStation;

ChainBreaks breaksOf(const std::vector<std::pair<double, double>>& rows, double end = 1e6)
{
    ChainBreaks table;
    table.chainBreakCount = static_cast<int>(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        table.breakBackStation[k + 1] = rows[k].first;
        table.breakAheadStation[k + 1] = rows[k].second;
    }
    table.breakBackStation[rows.size() + 1] = end;
    table.breakAheadStation[rows.size() + 1] = end;
    return table;
}

TEST(ParseStationText, LettersAndNumbers)
{
    struct Case {
        const char* text;
        bool valid;
        char letter;  // 0: none
        double value;
    };
    const Case cases[] = {
        {"B1000.5", true, 'B', 1000.5},
        {"b1000.5", true, 'B', 1000.5},
        {"1000.5", true, 0, 1000.5},
        {"-12", true, 0, -12.0},
        {"A-3.5", true, 'A', -3.5},
        {" C20 ", true, 'C', 20.0},
        {"B", false, 0, 0},
        {"BB100", false, 0, 0},
        {"B10x", false, 0, 0},
        {"", false, 0, 0},
        {"K1+200", true, 0, 1200.0},
        {"bK1+030.5", true, 'B', 1030.5},
        {"K1+1000", false, 0, 0},
        {"K1.5+000", false, 0, 0},
    };
    for (const Case& c : cases) {
        const auto parsed = vomel::parseStationText(c.text);
        ASSERT_EQ(parsed.has_value(), c.valid) << c.text;
        if (!c.valid) continue;
        EXPECT_EQ(parsed->letter.value_or(0), c.letter) << c.text;
        EXPECT_EQ(parsed->value, c.value) << c.text;
    }
}

TEST(ContinuousStation, KnownStationsOnLongAndShortChains)
{
    const ChainBreaks longChain = breaksOf({{1100, 1000}});  // 100 m repeated
    const ChainBreaks shortChain = breaksOf({{1000, 1100}});  // 100 m skipped
    const ChainBreaks twoBreaks = breaksOf({{1000, 1100}, {1500, 1450}});
    const ChainBreaks none = breaksOf({});
    struct Case {
        const char* name;
        const ChainBreaks& breaks;
        StatedStation stated;
        double continuous;
    };
    const Case cases[] = {
        {"long chain, before", longChain, {1050, 'A'}, 1050},
        {"long chain, at the back station", longChain, {1100, 'A'}, 1100},
        {"long chain, at the ahead station", longChain, {1000, 'B'}, 1100},
        {"long chain, repeated station after", longChain, {1050, 'B'}, 1150},
        {"long chain, fraction", longChain, {1000.5, 'B'}, 1100.5},
        {"short chain, before", shortChain, {999.75, 'A'}, 999.75},
        {"short chain, after", shortChain, {1100.25, 'B'}, 1000.25},
        {"short chain, at the ahead station", shortChain, {1100, 'B'}, 1000},
        {"two breaks, third chain", twoBreaks, {1460, 'C'}, 1410},
        {"two breaks, second chain", twoBreaks, {1200, 'B'}, 1100},
        {"before the start of the line", none, {-20, 'A'}, -20},
        {"no breaks", none, {5000.125, 'A'}, 5000.125},
    };
    for (const Case& c : cases) {
        const double s = vomel::continuousStation(c.breaks, c.stated);
        EXPECT_NEAR(s, c.continuous, 1e-9) << c.name;
    }
}

TEST(ContinuousStation, StationsThatDoNotExist)
{
    const ChainBreaks longChain = breaksOf({{1100, 1000}});
    const ChainBreaks shortChain = breaksOf({{1000, 1100}});
    const ChainBreaks none = breaksOf({});
    struct Case {
        const char* name;
        const ChainBreaks& breaks;
        StatedStation stated;
        const char* reason;
    };
    const Case cases[] = {
        {"skipped by a short chain, stated in A",
         shortChain,
         {1050, 'A'},
         "does not exist: chain A runs from the start to A1000"},
        {"skipped by a short chain, stated in B", shortChain, {1050, 'B'}, "chain B runs from B1100 to the end"},
        {"beyond the back station", longChain, {1100.5, 'A'}, "does not exist"},
        {"before the ahead station", longChain, {999, 'B'}, "does not exist"},
        {"a letter beyond the chains", longChain, {1200, 'C'}, "chains run from A to B"},
        {"a letter on a line without breaks", none, {1200, 'B'}, "no chain breaks"},
    };
    for (const Case& c : cases) {
        const auto failure = vomel::testing::expectFailure<vomel::GeometryFailure>(
            [&] { vomel::continuousStation(c.breaks, c.stated); });
        EXPECT_NE(failure.reason().find(c.reason), std::string::npos) << c.name << ": " << failure.reason();
    }
}

// The most breaks a line can have, long and short chains in turn, every
// back station above the one before it.
ChainBreaks nineteenBreaks()
{
    std::vector<std::pair<double, double>> rows;
    for (int k = 1; k <= vomel::MAX_CHAIN_BREAKS; ++k) {
        const double back = 500.0 + 130.0 * k;
        rows.emplace_back(back, k % 2 == 0 ? back - 20.0 - k : back + 15.0 + k);
    }
    return breaksOf(rows);
}

// Every continuous station walks to a stated station and back to itself.
TEST(ContinuousStation, RoundTripsThroughTheWalk)
{
    const ChainBreaks tables[] = {
        breaksOf({{1100, 1000}}),
        breaksOf({{1000, 1100}}),
        breaksOf({{1000, 1100}, {1500, 1450}, {2000.125, 2100}, {2500, 2300.5}}),
        // Out of order for a careful user, yet legal: a long chain followed
        // closely by another break; the walk still tests the second row.
        breaksOf({{1100, 1000}, {1050, 1200}}),
        nineteenBreaks(),
    };
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> station(500.0, 3000.0);
    double worst = 0.0;
    double worstAt = 0.0;
    for (const ChainBreaks& breaks : tables) {
        for (int i = 0; i < 4000; ++i) {
            const double s = station(random);
            const StatedStation stated = vomel::chainStationLetter(breaks, s);
            const double back = vomel::continuousStation(breaks, stated);
            if (std::fabs(back - s) > worst) {
                worst = std::fabs(back - s);
                worstAt = s;
            }
        }
    }
    EXPECT_LT(worst, 1e-9) << "largest error at continuous station " << worstAt;
}

}  // namespace
