#pragma once
// The corpus of malformed inputs in tests/data/malformed/: one file per
// fault, named for what is wrong, listed in that folder's cases.tsv with the
// exact line and reason every way of reading it must report (the
// operations, the window and vomel-cli). A new case is a file and a row.

#include <array>
#include <charconv>
#include <cstddef>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace vomel::testing::malformed {

// How the file is read: as the line's intersection-point file, as the
// chain-break file of a sound intersection-point file, as an element file
// (or an IFC file read as one), as a coordinate file solved on a sound
// line; as a profile, cross-fall or CASS point file on a sound line without
// chain breaks; as a LandXML file, its own line.
enum class Kind { IntersectionPoint, ChainBreak, Element, Coordinates, Profile, CrossFall, CassPoints, LandXml };

struct Case {
    std::string file;  // in tests/data/malformed/
    Kind kind;
    long line;  // 0: the fault belongs to the whole file
    std::string reason;
    long row = 0;  // the line of cases.tsv that lists the file
};

// The kinds as cases.tsv names them.
inline constexpr std::array<std::pair<std::string_view, Kind>, 8> KIND_NAMES = {{
    {"intersection-point", Kind::IntersectionPoint},
    {"chain-break", Kind::ChainBreak},
    {"element", Kind::Element},
    {"coordinates", Kind::Coordinates},
    {"profile", Kind::Profile},
    {"cross-fall", Kind::CrossFall},
    {"cass-points", Kind::CassPoints},
    {"landxml", Kind::LandXml},
}};

// The file the cases are listed in, inside the corpus folder.
inline constexpr const char* TABLE_FILE = "cases.tsv";

// "FILE:LINE: reason" or "FILE: reason", as every message shows a fault.
inline std::string detailOf(const std::string& path, long line, const std::string& reason)
{
    return path + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + reason;
}

namespace detail {

inline std::vector<std::string> tabFields(const std::string& text)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab = text.find('\t'); tab != std::string::npos; tab = text.find('\t', start)) {
        fields.push_back(text.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}

inline Case caseOfRow(const std::vector<std::string>& fields)
{
    if (fields.size() != 4) {
        throw std::runtime_error("expected 4 fields separated by tabs (file, kind, line, reason), found " +
                                 std::to_string(fields.size()));
    }
    Case c{fields[0], Kind::IntersectionPoint, 0, fields[3], 0};
    bool known = false;
    for (const auto& [name, kind] : KIND_NAMES) {
        if (fields[1] == name) {
            c.kind = kind;
            known = true;
        }
    }
    if (!known) throw std::runtime_error("unknown kind \"" + fields[1] + "\"");
    if (fields[2] != "-") {
        const char* end = fields[2].data() + fields[2].size();
        const auto [stop, fault] = std::from_chars(fields[2].data(), end, c.line);
        if (fault != std::errc() || stop != end || c.line <= 0) {
            throw std::runtime_error("the line is a positive number or -: \"" + fields[2] + "\"");
        }
    }
    if (c.file.empty() || c.reason.empty()) throw std::runtime_error("the file and the reason must not be empty");
    return c;
}

}  // namespace detail

// Every row of FOLDER/cases.tsv. A row that cannot be read throws
// std::runtime_error naming the table and its line, so that no case is
// dropped unseen.
inline std::vector<Case> readCases(const std::string& folder)
{
    const std::string table = folder + "/" + TABLE_FILE;
    std::ifstream in(table, std::ios::binary);
    if (!in) throw std::runtime_error(table + ": cannot open the table of malformed cases");
    std::vector<Case> cases;
    long number = 0;
    for (std::string text; std::getline(in, text);) {
        ++number;
        if (text.empty() || text[0] == '#') continue;
        try {
            cases.push_back(detail::caseOfRow(detail::tabFields(text)));
            cases.back().row = number;
        } catch (const std::exception& fault) {
            throw std::runtime_error(table + ":" + std::to_string(number) + ": " + fault.what());
        }
    }
    return cases;
}

}  // namespace vomel::testing::malformed
