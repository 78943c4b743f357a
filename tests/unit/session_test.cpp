// The operations a user starts: initialisation that never leaves a mixed
// model, the typed point as the window shows it, the file run that never
// leaves a partial results file, and round trips on both methods.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "session/session.h"
#include "testing/expect_failure.h"
#include "testing/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

constexpr double kStationTolerance = 1e-3;  // metres: distance-only search at grid coordinates
constexpr double kOffsetTolerance = 1e-6;  // metres

std::string data(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }
std::string example(const std::string& name) { return std::string(VOMEL_EXAMPLES_DIR) + "/" + name; }

using vomel::testing::contentsOf;
using vomel::testing::ScratchFolder;

vomel::Solution solve(const vomel::PreparedLine& a, double x, double y)
{
    return vomel::solvePoint(
        a.samples, [&a](double s) { return a.pointAt(s); }, x, y);
}

TEST(Initialise, FailuresNameTheirFileAndLeaveThePreviousAlignmentWhole)
{
    ScratchFolder folder;
    const auto previous = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"),
                                                     data("jd02_spiral_sym.dl"));
    const auto before = solve(*previous, 3788.2020, 2634.1670);

    const std::string badJd =
        folder.write("bad.jdx", "START,1000\r\nQD\r\n5000 1000 0 0 0\r\nJD1\r\n4643.3 x1350 500 120 120\r\n");
    std::string twentyBreaks;
    for (int k = 1; k <= 20; ++k)
        twentyBreaks += std::to_string(1300 + 10 * k) + " " + std::to_string(1301 + 10 * k) + "\r\n";
    const std::string badDl = folder.write("bad.dl", twentyBreaks);
    const std::string noRecords = folder.write("empty.jdx", "START,1000\r\n");
    const std::string missing = folder.file("missing.jdx");
    struct Case {
        const char* name;
        vomel::Method method;
        std::string alignment, breaks;
        std::string file;
        long line;
    };
    const std::vector<Case> cases = {
        {"missing alignment file", vomel::Method::IntersectionPoint, missing, "", missing, 0},
        {"missing element file", vomel::Method::Element, missing, "", missing, 0},
        {"letter in a JD field", vomel::Method::IntersectionPoint, badJd, "", badJd, 5},
        {"JD file without records", vomel::Method::IntersectionPoint, noRecords, "", noRecords, 0},
        {"twenty chain breaks", vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"), badDl, badDl, 20},
        {"missing chain-break file", vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"), missing, missing,
         0},
        {"JD file read as elements", vomel::Method::Element, data("jd02_spiral_sym.jdx"), "",
         data("jd02_spiral_sym.jdx"), 1},
    };
    for (const auto& c : cases) {
        try {
            vomel::initialiseAlignment(c.method, c.alignment, c.breaks);
            ADD_FAILURE() << c.name << ": no failure";
        } catch (const vomel::Failure& f) {
            EXPECT_EQ(f.file(), c.file) << c.name << ": " << f.what();
            if (c.line != 0) {
                EXPECT_EQ(f.line(), c.line) << c.name << ": " << f.what();
            }
            EXPECT_FALSE(f.reason().empty()) << c.name;
            const bool isFileFailure = dynamic_cast<const vomel::FileFailure*>(&f) != nullptr;
            EXPECT_EQ(isFileFailure, c.file == missing) << c.name << ": " << f.what();
        }
    }
    const auto after = solve(*previous, 3788.2020, 2634.1670);
    EXPECT_EQ(after.station, before.station);
    EXPECT_EQ(after.offset, before.offset);
    EXPECT_TRUE(previous->hasChainBreaks());
}

TEST(Initialise, ReversedAndOverlongLinesFailBeforeSampling)
{
    struct Case {
        const char* name;
        double start, end;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"end below start", 100, 50, "the end station 50 lies below the start station 100"},
        {"longer than 10,000 km", 0, 1e7 + 1, "the line is 10000001 m long; at most 10000000 m can be sampled"},
    };
    for (const auto& c : cases) {
        auto chain = std::make_shared<vomel::ElementChain>();
        chain->elementCount = 1;
        chain->elementStartRadius[1] = chain->elementEndRadius[1] = vomel::INFINITE_RADIUS;
        chain->elementLength[1] = c.end - c.start;
        chain->nodeStation[1] = c.start;
        chain->nodeStation[2] = c.end;
        const auto f = vomel::testing::expectFailure<vomel::GeometryFailure>([&] { vomel::prepareLine(chain); });
        EXPECT_EQ(f.reason(), c.reason) << c.name;
    }
}

