// The file run on several threads and in chunks writes the same bytes as on
// one thread in one chunk; a failure part-way leaves no results file and
// names the point's line; the progress counts every point of the file.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "session/session.h"
#include "session/streamed_run.h"
#include "testing/generated_alignment.h"
#include "testing/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

class ParallelRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() /
                  ("vomel-parallel-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        alignment_ = vomel::testing::generatedMainLine({4'000.0, 3'500'000.0, 500'000.0, 21});
        points_ =
            vomel::testing::generatedPoints([&](double s) { return alignment_->poseAt(s); },
                                            alignment_->startStation - 30, alignment_->endStation + 30, 1237, 60.0, 3);
        coordinates_ = folder_ / "points.xy";
        writeBytes(coordinates_, vomel::testing::coordinateFileText(points_));
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    std::shared_ptr<const vomel::PreparedLine> alignment_;
    std::vector<vomel::testing::GeneratedPoint> points_;
    fs::path coordinates_;
};

TEST_F(ParallelRun, ThreadsAndChunksChangeNoByte)
{
    struct Case {
        const char* name;
        vomel::RunOptions options;
    };
    const std::vector<Case> cases = {
        {"two threads, default chunks", {vomel::SolverChoice::Fast, 2, vomel::DEFAULT_CHUNK_POINTS}},
        {"three threads, chunks of 7", {vomel::SolverChoice::Fast, 3, 7}},
        {"one thread, chunks of 1", {vomel::SolverChoice::Fast, 1, 1}},
        {"every core, chunks of 500", {vomel::SolverChoice::Fast, 0, 500}},
    };
    const fs::path baseline = folder_ / "baseline.txt";
    vomel::computeFileRun(*alignment_, coordinates_, baseline, vomel::HeaderEncoding::Utf8, {},
                          {vomel::SolverChoice::Fast, 1, 1'000'000});
    const std::string expected = readBytes(baseline);
    ASSERT_GT(expected.size(), points_.size() * 40);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path out = folder_ / "out.txt";
        vomel::computeFileRun(*alignment_, coordinates_, out, vomel::HeaderEncoding::Utf8, {}, c.options);
        EXPECT_TRUE(readBytes(out) == expected);
    }

    // The reference run, threaded and chunked, equals the plain one-point-
    // at-a-time reference run line for line.
    const fs::path reference = folder_ / "reference.txt";
    vomel::computeFileRun(*alignment_, coordinates_, reference, vomel::HeaderEncoding::Utf8, {},
                          {vomel::SolverChoice::Reference, 2, 100});
    std::string lines = vomel::resultsHeader(false, vomel::HeaderEncoding::Utf8);
    std::istringstream in(readBytes(coordinates_));
    for (const auto& p : vomel::readCoordinateFile(in)) {
        lines += vomel::resultsDataLine(p, alignment_->solve(p.x, p.y, vomel::SolverChoice::Reference),
                                        alignment_->chainBreaks());
    }
    EXPECT_TRUE(readBytes(reference) == lines);
}

