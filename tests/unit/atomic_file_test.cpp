// The writer that never leaves a partial file or destroys an earlier one.
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/atomic_file.h"
#include "testing/expect_failure.h"
#include "testing/scratch_folder.h"

namespace {

namespace fs = std::filesystem;

using vomel::testing::contentsOf;
using vomel::testing::ScratchFolder;

void writeFile(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

TEST(AtomicFile, WritesANewFileOnlyOnCommit)
{
    ScratchFolder folder;
    const std::string target = folder.file("out.txt");
    {
        vomel::AtomicFile writer(target);
        EXPECT_FALSE(writer.writesDirectly());
        writer.write("line 1\r\n");
        EXPECT_FALSE(fs::exists(target));
        writer.commit();
    }
    EXPECT_EQ(contentsOf(target), "line 1\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"out.txt"});
}

TEST(AtomicFile, ReplacesAnExistingFileKeepingItsPermissions)
{
    ScratchFolder folder;
    const std::string target = folder.file("out.txt");
    writeFile(target, "old");
    ::chmod(target.c_str(), 0640);
    vomel::AtomicFile writer(target);
    writer.write("new");
    writer.commit();
    EXPECT_EQ(contentsOf(target), "new");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(AtomicFile, FailuresLeaveTheOldFileAndNoTemporaryFile)
{
    ScratchFolder folder;
    const std::string target = folder.file("out.txt");
    writeFile(target, "old results");

    // Abandoned before commit, as when solving a point fails.
    {
        vomel::AtomicFile writer(target);
        writer.write(std::string(200000, 'x'));
        EXPECT_EQ(folder.entries().size(), 2u);
    }
    EXPECT_EQ(contentsOf(target), "old results");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"out.txt"});

    // The disk fills up part way, during the run or at the final flush.
    for (const std::size_t limit : {std::size_t{0}, std::size_t{100}, std::size_t{70000}}) {
        vomel::AtomicFile writer(target);
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

TEST(AtomicFile, UnwritableDestinationsFailBeforeAnythingIsComputed)
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
        const auto f = vomel::testing::expectFailure<vomel::FileFailure>([&] { vomel::AtomicFile writer(c.path); });
        EXPECT_NE(f.reason().find(c.reason), std::string::npos) << c.name << ": " << f.reason();
        EXPECT_EQ(f.file(), c.path) << c.name;
    }
}

TEST(AtomicFile, DevicesAreWrittenDirectlyAndNeverReplaced)
{
    ScratchFolder folder;
    {
        vomel::AtomicFile writer("/dev/null");
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
        vomel::AtomicFile writer(fifo);
        EXPECT_TRUE(writer.writesDirectly());
        writer.write("through the pipe\r\n");
        writer.commit();
    }
    reader.join();
    EXPECT_EQ(received, "through the pipe\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"pipe"});
}

TEST(AtomicFile, OwnStreamRedirectedToAFileIsWrittenInPlace)
{
    // As /dev/stdout is when the output is redirected to a file: the path
    // names an open descriptor, and the file behind it must not be replaced.
    ScratchFolder folder;
    const std::string redirected = folder.file("redirected.txt");
    writeFile(redirected, "before\r\n");
    const int fd = ::open(redirected.c_str(), O_WRONLY | O_APPEND);
    ASSERT_GE(fd, 0);
    {
        vomel::AtomicFile writer("/proc/self/fd/" + std::to_string(fd));
        EXPECT_TRUE(writer.writesDirectly());
        writer.write("results\r\n");
        writer.commit();
    }
    ::close(fd);
    EXPECT_EQ(contentsOf(redirected), "before\r\nresults\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"redirected.txt"});
}

TEST(AtomicFile, ALinkKeepsPointingAtTheReplacedFile)
{
    ScratchFolder folder;
    const std::string real = folder.file("real.txt");
    const std::string link = folder.file("link.txt");
    writeFile(real, "old");
    fs::create_symlink(real, link);
    vomel::AtomicFile writer(link);
    writer.write("new");
    writer.commit();
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contentsOf(real), "new");
}

}  // namespace
