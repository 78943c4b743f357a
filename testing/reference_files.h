#pragma once
// The reference files of tests/data, whose answers were computed
// independently of the program's formulas (tests/data/README.md):
// NAME.forward.csv (station,x,y) and NAME.expected.csv
// (label,station,offset,footx,footy,stated,letter). A file that cannot be
// read or a row that does not parse throws, so that a test cannot pass on
// an empty list.

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vomel::testing {

// A point of the design line at a continuous station.
struct ForwardRow {
    double station = 0.0;
    double x = 0.0;
    double y = 0.0;
};

// The answer for one point of NAME.xy.
struct ExpectedFoot {
    std::string label;
    double station = 0.0;  // continuous
    double offset = 0.0;  // left positive
    double footX = 0.0;
    double footY = 0.0;
    double stated = 0.0;
    char letter = 'A';
};

namespace detail {

// The data rows of a CSV file with its header row, commas made blanks, CR
// LF or LF line ends.
inline std::vector<std::string> dataRows(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read the reference file " + path);
    std::vector<std::string> rows;
    std::string line;
    std::getline(in, line);  // the header
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        std::replace(line.begin(), line.end(), ',', ' ');
        rows.push_back(line);
    }
    if (rows.empty()) throw std::runtime_error("no rows in the reference file " + path);
    return rows;
}

inline void requireParsed(const std::istringstream& fields, const std::string& path, const std::string& row)
{
    if (fields.fail()) throw std::runtime_error(path + ": a row that does not parse: " + row);
}

}  // namespace detail

inline std::vector<ForwardRow> readForwardCsv(const std::string& path)
{
    std::vector<ForwardRow> rows;
    for (const std::string& row : detail::dataRows(path)) {
        std::istringstream fields(row);
        ForwardRow r;
        fields >> r.station >> r.x >> r.y;
        detail::requireParsed(fields, path, row);
        rows.push_back(r);
    }
    return rows;
}

inline std::vector<ExpectedFoot> readExpectedCsv(const std::string& path)
{
    std::vector<ExpectedFoot> rows;
    for (const std::string& row : detail::dataRows(path)) {
        std::istringstream fields(row);
        ExpectedFoot e;
        fields >> e.label >> e.station >> e.offset >> e.footX >> e.footY >> e.stated >> e.letter;
        detail::requireParsed(fields, path, row);
        rows.push_back(e);
    }
    return rows;
}

}  // namespace vomel::testing
