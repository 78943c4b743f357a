// Faults of the files around an operation: every malformed input of the
// corpus, inputs that cannot be read and destinations that cannot be
// written. Each gives its exact reason with file and line, and none leaves a
// partial results file, a temporary file, or a changed earlier results file.
#include <algorithm>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/profile_file.h"
#include "formats/results_csv.h"
#include "session/session.h"
#include "testing/expect_failure.h"
#include "testing/malformed_cases.h"
#include "testing/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

const std::string kEarlierResults = "earlier results\r\n";

std::string data(const std::string& name) { return std::string(VOMEL_TEST_DATA_DIR) + "/" + name; }
std::string malformedFile(const std::string& name) { return data("malformed/" + name); }

using vomel::testing::contentsOf;
using vomel::testing::ScratchFolder;

// Runs the operation the corpus file belongs to: make its line, read its
// design file on a sound line, or solve it as a point file on a sound line
// into `results`.
void runCorpusFile(const vomel::testing::malformed::Case& c, const std::string& results, vomel::SolverChoice solver)
{
    const std::string path = malformedFile(c.file);
    const auto soundLine = [] {
        return vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("cli/straight.jdx"));
    };
    vomel::RunOptions options;
    options.solver = solver;
    switch (c.kind) {
    case vomel::testing::malformed::Kind::IntersectionPoint:
        vomel::initialiseAlignment(vomel::Method::IntersectionPoint, path);
        return;
    case vomel::testing::malformed::Kind::ChainBreak:
        vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"), path);
        return;
    case vomel::testing::malformed::Kind::Element: vomel::initialiseAlignment(vomel::Method::Element, path); return;
    case vomel::testing::malformed::Kind::Coordinates:
        vomel::computeFileRun(*soundLine(), path, results, vomel::HeaderEncoding::Gbk, {}, options);
        return;
    case vomel::testing::malformed::Kind::Profile: vomel::loadProfile(path, soundLine()->chainBreaks()); return;
    case vomel::testing::malformed::Kind::CrossFall: vomel::loadCrossFall(path, soundLine()->chainBreaks()); return;
    case vomel::testing::malformed::Kind::CassPoints:
        options.pointsFormat = vomel::PointsFormat::Cass;
        vomel::computeCsvRun(*soundLine(), vomel::CsvColumns{nullptr, true}, path, results, {}, options);
        return;
    case vomel::testing::malformed::Kind::LandXml: vomel::loadLandXml(path); return;
    }
}

TEST(MalformedCorpus, EveryFileHasItsCaseAndEveryCaseItsFile)
{
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(data("malformed"))) files.push_back(e.path().filename().string());
    std::erase(files, vomel::testing::malformed::TABLE_FILE);
    std::vector<std::string> named;
    for (const auto& c : vomel::testing::malformed::readCases(data("malformed"))) named.push_back(c.file);
    std::sort(files.begin(), files.end());
    std::sort(named.begin(), named.end());
    EXPECT_EQ(files, named);
}

// The profile, cross-fall, CASS point and LandXML files: their faults are
// all of the text's format (a line's may be of its geometry).
bool isDesignFile(vomel::testing::malformed::Kind kind)
{
    return kind == vomel::testing::malformed::Kind::Profile || kind == vomel::testing::malformed::Kind::CrossFall ||
           kind == vomel::testing::malformed::Kind::CassPoints || kind == vomel::testing::malformed::Kind::LandXml;
}

