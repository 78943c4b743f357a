#pragma once
// The rules shared by every input file: 8-bit text read byte for byte, lines
// ended by CR LF or LF, one normalisation rule that splits a line into fields,
// and strict decimal numbers.

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vomel {

// Longest line any reader accepts, in bytes. A longer line is a format
// failure rather than an unbounded allocation.
inline constexpr std::size_t MAX_LINE_BYTES = 1u << 20;

// Reads a text file line by line. A line ends at LF; one CR before the LF
// (or before the end of the file) is dropped. Lines are counted from 1.
class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in) {}

    // The next line without its end, or false at the end of the file.
    bool next(std::string& line);

    // Number of the line last returned by next (0 before the first).
    long lineNumber() const { return lineNumber_; }

private:
    std::istream& in_;
    long lineNumber_ = 0;
};

// The fields of a normalised line: blanks trimmed, tabs made blanks, runs of
// blanks collapsed, split at the blanks. nullopt marks a blank line, which
// ends the list it belongs to. Commas are not separators.
std::optional<std::vector<std::string>> normaliseLine(std::string_view line);

// Leading and trailing blanks (spaces only) removed.
std::string_view trimBlanks(std::string_view text);

// A whole field as a decimal number: optional sign, digits with an optional
// decimal point, optional exponent. nullopt for anything else, including
// "inf", "nan", hexadecimal and values beyond the double range.
std::optional<double> parseNumber(std::string_view field);

// parseNumber, or a FormatFailure naming the line and the field.
double parseNumberField(std::string_view field, long line, int fieldNumber);

// The number a typed text starts with: blanks anywhere are skipped, then the
// longest leading part that forms a number is taken ("12a" -> 12,
// "1 2" -> 12, "" -> 0, "-.5e1x" -> -5). Never fails.
double leadingNumber(std::string_view text);

}  // namespace vomel
