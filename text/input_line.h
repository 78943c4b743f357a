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

// Largest input file any reader accepts, in bytes (256 MiB, some millions
// of points). Reading stops with a format failure there, so that a device
// or a runaway file cannot keep a reader going without end.
inline constexpr std::size_t MAX_FILE_BYTES = std::size_t{1} << 28;

// Largest magnitude of a coordinate, station, radius or length that a file
// may give, metres (a million kilometres): far beyond any survey grid, and
// small enough that sums, differences and squares of such values stay
// finite doubles.
inline constexpr double MAX_INPUT_MAGNITUDE = 1e9;

// Longest excerpt of the file's text that a message quotes, bytes.
inline constexpr std::size_t MAX_QUOTED_BYTES = 40;

// Reads a text file line by line. A line ends at LF; the CRs before the LF
// (or before the end of the file) are dropped, so CR LF and the CR CR LF of
// a doubly converted file read alike. A CR anywhere else (a file whose lines
// end in CR alone) is a format failure, as are a line longer than
// MAX_LINE_BYTES and a file longer than MAX_FILE_BYTES. Lines are counted
// from 1.
class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in) {}
    // A reader with a smaller bound on the file's length, for tests.
    LineReader(std::istream& in, std::size_t maxFileBytes) : in_(in), maxFileBytes_(maxFileBytes) {}

    // The next line without its end, or false at the end of the file.
    bool next(std::string& line);

    // Number of the line last returned by next (0 before the first).
    long lineNumber() const { return lineNumber_; }

private:
    [[noreturn]] void failFileTooLong(long line) const;

    std::istream& in_;
    long lineNumber_ = 0;
    std::size_t bytesRead_ = 0;
    std::size_t maxFileBytes_ = MAX_FILE_BYTES;
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

// parseNumberField for a coordinate, station, radius or length: a value
// beyond ±MAX_INPUT_MAGNITUDE is a FormatFailure naming the line and field.
double parseMeasureField(std::string_view field, long line, int fieldNumber);

// `text` in double quotes for a message, cut to MAX_QUOTED_BYTES bytes
// ("..." marks a cut). A control byte (a binary file's NUL, say) is shown
// as \xNN so that the message stays one readable line; other bytes, GBK
// and UTF-8 included, are copied.
std::string quotedExcerpt(std::string_view text);

// The number a typed text starts with: blanks anywhere are skipped, then the
// longest leading part that forms a number is taken ("12a" -> 12,
// "1 2" -> 12, "" -> 0, "-.5e1x" -> -5). Never fails.
double leadingNumber(std::string_view text);

}  // namespace vomel