// A fault of the text, not of the file system: its file, line and reason
// exactly; the earlier results file as it was, and none made where there
// was none.
TEST(MalformedCorpus, EachFailsWithItsReasonAndWritesNothing)
{
    const auto cases = vomel::testing::malformed::readCases(data("malformed"));
    for (const auto solver : {vomel::SolverChoice::Fast, vomel::SolverChoice::Reference}) {
        for (const auto& c : cases) {
            for (const char* destination : {"results.txt", "fresh.txt"}) {
                SCOPED_TRACE(c.file + " into " + destination);
                ScratchFolder folder;
                const std::string results = folder.write("results.txt", kEarlierResults);
                try {
                    runCorpusFile(c, folder.file(destination), solver);
                    ADD_FAILURE() << "accepted";
                } catch (const vomel::Failure& failure) {
                    EXPECT_EQ(dynamic_cast<const vomel::FileFailure*>(&failure), nullptr) << failure.what();
                    if (isDesignFile(c.kind)) {
                        EXPECT_NE(dynamic_cast<const vomel::FormatFailure*>(&failure), nullptr) << failure.what();
                    }
                    EXPECT_EQ(failure.what(),
                              vomel::testing::malformed::detailOf(malformedFile(c.file), c.line, c.reason));
                    EXPECT_EQ(failure.file(), malformedFile(c.file));
                    EXPECT_EQ(failure.line(), c.line);
                    EXPECT_EQ(failure.reason(), c.reason);
                }
                EXPECT_EQ(contentsOf(results), kEarlierResults);
                EXPECT_EQ(folder.entries(), std::vector<std::string>{"results.txt"});
            }
        }
    }
}

// Destinations and inputs that the file system refuses. The tests may run
// as root, so no case leans on permission bits: a path under a regular
// file, a file in /proc, a folder, a full device.
TEST(FileFaults, EachGivesItsMessageAndLosesNothing)
{
    ScratchFolder folder;
    const auto line = vomel::initialiseAlignment(vomel::Method::IntersectionPoint, data("cli/straight.jdx"));
    const std::string points = folder.write("points.xy", "P1 350.25 0\r\nP2 -3.5 0 12.5\r\n");
    const std::string kept = folder.write("kept.txt", kEarlierResults);
    const std::string plain = folder.write("plain", "not a folder");
    fs::create_directory(folder.file("sub"));
    const std::vector<std::string> listing = {"kept.txt", "plain", "points.xy", "sub"};

    struct Case {
        const char* name;
        std::string coordinates;
        std::string results;
        std::string detail;
    };
    const std::string underPlain = plain + "/out.txt";
    const std::vector<Case> cases = {
        {"destination under a regular file", points, underPlain,
         underPlain + ": cannot reach the results file: Not a directory"},
        {"destination in /proc", points, "/proc/vomel-results.txt",
         "/proc/vomel-results.txt: cannot create a file in the folder /proc: No such file or directory"},
        {"destination is a folder", points, folder.file("sub"),
         folder.file("sub") + ": the results file is a folder: Is a directory"},
        {"destination is a full device", points, "/dev/full",
         "/dev/full: cannot write the results file: No space left on device"},
        {"coordinate file is a folder", folder.file("sub"), kept,
         folder.file("sub") + ": cannot read the file: it is a folder"},
        {"coordinate file is missing", folder.file("none.xy"), kept,
         folder.file("none.xy") + ": cannot open the file: No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto failure = vomel::testing::expectFailure<vomel::FileFailure>(
            [&] { vomel::computeFileRun(*line, c.coordinates, c.results, vomel::HeaderEncoding::Utf8); });
        EXPECT_EQ(failure.what(), c.detail);
        EXPECT_EQ(contentsOf(kept), kEarlierResults);
        EXPECT_EQ(folder.entries(), listing);
    }

    // /dev/full is still the device: written directly, never renamed over.
    struct stat info {};
    ASSERT_EQ(::stat("/dev/full", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
}

TEST(FileFaults, UnreadableAlignmentFilesNameTheFile)
{
    ScratchFolder folder;
    fs::create_directory(folder.file("sub"));
    const std::string sub = folder.file("sub");
    const std::string none = folder.file("none.jdx");
    struct Case {
        const char* name;
        vomel::Method method;
        std::string alignment;
        std::string chainBreaks;
        std::string detail;
    };
    const std::vector<Case> cases = {
        {"intersection-point file is a folder", vomel::Method::IntersectionPoint, sub, "",
         sub + ": cannot read the file: it is a folder"},
        {"chain-break file is a folder", vomel::Method::IntersectionPoint, data("jd02_spiral_sym.jdx"), sub,
         sub + ": cannot read the file: it is a folder"},
        {"element file is missing", vomel::Method::Element, none, "",
         none + ": cannot open the file: No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto failure = vomel::testing::expectFailure<vomel::FileFailure>(
            [&] { vomel::initialiseAlignment(c.method, c.alignment, c.chainBreaks); });
        EXPECT_EQ(failure.what(), c.detail);
    }
}

}  // namespace