TEST_F(ParallelRun, ProgressCountsEveryPointOnceBeforeItsChunk)
{
    std::vector<long> announced;
    long total = 0;
    const fs::path out = folder_ / "out.txt";
    vomel::computeFileRun(*alignment_, coordinates_, out, vomel::HeaderEncoding::Gbk,
                          [&](long i, long count) {
                              announced.push_back(i);
                              total = count;
                          },
                          {vomel::SolverChoice::Fast, 2, 500});
    const long count = static_cast<long>(points_.size());
    EXPECT_EQ(total, count);
    ASSERT_EQ(announced.size(), points_.size());
    for (long i = 1; i <= count; ++i) EXPECT_EQ(announced[static_cast<std::size_t>(i - 1)], i);

    // Stopping at point 600 (in the second chunk) writes nothing.
    fs::remove(out);
    EXPECT_THROW(vomel::computeFileRun(*alignment_, coordinates_, out, vomel::HeaderEncoding::Gbk,
                                       [](long i, long) {
                                           if (i == 600) throw vomel::CancelledFailure("stopped");
                                       },
                                       {vomel::SolverChoice::Fast, 2, 500}),
                 vomel::CancelledFailure);
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(ParallelRun, AFailureLateInTheFileLeavesTheOldResults)
{
    const fs::path out = folder_ / "out.txt";
    writeBytes(out, "old results\r\n");
    std::string text = vomel::testing::coordinateFileText(points_);
    text += "BAD 3500000.0 5OO000.0\r\n";  // letter O for zero
    writeBytes(coordinates_, text);
    bool failed = false;
    try {
        vomel::computeFileRun(*alignment_, coordinates_, out, vomel::HeaderEncoding::Gbk, {},
                              {vomel::SolverChoice::Fast, 2, 100});
    } catch (const vomel::FormatFailure& e) {
        failed = true;
        EXPECT_EQ(e.line(), static_cast<long>(points_.size()) + 1);
        EXPECT_EQ(e.file(), coordinates_.string());
    }
    EXPECT_TRUE(failed) << "a malformed line was accepted";
    EXPECT_EQ(readBytes(out), "old results\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}), 2);
}

TEST_F(ParallelRun, APipeGivesTheBytesOfTheFile)
{
    const fs::path fromFile = folder_ / "from-file.txt";
    vomel::computeFileRun(*alignment_, coordinates_, fromFile, vomel::HeaderEncoding::Utf8, {},
                          {vomel::SolverChoice::Fast, 2, 100});
    const fs::path fifo = folder_ / "points.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread feeder([&] { writeBytes(fifo, readBytes(coordinates_)); });
    const fs::path fromPipe = folder_ / "from-pipe.txt";
    long last = 0;
    long total = 0;
    vomel::computeFileRun(*alignment_, fifo, fromPipe, vomel::HeaderEncoding::Utf8,
                          [&](long i, long count) {
                              last = i;
                              total = count;
                          },
                          {vomel::SolverChoice::Fast, 2, 100});
    feeder.join();
    EXPECT_TRUE(readBytes(fromPipe) == readBytes(fromFile));
    EXPECT_EQ(last, static_cast<long>(points_.size()));
    EXPECT_EQ(total, last);
}

TEST_F(ParallelRun, AFileThatListsNoPointIsRefusedAndWritesNothing)
{
    const fs::path out = folder_ / "out.txt";
    writeBytes(out, "old results\r\n");
    for (const char* text : {"", "\r\n", " \t\r\nP1 3500000 500000\r\n", "   "}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(text)));
        writeBytes(coordinates_, text);
        bool refused = false;
        try {
            vomel::computeFileRun(*alignment_, coordinates_, out, vomel::HeaderEncoding::Gbk, [](long, long) {});
        } catch (const vomel::NoPointFailure& e) {
            refused = true;
            EXPECT_EQ(e.file(), coordinates_.string());
            EXPECT_EQ(e.line(), 0);
        }
        EXPECT_TRUE(refused);
        EXPECT_EQ(readBytes(out), "old results\r\n");
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator{}), 2);
    }
}

TEST(CountListedPoints, StopsAtTheFirstBlankLine)
{
    struct Case {
        const char* text;
        long count;
    };
    const vomel::testing::ScratchFolder folder;
    for (const Case c :
         {Case{"", 0}, Case{"P1 1 2\r\n", 1}, Case{"P1 1 2\r\nP2 3 4", 2}, Case{"P1 1 2\r\n \t \r\nP3 5 6\r\n", 1},
          Case{"\r\nP1 1 2\r\n", 0}, Case{"P1 1 2\nP2 x y\n", 2}, Case{"  P1 1 2\n\tP2 3 4\n\n", 2}}) {
        EXPECT_EQ(vomel::countListedPoints(folder.write("points.xy", c.text)), c.count) << c.text;
    }
}

}  // namespace
