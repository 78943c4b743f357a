// Absurd inputs end quickly with a format failure that says where: a line
// of millions of bytes, a file of one enormous line, an endless device,
// millions of short lines, values near the double range.
#include <cmath>
#include <cstdlib>
#include <istream>
#include <sstream>
#include <streambuf>
#include <string>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/chain_break_file.h"
#include "formats/coordinate_file.h"
#include "formats/element_file.h"
#include "formats/jd_reader.h"
#include "session/session.h"
#include "stationing/chain_break.h"
#include "text/input_line.h"

namespace {

// A stream that repeats `unit` without end, as a device or a runaway
// program would; it holds only one copy of the unit.
class EndlessBuffer : public std::streambuf {
public:
    explicit EndlessBuffer(std::string unit) : unit_(std::move(unit)) { rewind(); }

protected:
    int_type underflow() override
    {
        rewind();
        return traits_type::to_int_type(unit_[0]);
    }

private:
    void rewind() { setg(unit_.data(), unit_.data(), unit_.data() + unit_.size()); }
    std::string unit_;
};

struct Outcome {
    std::string reason;
    long line = -1;
};

template <class Read>
Outcome formatFailureOf(Read read)
{
    try {
        read();
    } catch (const vomel::FormatFailure& failure) {
        return {failure.reason(), failure.line()};
    }
    return {"accepted", 0};
}

const std::string kLongLine = "line is longer than 1048576 bytes";

TEST(InputBounds, OverlongLinesStopEveryReaderAtTheirLine)
{
    const std::string millions(3'000'000, '7');
    struct Case {
        const char* name;
        std::string text;
        long line;
    };
    const Case cases[] = {
        {"one enormous line", millions, 1},
        {"exactly the bound plus one", std::string(vomel::MAX_LINE_BYTES + 1, 'x') + "\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto jd = formatFailureOf([&] {
            std::istringstream in(c.text);
            vomel::MainLine line;
            vomel::readJdFile(in, line);
        });
        EXPECT_EQ(jd.reason, kLongLine);
        EXPECT_EQ(jd.line, c.line);
        const auto points = formatFailureOf([&] {
            std::istringstream in(c.text);
            vomel::readCoordinateFile(in);
        });
        EXPECT_EQ(points.reason, kLongLine);
        EXPECT_EQ(points.line, c.line);
        const auto elements = formatFailureOf([&] {
            std::istringstream in(c.text);
            vomel::ElementChain chain;
            vomel::readElementFile(in, chain);
        });
        EXPECT_EQ(elements.reason, kLongLine);
        const auto breaks = formatFailureOf([&] {
            std::istringstream in(c.text);
            vomel::readChainBreakFile(in, 1e6);
        });
        EXPECT_EQ(breaks.reason, kLongLine);
    }

    // An enormous data line after sound ones is refused at its own line.
    const auto jd = formatFailureOf([&] {
        std::istringstream in("START,100\r\nQD\r\n" + millions + "\r\n");
        vomel::MainLine line;
        vomel::readJdFile(in, line);
    });
    EXPECT_EQ(jd.reason, kLongLine);
    EXPECT_EQ(jd.line, 3);

    // A line of exactly the bound is read whole.
    std::istringstream in(std::string(vomel::MAX_LINE_BYTES, 'x') + "\r\n");
    vomel::LineReader reader(in);
    std::string text;
    ASSERT_TRUE(reader.next(text));
    EXPECT_EQ(text.size(), vomel::MAX_LINE_BYTES);
}

TEST(InputBounds, EndlessInputsStop)
{
    // A device of endless zero bytes: one line that never ends.
    {
        EndlessBuffer zeros(std::string(4096, '\0'));
        std::istream in(&zeros);
        const auto outcome = formatFailureOf([&] { vomel::readCoordinateFile(in); });
        EXPECT_EQ(outcome.reason, kLongLine);
        EXPECT_EQ(outcome.line, 1);
    }
    // Endless points: the whole-file reader (a pipe is read whole) stops
    // after its bound, here a small one, naming the first point beyond it.
    {
        EndlessBuffer points("P 1 2\n");
        std::istream in(&points);
        const auto outcome = formatFailureOf([&] { vomel::readCoordinateFile(in, 70'000); });
        EXPECT_EQ(outcome.reason, "more than 70000 points in one file");
        EXPECT_EQ(outcome.line, 70'001);
    }
}

TEST(InputBounds, EndlessLineEndsStopAtTheFileBound)
{
    // Readers skip blank lines (the element file before its start values);
    // an endless run of line ends must end at the file bound all the same,
    // every byte counted, the line ends too.
    constexpr std::size_t kBound = 1u << 20;
    for (const std::string& unit : {std::string("\n"), std::string("\r\n"), std::string(" \t\n")}) {
        SCOPED_TRACE(unit.size());
        EndlessBuffer endless(unit);
        std::istream in(&endless);
        vomel::LineReader reader(in, kBound);
        const auto outcome = formatFailureOf([&] {
            for (std::string line; reader.next(line);) {}
        });
        EXPECT_EQ(outcome.reason, "the file is longer than 1048576 bytes");
        EXPECT_EQ(outcome.line, static_cast<long>(kBound / unit.size()) + 1);
    }
}

TEST(InputBounds, ValuesNearTheDoubleRangeAreRefusedWhereTheyStand)
{
    struct Case {
        const char* name;
        std::string text;
        std::string reason;
        long line;
    };
    const Case cases[] = {
        {"largest double", "P1 1.7976931348623157e308 0\n",
         "field 2 is beyond ±1000000000, the largest magnitude accepted: \"1.7976931348623157e308\"", 1},
        {"just beyond the bound", "P1 0 0\nP2 0 -1000000000.5\n",
         "field 3 is beyond ±1000000000, the largest magnitude accepted: \"-1000000000.5\"", 2},
        {"beyond the double range", "P1 1e309 0\n", "field 2 is not a number: \"1e309\"", 1},
        {"a long run of digits", "P1 " + std::string(400, '9') + " 0\n",
         "field 2 is not a number: \"9999999999999999999999999999999999999999...\"", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        const auto outcome = formatFailureOf([&] { vomel::readCoordinateFile(in); });
        EXPECT_EQ(outcome.reason, c.reason);
        EXPECT_EQ(outcome.line, c.line);
    }

    // At the bound itself the point is read, and its answer is finite.
    std::istringstream in("P1 1000000000 -1000000000\n");
    const auto points = vomel::readCoordinateFile(in);
    ASSERT_EQ(points.size(), 1u);
    const auto line = vomel::initialiseAlignment(vomel::Method::IntersectionPoint,
                                                 std::string(VOMEL_TEST_DATA_DIR) + "/jd02_spiral_sym.jdx");
    const vomel::Solution s = line->solve(points[0].x, points[0].y);
    EXPECT_TRUE(std::isfinite(s.station) && std::isfinite(s.offset) && std::isfinite(s.footX) &&
                std::isfinite(s.footY));
}

}  // namespace