TEST(SinglePoint, ShownAsTheWindowShowsIt)
{
    const auto main = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"),
                                                 data("jd02_spiral_sym.dl"));
    const auto ramp = vomel::initialiseAlignment(vomel::Method::Element, data("ele01_basic.ele"));
    struct Case {
        const char* name;
        const vomel::PreparedLine& alignment;
        std::string x, y, station, offset;
    };
    const std::vector<Case> cases = {
        // P002 of the reference points: stated 3429.7088 after the short chain.
        {"after a chain break, typed with junk", *main, "3788.2020abc", " 2634.1670", "B3429.709", "-13.880"},
        {"before the break", *main, "4674.7354", "1396.4025", "A1771.427", "13.916"},
        {"digits with a blank", *main, "4 674.7354", "1 396.4025", "A1771.427", "13.916"},
        {"element method has no letter", *ramp, "1056.6505929530", "2043.3439912822", "71.330", "0.000"},
    };
    for (const auto& c : cases) {
        const auto shown = vomel::computeSinglePoint(c.alignment, c.x, c.y);
        EXPECT_EQ(shown.station, c.station) << c.name;
        EXPECT_EQ(shown.offset, c.offset) << c.name;
    }
    // Empty boxes read as (0, 0): a point far from the line, still answered.
    const auto far = vomel::computeSinglePoint(*ramp, "", "");
    EXPECT_TRUE(std::isfinite(far.solution.offset));
}

TEST(FileRun, EmptyCoordinateFileIsRefusedWithNothingWritten)
{
    ScratchFolder folder;
    const auto ramp = vomel::initialiseAlignment(vomel::Method::Element, data("ele01_basic.ele"));
    const std::string empty = folder.write("empty.xy", "");
    const std::string out = folder.file("out.txt");
    EXPECT_THROW(vomel::computeFileRun(*ramp, empty, out, vomel::HeaderEncoding::Gbk), vomel::NoPointFailure);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"empty.xy"}));
}

TEST(FileRun, AFailingRunLeavesTheOldResultsAndNoTemporaryFile)
{
    ScratchFolder folder;
    const auto ramp = vomel::initialiseAlignment(vomel::Method::Element, data("ele01_basic.ele"));
    const std::string good = folder.write("good.xy", "P1 1050 2040\r\nP2 1100 2100 5\r\nP3 1200 2300\r\n");
    const std::string twoFields = folder.write("two.xy", "P1 1050 2040\r\nP2 1100\r\n");
    const std::string out = folder.write("out.txt", "earlier results");

    struct Case {
        const char* name;
        std::string coordinates, results;
        long stopAt;  // progress throws at this point (0: never)
        std::string file;
        long line;
    };
    const std::vector<Case> cases = {
        {"two-field coordinate line", twoFields, out, 0, twoFields, 2},
        {"missing coordinate file", folder.file("none.xy"), out, 0, folder.file("none.xy"), 0},
        {"stopped at the second point", good, out, 2, "", 0},
        {"unwritable destination", good, folder.file("no/such/folder/out.txt"), 0,
         folder.file("no/such/folder/out.txt"), 0},
    };
    for (const auto& c : cases) {
        long solved = 0;
        try {
            vomel::computeFileRun(*ramp, c.coordinates, c.results, vomel::HeaderEncoding::Gbk, [&](long i, long) {
                if (i == c.stopAt) throw vomel::CancelledFailure("stopped");
                solved = i;
            });
            ADD_FAILURE() << c.name << ": no failure";
        } catch (const vomel::Failure& f) {
            EXPECT_EQ(f.file(), c.file) << c.name << ": " << f.what();
            EXPECT_EQ(f.line(), c.line) << c.name << ": " << f.what();
        }
        if (c.results != out) {
            EXPECT_EQ(solved, 0) << c.name << ": points solved before the destination was checked";
        }
        EXPECT_EQ(contentsOf(out), "earlier results") << c.name;
        EXPECT_EQ(folder.entries(), (std::vector<std::string>{"good.xy", "out.txt", "two.xy"})) << c.name;
    }
}

