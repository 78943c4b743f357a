// Results-file lines byte for byte, and the writer that never leaves a
// partial file or destroys an earlier one.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/results_file.h"
#include "testing/expect_failure.h"
#include "testing/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kGbkHeaderHead =
    "\xbc\xc6\xcb\xe3\xb5\xe3\xb1\xea\xca\xb6\x20\xbc\xc6\xcb\xe3\xb5\xe3\xd7\xf8\xb1\xea\x58\x20"
    "\xbc\xc6\xcb\xe3\xb5\xe3\xd7\xf8\xb1\xea\x59\x20";
const std::string kGbkChainBreakItem = "\xb6\xcf\xc1\xb4\xb1\xea\xca\xb6\x20";
const std::string kGbkHeaderTail =
    "\xbc\xc6\xcb\xe3\xb5\xe3\xb6\xd4\xd3\xa6\xc9\xe8\xbc\xc6\xcf\xdf\xd7\xae\xba\xc5\x20"
    "\xbc\xc6\xcb\xe3\xb5\xe3\xb5\xbd\xc9\xe8\xbc\xc6\xcf\xdf\xbe\xe0\xc0\xeb\x28\xd7\xf3\xd5\xfd\xd3\xd2"
    "\xb8\xba\x29\x20\xb4\xb9\xd6\xb1\xb5\xe3\xd7\xf8\xb1\xea\x58\x20\xb4\xb9\xd6\xb1\xb5\xe3\xd7\xf8"
    "\xb1\xea\x59\x20\xb8\xdf\xb3\xcc";

TEST(ResultsHeader, GbkAndUtf8WithAndWithoutChainBreaks)
{
    using vomel::HeaderEncoding;
    EXPECT_EQ(vomel::resultsHeader(true, HeaderEncoding::Gbk),
              kGbkHeaderHead + kGbkChainBreakItem + kGbkHeaderTail + "\r\n");
    EXPECT_EQ(vomel::resultsHeader(false, HeaderEncoding::Gbk), kGbkHeaderHead + kGbkHeaderTail + "\r\n");
    EXPECT_EQ(vomel::resultsHeader(false, HeaderEncoding::Utf8),
              "计算点标识 计算点坐标X 计算点坐标Y 计算点对应设计线桩号 计算点到设计线距离(左正右负) "
              "垂直点坐标X 垂直点坐标Y 高程\r\n");
    EXPECT_EQ(vomel::resultsHeader(true, HeaderEncoding::Utf8),
              "计算点标识 计算点坐标X 计算点坐标Y 断链标识 计算点对应设计线桩号 计算点到设计线距离(左正右负) "
              "垂直点坐标X 垂直点坐标Y 高程\r\n");
}

vomel::ChainBreaks noBreaks() { return {}; }

vomel::ChainBreaks oneShortChain()
{
    vomel::ChainBreaks b;
    b.chainBreakCount = 1;
    b.breakBackStation[1] = 100;
    b.breakAheadStation[1] = 150;
    return b;
}

