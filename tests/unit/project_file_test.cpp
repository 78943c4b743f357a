// The project file: what it reads, what it refuses (with the line), and
// that what it writes reads back equal.
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/project_file.h"

namespace {

using vomel::ProjectLineKind;

vomel::ProjectFile read(const std::string& text)
{
    std::istringstream in(text);
    return vomel::readProjectFile(in);
}

const std::string HEADER = "vomel-project 1\n";
const std::string MAIN_LINE = "[line]\nname = 主线\njd = main.jdx\n";

TEST(ProjectFile, ReadsEveryKeyOfALine)
{
    const auto project = read("\xEF\xBB\xBF# an interchange\r\n" + HEADER + "name = 东环互通\n\n" + MAIN_LINE +
                              "dl = main.dl\n[line]\n  name = A 匝道  \nlandxml=a.xml\nalignment = Ramp A\n"
                              "profile = a.profile\ncrossfall = a.crossfall\nfrom = K0+020\nto = B480\n"
                              "max-offset = 25.5\ncodes = A, AZ\tA2\nprefixes = A-\n");
    EXPECT_EQ(project.name, "东环互通");
    ASSERT_EQ(project.lines.size(), 2u);
    EXPECT_EQ(project.lines[0].kind, ProjectLineKind::IntersectionPoint);
    EXPECT_EQ(project.lines[0].chainBreakFile, "main.dl");
    const auto& ramp = project.lines[1];
    EXPECT_EQ(ramp.name, "A 匝道");
    EXPECT_EQ(ramp.kind, ProjectLineKind::LandXml);
    EXPECT_EQ(ramp.file, "a.xml");
    EXPECT_EQ(ramp.alignmentName, "Ramp A");
    EXPECT_EQ(ramp.from, "K0+020");
    EXPECT_EQ(ramp.to, "B480");
    EXPECT_EQ(ramp.maxOffset, 25.5);
    EXPECT_EQ(ramp.codes, (std::vector<std::string>{"A", "AZ", "A2"}));
    EXPECT_EQ(ramp.prefixes, (std::vector<std::string>{"A-"}));
    EXPECT_EQ(ramp.sectionLine, 9);
    EXPECT_EQ(ramp.fileLine, 11);
    EXPECT_EQ(ramp.toLine, 16);
}

struct Refusal {
    const char* what;
    std::string text;
    const char* message;  // what() of the failure: "line N: reason"
};

TEST(ProjectFile, RefusesWithTheLineAndTheReason)
{
    const Refusal cases[] = {
        {"empty", "", "the file is no project file: it is empty"},
        {"no magic", "# x\nname = a\n",
         "line 2: the file is no project file: it must begin with \"vomel-project 1\", not \"name = a\""},
        {"later version", "vomel-project 2\n",
         "line 1: project file version \"2\" cannot be read: this program reads version 1"},
        {"no line", HEADER + "name = x\n", "line 2: the project lists no line: add a [line] section"},
        {"unknown section", HEADER + "[ramp]\n", "line 2: unknown section \"[ramp]\": a project has [line] sections"},
        {"unknown key", HEADER + MAIN_LINE + "colour = red\n", "line 5: unknown key \"colour\" in a [line] section"},
        {"line key before the lines", HEADER + "jd = a.jdx\n",
         "line 2: unknown key \"jd\" before the first [line]: only the project's name stands there"},
        {"no equals", HEADER + MAIN_LINE + "profile main.profile\n",
         "line 5: expected \"key = value\", [line] or a comment, not \"profile main.profile\""},
        {"key twice", HEADER + MAIN_LINE + "name = B\n", "line 5: \"name\" is given twice (first on line 3)"},
        {"empty value", HEADER + MAIN_LINE + "profile =\n", "line 5: \"profile\" has no value"},
        {"two files", HEADER + MAIN_LINE + "elements = a.ele\n",
         "line 5: \"jd\" and \"elements\" both name the line's file: give one of jd, elements, landxml and ifc"},
        {"no file", HEADER + "[line]\nname = A\n",
         "line 2: line \"A\" names no file: give one of jd, elements, landxml and ifc"},
        {"no name", HEADER + "[line]\njd = a.jdx\n[line]\n", "line 2: this [line] has no name"},
        {"duplicate name", HEADER + MAIN_LINE + MAIN_LINE, "line 5: a line called \"主线\" is given on line 2 already"},
        {"chain breaks of LandXML", HEADER + "[line]\nname = C\nlandxml = c.xml\ndl = c.dl\n",
         "line 5: \"dl\" goes with jd or elements: a LandXML or IFC file gives its own chain breaks"},
        {"alignment of a JD line", HEADER + MAIN_LINE + "alignment = A\n",
         "line 5: \"alignment\" goes with landxml or ifc"},
        {"bad station", HEADER + MAIN_LINE + "from = K1+2x\n",
         "line 5: \"from\" is no station: \"K1+2x\" (write 1250.5, B1250.5 or K1+250.5)"},
        {"offset not positive", HEADER + MAIN_LINE + "max-offset = -3\n",
         "line 5: \"max-offset\" is no positive length: \"-3\""},
        {"code of two lines", HEADER + MAIN_LINE + "codes = ZX\n[line]\nname = A\nelements = a.ele\ncodes = A ZX\n",
         "line 9: code \"ZX\" belongs to line \"主线\" already"},
        {"code twice on a line", HEADER + MAIN_LINE + "codes = ZX ZX\n",
         "line 5: code \"ZX\" belongs to line \"主线\" already"},
        {"prefix of two lines", HEADER + MAIN_LINE + "prefixes = Z\n[line]\nname = A\nelements = a.ele\nprefixes = Z\n",
         "line 9: prefix \"Z\" belongs to line \"主线\" already"},
        {"carriage return alone", HEADER + "name = a\rb\n",
         "line 2: a carriage return (CR) inside the line: lines must end in CR LF or LF"},
    };
    for (const auto& c : cases) {
        try {
            read(c.text);
            ADD_FAILURE() << c.what << ": read without a failure";
        } catch (const vomel::FormatFailure& failure) {
            EXPECT_STREQ(failure.what(), c.message) << c.what;
        }
    }
}

TEST(ProjectFile, WhatIsWrittenReadsBackEqual)
{
    vomel::ProjectFile project;
    project.name = "东环互通";
    vomel::ProjectLineEntry main;
    main.name = "主线";
    main.file = "main.jdx";
    main.chainBreakFile = "main.dl";
    main.profileFile = "dir with blanks/main.profile";
    main.maxOffset = 0.1;
    main.codes = {"ZX", "ZXB"};
    vomel::ProjectLineEntry ramp;
    ramp.name = "C 匝道";
    ramp.kind = ProjectLineKind::Ifc;
    ramp.file = "c.ifc";
    ramp.alignmentName = "C#2";
    ramp.from = "AK0+015";
    ramp.to = "BK0+555.5";
    ramp.prefixes = {"C-", "CC"};
    project.lines = {main, ramp};

    auto back = read(vomel::projectFileText(project));
    for (auto& line : back.lines) {
        line.sectionLine = line.fileLine = line.chainBreakLine = line.profileLine = 0;
        line.crossFallLine = line.fromLine = line.toLine = 0;
    }
    EXPECT_EQ(back, project);

    project.lines[1].name = "A\nB";
    EXPECT_THROW(vomel::projectFileText(project), vomel::FormatFailure);
    project.lines[1].name = "C";
    project.lines[1].codes = {"A B"};
    EXPECT_THROW(vomel::projectFileText(project), vomel::FormatFailure);
}

}  // namespace
