// The case files' reader: what a case file says reaches the runner byte for
// byte, and a fault in one stops the tests with its file and line instead
// of dropping a check unseen.
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "cli_case.h"
#include "testing/scratch_folder.h"

namespace {

using vomel::testing::ScratchFolder;

std::vector<cli_cases::CliCase> casesOf(const ScratchFolder& folder, const std::string& text)
{
    folder.write("a.cases", text);
    folder.write("expected.txt", "bytes\r\n");
    return cli_cases::readCaseFolder(folder.file(""), folder.file(""), {{"{data}", "/d"}});
}

TEST(CliCaseFile, DefaultsEscapesPlacesAndContinuations)
{
    ScratchFolder folder;
    const auto cases = casesOf(folder, "[*]\nstatus: 2\nstderr: default\nput: kept.txt = old\\r\\n\n"
                                       "[first]\n# a comment\nargs: solve \"Ramp A\" {data}/x\n  --lang zh \n"
                                       "stdout: a\\tb\\x20\n  \\x20c\\\\\nstderr-contains: piece\n"
                                       "[second]\nargs:\nstatus: 0\nstdout: @expected.txt\nput: sub/\n");
    ASSERT_EQ(cases.size(), 2u);
    EXPECT_EQ(cases[0].args, (std::vector<std::string>{"solve", "Ramp A", "/d/x", "--lang", "zh"}));
    EXPECT_EQ(cases[0].status, 2);
    EXPECT_EQ(cases[0].output, "a\tb  c\\");
    ASSERT_TRUE(cases[0].error.has_value());
    EXPECT_EQ(cases[0].error->first, cli_cases::ErrorMatch::Contains);
    ASSERT_EQ(cases[0].before.size(), 1u);
    EXPECT_EQ(cases[0].before[0].bytes, "old\r\n");
    EXPECT_EQ(cases[0].where, folder.file("a.cases") + ":5");
    EXPECT_TRUE(cases[1].args.empty());
    EXPECT_EQ(cases[1].output, "bytes\r\n");
    ASSERT_EQ(cases[1].before.size(), 1u);
    EXPECT_TRUE(cases[1].before[0].folder);
}

TEST(CliCaseFile, FaultsNameTheirFileAndLine)
{
    struct Case {
        const char* text;
        const char* message;  // after "FOLDER/a.cases:"
    };
    const Case cases[] = {
        {"[a]\nargs: x\nstatus: 0\nstdot: y\n", "4: not a known key: \"stdot\""},
        {"[a]\nargs: x\nstatus: 0\nstderr: y\nstderr-contains: z\n", "5: a second stderr key"},
        {"[a]\nargs: x\nstatus: 0\nstdout: \\q\n", "4: not an escape (\\n \\r \\t \\\\ \\xHH): \\q"},
        {"[a]\nargs: x\n", "1: a case needs args: and status:"},
        {"[a b]\nargs: x\nstatus: 0\n", "1: a case's name is letters, digits and _: \"a b\""},
        {"[a]\nargs: \"x\nstatus: 0\n", "2: a quoted word without its closing \""},
        {"[a]\nargs: x\nstatus: 256\n", "3: the status is a number from 0 to 255: \"256\""},
        {"[a]\nargs: x\nstatus: 0\n[a]\nargs: y\nstatus: 0\n", "4: a second case called a"},
        {"[a]\nargs: x\nstatus: 0\nstdout: @none.txt\n", "4: cannot read"},
        {"  x\n", "1: a continuation with no key above"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ScratchFolder folder;
        try {
            casesOf(folder, c.text);
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& fault) {
            const std::string expected = folder.file("a.cases") + ":" + c.message;
            EXPECT_EQ(std::string(fault.what()).substr(0, expected.size()), expected);
        }
    }
}

}  // namespace