// Points placed at a known station and offset (the forward point moved
// along the left normal) come back, on both sides, on every kind of
// element, just before the start and just beyond the end.
TEST(RoundTrip, BothMethodsEveryElementKind)
{
    const std::string mixed = data("mixed_hairpin.jdx");
    struct Line {
        const char* name;
        vomel::Method method;
        std::string file, breaks;
    };
    const std::vector<Line> lines = {
        {"plain, spiral, unequal, incomplete and hairpin curves", vomel::Method::IntersectionPoint, mixed, ""},
        {"symmetric spirals at grid size", vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"),
         data("jd02_spiral_sym.dl")},
        {"incomplete spirals", vomel::Method::IntersectionPoint, data("jd04_incomplete.jdx"), ""},
        {"example main line", vomel::Method::IntersectionPoint, example("mainline.jdx"), example("mainline.dl")},
        {"straights, arcs and spirals", vomel::Method::Element, data("ele01_basic.ele"), ""},
        {"entry clothoid", vomel::Method::Element, data("irt_clothoid_inf_300.ele"), ""},
        {"partial clothoid", vomel::Method::Element, data("irt_clothoid_300_1000.ele"), ""},
        {"exit clothoid turning the other way", vomel::Method::Element, data("irt_clothoid_m300_minf.ele"), ""},
        {"arc", vomel::Method::Element, data("irt_arc_p300.ele"), ""},
        {"example ramp at grid size", vomel::Method::Element, example("ramp.ele"), ""},
    };
    constexpr double kMaxOffset = 15.0;  // metres: below every radius of these lines
    constexpr double kBeyondEnds = 0.9;  // metres: the search reaches one step past each end
    constexpr double kTangentStep = 1e-3;  // metres, central difference for the normal
    constexpr int kPointsPerLine = 300;
    std::mt19937_64 random(4242);
    for (const auto& l : lines) {
        const auto a = vomel::initialiseAlignment(l.method, l.file, l.breaks);
        const bool wholeLength = std::floor(a->endStation - a->startStation) == a->endStation - a->startStation;
        // A whole-metre line has two samples at its end, and the lower one
        // brackets points beyond it: they are found at the end itself.
        const double upper = wholeLength ? a->endStation : a->endStation + kBeyondEnds;
        std::uniform_real_distribution<double> station(a->startStation - kBeyondEnds, upper);
        std::uniform_real_distribution<double> offset(-kMaxOffset, kMaxOffset);
        double worstStation = 0, worstOffset = 0;
        std::string worstAt;
        int ambiguous = 0;
        for (int i = 0; i < kPointsPerLine; ++i) {
            const double s = i == 0 ? a->startStation - 0.5 : i == 1 ? upper - 0.01 : station(random);
            const double o = offset(random);
            const vomel::Point p = a->pointAt(s);
            const vomel::Point ahead = a->pointAt(s + kTangentStep);
            const vomel::Point behind = a->pointAt(s - kTangentStep);
            const double tx = ahead.x - behind.x, ty = ahead.y - behind.y, t = std::hypot(tx, ty);
            const vomel::Point q{p.x + o * ty / t, p.y - o * tx / t};
            const auto got = solve(*a, q.x, q.y);
            // Another part of a looping line may be at least as near: then
            // that answer is as right as ours.
            if (std::fabs(got.station - s) > kStationTolerance &&
                std::fabs(got.offset) <= std::fabs(o) + kOffsetTolerance) {
                ++ambiguous;
                continue;
            }
            const double es = std::fabs(got.station - s), eo = std::fabs(got.offset - o);
            if (es > worstStation || eo > worstOffset) {
                worstAt = "station " + std::to_string(s) + " offset " + std::to_string(o);
            }
            worstStation = std::max(worstStation, es);
            worstOffset = std::max(worstOffset, eo);
        }
        EXPECT_LT(worstStation, kStationTolerance) << l.name << " at " << worstAt;
        EXPECT_LT(worstOffset, kOffsetTolerance) << l.name << " at " << worstAt;
        EXPECT_LT(ambiguous, kPointsPerLine / 20) << l.name;
        std::cout << "[ round trip ] " << l.name << ": largest station error " << worstStation << " m, offset "
                  << worstOffset << " m (" << worstAt << "), " << ambiguous << " points nearer another part\n";
    }
}

}  // namespace