TEST(ResultsDataLine, ByteForByte)
{
    struct Case {
        const char* name;
        vomel::SurveyPoint point;
        vomel::Solution solution;
        vomel::ChainBreaks breaks;
        std::string line;
    };
    const std::vector<Case> cases = {
        {"the P7 line",
         {"P7", 350.25, 800.5, 0, 1},
         {123.5678, -2.25, 349.1, 801.75},
         noBreaks(),
         "P7 350.25  800.5  123.5678 -2.25  349.1  801.75  0 \r\n"},
        {"negative X after the label gets a blank",
         {"P1", -5.6, 2, 1.5, 1},
         {10, 1, 0, 0},
         noBreaks(),
         "P1 -5.6  2  10  1  0  0  1.5 \r\n"},
        {"negative station after the letter gets a blank",
         {"Q", 1, -2, 0, 1},
         {-12.5, -0.5, -3, 4},
         oneShortChain(),
         "Q 1 -2 A -12.5 -0.5 -3  4  0 \r\n"},
        {"letter and stated station after a break",
         {"Q", 1, 2, 0, 1},
         {120.5, 3, 1, 2},
         oneShortChain(),
         "Q 1  2 B 170.5  3  1  2  0 \r\n"},
        {"negative zero offset", {"Z", 1, 2, 0, 1}, {5, -0.0, 1, 2}, noBreaks(), "Z 1  2  5  0  1  2  0 \r\n"},
        {"GBK label copied unchanged",
         {"\xb2\xe2\xb5\xe3", 1, 2, 0, 1},
         {5, 0, 1, 2},
         noBreaks(),
         "\xb2\xe2\xb5\xe3 1  2  5  0  1  2  0 \r\n"},
        {"exponent forms",
         {"E", 1e15, 0.000015, 0, 1},
         {5, 1e-7, 1, 2},
         noBreaks(),
         "E 1E+15  1.5E-05  5  1E-07  1  2  0 \r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vomel::resultsDataLine(c.point, c.solution, c.breaks), c.line) << c.name;
    }
}

TEST(ResultsDataLine, NonFiniteResultIsRefused)
{
    EXPECT_THROW(vomel::resultsDataLine({"P", 1, 2, 0, 1}, {NAN, 0, 0, 0}, noBreaks()), vomel::GeometryFailure);
}

using vomel::testing::contentsOf;
using vomel::testing::ScratchFolder;

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(ResultsWriter, WritesANewFileOnlyOnCommit)
{
    ScratchFolder folder;
    const std::string target = folder.file("out.txt");
    {
        vomel::ResultsWriter writer(target);
        EXPECT_FALSE(writer.writesDirectly());
        writer.write("line 1\r\n");
        EXPECT_FALSE(fs::exists(target));
        writer.commit();
    }
    EXPECT_EQ(contentsOf(target), "line 1\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"out.txt"});
}

TEST(ResultsWriter, ReplacesAnExistingFileKeepingItsPermissions)
{
    ScratchFolder folder;
    const std::string target = folder.file("out.txt");
    writeFile(target, "old");
    ::chmod(target.c_str(), 0640);
    vomel::ResultsWriter writer(target);
    writer.write("new");
    writer.commit();
    EXPECT_EQ(contentsOf(target), "new");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(ResultsWriter, FailuresLeaveTheOldFileAndNoTemporaryFile)
{
    ScratchFolder folder;
    const std::string target = folder.file("out.txt");
    writeFile(target, "old results");

    // Abandoned before commit, as when solving a point fails.
    {
        vomel::ResultsWriter writer(target);
        writer.write(std::string(200000, 'x'));
        EXPECT_EQ(folder.entries().size(), 2u);
    }
    EXPECT_EQ(contentsOf(target), "old results");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"out.txt"});

    // The disk fills up part way, during the run or at the final flush.
    for (const std::size_t limit : {std::size_t{0}, std::size_t{100}, std::size_t{70000}}) {
        vomel::ResultsWriter writer(target);
        writer.failAfterBytes(limit);
        try {
            for (int i = 0; i < 3000; ++i) writer.write("P1 350.25  800.5  123.5678 -2.25 \r\n");
            writer.commit();
            ADD_FAILURE() << "no failure with a full disk after " << limit << " bytes";
        } catch (const vomel::FileFailure& f) {
            EXPECT_EQ(f.file(), target);
            EXPECT_NE(f.reason().find("cannot write the results file"), std::string::npos) << f.reason();
        }
        EXPECT_EQ(contentsOf(target), "old results") << limit;
        EXPECT_EQ(folder.entries(), std::vector<std::string>{"out.txt"}) << limit;
    }
}

TEST(ResultsWriter, UnwritableDestinationsFailBeforeAnythingIsComputed)
{
    ScratchFolder folder;
    fs::create_directory(folder.file("sub"));
    struct Case {
        const char* name;
        std::string path;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {"missing folder", folder.file("no/such/out.txt"), "cannot create a file in the folder"},
        {"a folder", folder.file("sub"), "the results file is a folder"},
        {"no name", "", "no results file was named"},
    };
    for (const auto& c : cases) {
        const auto f = vomel::testing::expectFailure<vomel::FileFailure>([&] { vomel::ResultsWriter writer(c.path); });
        EXPECT_NE(f.reason().find(c.reason), std::string::npos) << c.name << ": " << f.reason();
        EXPECT_EQ(f.file(), c.path) << c.name;
    }
}

TEST(ResultsWriter, DevicesAreWrittenDirectlyAndNeverReplaced)
{
    ScratchFolder folder;
    {
        vomel::ResultsWriter writer("/dev/null");
        EXPECT_TRUE(writer.writesDirectly());
        EXPECT_TRUE(writer.temporaryPath().empty());
        writer.write("x\r\n");
        writer.commit();
    }
    struct stat info {};
    ASSERT_EQ(::stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));

    // A pipe gets the whole file at commit.
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = contentsOf(fifo); });
    {
        vomel::ResultsWriter writer(fifo);
        EXPECT_TRUE(writer.writesDirectly());
        writer.write("through the pipe\r\n");
        writer.commit();
    }
    reader.join();
    EXPECT_EQ(received, "through the pipe\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"pipe"});
}

TEST(ResultsWriter, OwnStreamRedirectedToAFileIsWrittenInPlace)
{
    // As /dev/stdout is when the output is redirected to a file: the path
    // names an open descriptor, and the file behind it must not be replaced.
    ScratchFolder folder;
    const std::string redirected = folder.file("redirected.txt");
    writeFile(redirected, "before\r\n");
    const int fd = ::open(redirected.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    {
        vomel::ResultsWriter writer("/proc/self/fd/" + std::to_string(fd));
        EXPECT_TRUE(writer.writesDirectly());
        writer.write("results\r\n");
        writer.commit();
    }
    ::close(fd);
    EXPECT_EQ(contentsOf(redirected), "before\r\nresults\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"redirected.txt"});
}

TEST(ResultsWriter, ALinkKeepsPointingAtTheReplacedFile)
{
    ScratchFolder folder;
    const std::string real = folder.file("real.txt");
    const std::string link = folder.file("link.txt");
    writeFile(real, "old");
    fs::create_symlink(real, link);
    vomel::ResultsWriter writer(link);
    writer.write("new");
    writer.commit();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contentsOf(real), "new");
}

}  // namespace
