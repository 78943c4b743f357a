// The STEP reader: parameters of every kind with the escapes of strings,
// and a table of malformed files, each refused naming its line.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/failure.h"
#include "formats/step_file.h"
#include "testing/expect_failure.h"

namespace {

using vomel::step::StepFile;
using vomel::step::Value;
using vomel::step::ValueKind;

const std::vector<std::string> kSchemas{"IFC4X3_ADD2", "IFC4X3"};

// A file whose DATA section (from line 5) is `data`.
std::string fileWith(const std::string& data, const std::string& schema = "IFC4X3_ADD2")
{
    return "ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('" + schema + "'));\nENDSEC;\nDATA;\n" + data +
           "ENDSEC;\nEND-ISO-10303-21;\n";
}

StepFile read(const std::string& text)
{
    std::istringstream in(text);
    return StepFile(in, kSchemas);
}

std::vector<Value> parametersOf(const std::string& parameters)
{
    const StepFile file = read(fileWith("#1=IFCTHING" + parameters + ";\n#2=IFCTHING($);\n"));
    return file.parameters(*file.find(1));
}

struct StringCase {
    const char* name;
    std::string written;  // between the quotes
    std::string decoded;  // UTF-8
};

TEST(StepFile, StringEscapesDecodeToUtf8)
{
    const StringCase cases[] = {
        {"plain", "Spor", "Spor"},
        {"doubled quote", "it''s", "it's"},
        {"backslash", "a\\\\b", "a\\b"},
        {"Latin-1 byte", "\\X\\E9t\\X\\E9", "\xC3\xA9t\xC3\xA9"},
        {"quote as a byte", "\\X\\27", "'"},
        {"UTF-16 Chinese", "\\X2\\531752A0\\X0\\", "\xE5\x8C\x97\xE5\x8A\xA0"},
        {"UTF-16 surrogate pair", "\\X2\\D83DDE00\\X0\\", "\xF0\x9F\x98\x80"},
        {"UTF-32", "\\X4\\0001F600\\X0\\", "\xF0\x9F\x98\x80"},
        {"S escape on page A", "\\S\\i", "\xC3\xA9"},
        {"S escape on page B (Latin-2)", "\\PB\\\\S\\9", "\xC5\xA1"},
        {"line break inside the string dropped", "Sp\nor", "Spor"},
        {"raw UTF-8 bytes kept", "\xE5\x8C\x97", "\xE5\x8C\x97"},
    };
    for (const StringCase& c : cases) {
        const std::vector<Value> values = parametersOf("('" + c.written + "')");
        ASSERT_EQ(values.size(), 1u) << c.name;
        EXPECT_EQ(values[0].kind, ValueKind::String) << c.name;
        EXPECT_EQ(values[0].text, c.decoded) << c.name;
    }
}

TEST(StepFile, ParametersOfEveryKind)
{
    const std::vector<Value> values =
        parametersOf("(#2, $, *, .Clothoid., .T., -12, 5.E-1, -1.25e+2, IFCLENGTHMEASURE(0.), ((1.,2.),()), \"0FF\")");
    ASSERT_EQ(values.size(), 11u);
    EXPECT_EQ(values[0].kind, ValueKind::Reference);
    EXPECT_EQ(values[0].integer, 2);
    EXPECT_EQ(values[1].kind, ValueKind::Unset);
    EXPECT_EQ(values[2].kind, ValueKind::Derived);
    EXPECT_EQ(values[3].kind, ValueKind::Enumeration);
    EXPECT_EQ(values[3].text, "CLOTHOID");
    EXPECT_EQ(values[4].text, "T");
    EXPECT_EQ(values[5].kind, ValueKind::Integer);
    EXPECT_EQ(values[5].integer, -12);
    EXPECT_EQ(values[6].kind, ValueKind::Real);
    EXPECT_EQ(values[6].number, 0.5);
    EXPECT_EQ(values[7].number, -125.0);
    EXPECT_EQ(values[8].kind, ValueKind::Typed);
    EXPECT_EQ(values[8].text, "IFCLENGTHMEASURE");
    ASSERT_EQ(values[8].items.size(), 1u);
    EXPECT_EQ(values[8].items[0].number, 0.0);
    ASSERT_EQ(values[9].items.size(), 2u);
    EXPECT_EQ(values[9].items[0].items[1].number, 2.0);
    EXPECT_TRUE(values[9].items[1].items.empty());
    EXPECT_EQ(values[10].kind, ValueKind::Binary);
}

TEST(StepFile, ForwardReferencesCommentsAndLowerCaseNames)
{
    const StepFile file = read("ISO-10303-21;\n/* a comment\nof two lines */ header;\n"
                               "file_schema(('ifc4x3'));\nendsec;\ndata;\n"
                               "#20=IfcAlignment(#3) /* after */;\n#3 = IFCCARTESIANPOINT((0.,0.));\n"
                               "endsec;\nend-iso-10303-21;\n");
    EXPECT_EQ(file.schema(), "ifc4x3");
    ASSERT_EQ(file.instances().size(), 2u);
    EXPECT_EQ(file.instances()[0].type, "IFCALIGNMENT");
    EXPECT_EQ(file.instances()[0].line, 7);
    ASSERT_NE(file.find(3), nullptr);
    EXPECT_EQ(file.find(3)->line, 8);
    EXPECT_EQ(file.find(4), nullptr);
    EXPECT_EQ(file.ofType("IFCCARTESIANPOINT").size(), 1u);
}

struct MalformedCase {
    const char* name;
    std::string text;
    const char* reason;  // a piece of the failure's reason
    long line;
};

TEST(StepFile, MalformedFilesAreRefusedNamingTheirLine)
{
    std::string manyNumbers = "#1=IFCTHING((0.";
    while (manyNumbers.size() <= vomel::step::MAX_STEP_INSTANCE_BYTES) manyNumbers += ",0.";
    manyNumbers += "));\n";
    const MalformedCase cases[] = {
        {"not STEP", "<LandXML/>\n", "not a STEP file", 1},
        {"unterminated string", fileWith("#1=IFCTHING('abc);\n#2=IFCTHING($);\n"), "never closed", 6},
        {"unknown escape", fileWith("#1=IFCTHING(\n'a\\Qb');\n"), "unknown escape", 7},
        {"X2 without X0", fileWith("#1=IFCTHING('\\X2\\5317');\n"), "without its closing \\X0\\", 6},
        {"lone surrogate", fileWith("#1=IFCTHING('\\X2\\D83D\\X0\\');\n"), "high surrogate", 6},
        {"unknown reference", fileWith("#1=IFCTHING($);\n#2=IFCTHING(#9);\n"), "#9 is referred to but not defined", 7},
        {"duplicate id", fileWith("#1=IFCTHING($);\n#1=IFCTHING($);\n"), "#1 is defined twice (first on line 6)", 7},
        {"over-long instance", fileWith("#1=IFCTHING($);\n" + manyNumbers), "longer than 1048576 bytes", 7},
        {"missing DATA", "ISO-10303-21;\nHEADER;\nFILE_SCHEMA(('IFC4X3'));\nENDSEC;\nEND-ISO-10303-21;\n",
         "the file has no DATA section", 5},
        {"wrong schema", fileWith("", "IFC2X3"), "the file's schema is \"IFC2X3\"; only IFC4X3_ADD2, IFC4X3", 3},
        {"no schema", "ISO-10303-21;\nHEADER;\nFILE_NAME('a');\nENDSEC;\nDATA;\nENDSEC;\nEND-ISO-10303-21;\n",
         "no FILE_SCHEMA", 4},
        {"cut short", fileWith("#1=IFCTHING($);\n").substr(0, fileWith("#1=IFCTHING($);\n").find("ENDSEC;\nEND")),
         "ENDSEC; is missing", 7},
        {"unclosed comment", fileWith("/* never\n#1=IFCTHING($);\n"), "comment /* is never closed", 6},
        {"missing comma", fileWith("#1=IFCTHING($ $);\n"), "expected ',' or ')'", 6},
        {"number out of range", fileWith("#1=IFCTHING(1.E999);\n"), "out of range", 6},
        {"unclosed enumeration", fileWith("#1=IFCTHING(.LINE);\n"), "not closed by '.'", 6},
        {"nesting too deep", fileWith("#1=IFCTHING(" + std::string(40, '(') + std::string(40, ')') + ");\n"),
         "nest deeper", 6},
        {"missing semicolon", fileWith("#1=IFCTHING($)\n#2=IFCTHING($);\n"), "expected ';' after an instance", 7},
    };
    for (const MalformedCase& c : cases) {
        const auto failure = vomel::testing::expectFailure<vomel::FormatFailure>([&] { read(c.text); });
        EXPECT_NE(failure.reason().find(c.reason), std::string::npos) << c.name << ": " << failure.reason();
        EXPECT_EQ(failure.line(), c.line) << c.name << ": " << failure.reason();
    }
}

}  // namespace
