// Reverse spirals split at their zero-curvature point, in place.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "alignment/element_chain.h"
#include "core/failure.h"
#include "testing/expect_failure.h"

namespace {

using vomel::INFINITE_RADIUS;

constexpr double kLengthTolerance = 1e-12;  // metres

struct Row {
    double r1;
    double r2;
    double length;
};

std::unique_ptr<vomel::ElementChain> splitRows(const std::vector<Row>& rows)
{
    auto chain = std::make_unique<vomel::ElementChain>();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        chain->rowStartRadius[i + 1] = rows[i].r1;
        chain->rowEndRadius[i + 1] = rows[i].r2;
        chain->rowLength[i + 1] = rows[i].length;
    }
    chain->rowCount = static_cast<int>(rows.size());
    vomel::splitReverseSpirals(*chain);
    return chain;
}

TEST(SplitReverseSpirals, ElementsAfterSplitting)
{
    struct Case {
        const char* name;
        std::vector<Row> rows;
        std::vector<Row> elements;
    };
    const double W = INFINITE_RADIUS;
    const Case cases[] = {
        {"one reverse spiral", {{300, -600, 90}}, {{300, W, 60}, {W, -600, 30}}},
        {"later rows move up",
         {{W, W, 10}, {300, -600, 90}, {500, 500, 20}},
         {{W, W, 10}, {300, W, 60}, {W, -600, 30}, {500, 500, 20}}},
        {"two reverse spirals, the second found one place further",
         {{-200, 100, 60}, {100, 100, 5}, {100, -400, 50}, {W, W, 7}},
         {{-200, W, 20}, {W, 100, 40}, {100, 100, 5}, {100, W, 40}, {W, -400, 10}, {W, W, 7}}},
        {"-9999 is a radius, so -9999 to 500 is reversed",
         {{-9999, 500, 104.99}},
         {{-9999, W, 104.99 * 500 / 10499}, {W, 500, 104.99 * 9999 / 10499}}},
        {"a radius of 0 (product exactly 0) is not split", {{0, -600, 90}}, {{0, -600, 90}}},
        {"same signs, arcs, straights, spirals untouched",
         {{300, 600, 90}, {500, 500, 20}, {W, W, 1}, {W, -300, 40}, {-300, W, 40}},
         {{300, 600, 90}, {500, 500, 20}, {W, W, 1}, {W, -300, 40}, {-300, W, 40}}},
        {"no rows", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto chain = splitRows(c.rows);
        const int expected = static_cast<int>(c.elements.size());
        ASSERT_EQ(chain->elementCount, expected);
        EXPECT_EQ(chain->rowCount, expected);
        for (int i = 1; i <= expected; ++i) {
            const Row& e = c.elements[static_cast<std::size_t>(i - 1)];
            EXPECT_EQ(chain->elementStartRadius[i], e.r1) << "element " << i;
            EXPECT_EQ(chain->elementEndRadius[i], e.r2) << "element " << i;
            EXPECT_NEAR(chain->elementLength[i], e.length, kLengthTolerance) << "element " << i;
            EXPECT_EQ(chain->rowLength[i], chain->elementLength[i]) << "element " << i;
        }
    }
}

TEST(SplitReverseSpirals, MoreThanAThousandRowsFailsAndChangesNothing)
{
    std::vector<Row> rows(999, Row{INFINITE_RADIUS, INFINITE_RADIUS, 1.0});
    rows[10] = {300, -600, 90};
    rows[500] = {-300, 600, 90};
    auto chain = std::make_unique<vomel::ElementChain>();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        chain->rowStartRadius[i + 1] = rows[i].r1;
        chain->rowEndRadius[i + 1] = rows[i].r2;
        chain->rowLength[i + 1] = rows[i].length;
    }
    chain->rowCount = 999;
    const auto failure =
        vomel::testing::expectFailure<vomel::FormatFailure>([&] { vomel::splitReverseSpirals(*chain); });
    EXPECT_EQ(failure.reason(), "1001 elements after splitting 2 reverse spirals; at most 1000 rows are allowed");
    EXPECT_EQ(chain->rowCount, 999);
    EXPECT_EQ(chain->rowEndRadius[11], -600.0);
    EXPECT_EQ(chain->elementCount, 0);
}

}  // namespace
