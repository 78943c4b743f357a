#include "text/input_line.h"

#include <charconv>
#include <cmath>

#include "core/failure.h"
#include "text/number_text.h"

namespace vomel {

void LineReader::failFileTooLong(long line) const
{
    throw FormatFailure(FailureCode::FileTooLong, {std::to_string(maxFileBytes_)}, line);
}

bool LineReader::next(std::string& line)
{
    line.clear();
    if (!in_.good()) return false;
    int c = in_.get();
    if (c == std::char_traits<char>::eof()) return false;
    const long number = lineNumber_ + 1;
    while (c != std::char_traits<char>::eof() && c != '\n') {
        // The CR of a CR LF ending is not part of the line: it may stand
        // one byte past the bound.
        const std::size_t room = MAX_LINE_BYTES + (c == '\r' ? 1 : 0);
        if (line.size() >= room) {
            throw FormatFailure(FailureCode::LineTooLong, {std::to_string(MAX_LINE_BYTES)}, number);
        }
        if (++bytesRead_ > maxFileBytes_) failFileTooLong(number);
        line.push_back(static_cast<char>(c));
        c = in_.get();
    }
    // The LF counts too: a file of nothing but line ends must also stop.
    if (c == '\n' && ++bytesRead_ > maxFileBytes_) failFileTooLong(number);
    while (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\r') != std::string::npos) {
        throw FormatFailure(FailureCode::CarriageReturnInLine, {}, number);
    }
    lineNumber_ = number;
    return true;
}

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::optional<std::vector<std::string>> normaliseLine(std::string_view line)
{
    // Tabs count as blanks; after that every run of blanks, however long,
    // is one separator, and blanks at either end are dropped.
    std::vector<std::string> fields;
    std::string field;
    for (char c : line) {
        if (c == ' ' || c == '\t') {
            if (!field.empty()) fields.push_back(std::move(field));
            field.clear();
        } else {
            field.push_back(c);
        }
    }
    if (!field.empty()) fields.push_back(std::move(field));
    if (fields.empty()) return std::nullopt;
    return fields;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of `text` that is a decimal number, 0 if none.
std::size_t numberPrefixLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) return 0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < text.size() && isDigit(text[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0) end = j;
    }
    return end;
}

std::optional<double> convert(std::string_view number)
{
    if (!number.empty() && number.front() == '+') number.remove_prefix(1);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec != std::errc() || result.ptr != number.data() + number.size()) return std::nullopt;
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> parseNumber(std::string_view field)
{
    if (field.empty() || numberPrefixLength(field) != field.size()) return std::nullopt;
    return convert(field);
}

std::string quotedExcerpt(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text.substr(0, MAX_QUOTED_BYTES)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            constexpr const char* HEX = "0123456789abcdef";
            quoted += {'\\', 'x', HEX[byte >> 4], HEX[byte & 15]};
        } else {
            quoted.push_back(c);
        }
    }
    if (text.size() > MAX_QUOTED_BYTES) quoted += "...";
    return quoted + "\"";
}

double parseNumberField(std::string_view field, long line, int fieldNumber)
{
    if (const auto value = parseNumber(field)) return *value;
    throw FormatFailure(FailureCode::NotANumber, {std::to_string(fieldNumber), quotedExcerpt(field)}, line);
}

double parseMeasureField(std::string_view field, long line, int fieldNumber)
{
    const double value = parseNumberField(field, line, fieldNumber);
    if (std::fabs(value) > MAX_INPUT_MAGNITUDE) {
        throw FormatFailure(FailureCode::BeyondLargestMagnitude,
                            {std::to_string(fieldNumber), formatGeneral(MAX_INPUT_MAGNITUDE), quotedExcerpt(field)},
                            line);
    }
    return value;
}

double leadingNumber(std::string_view text)
{
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t') compact.push_back(c);
    }
    const std::size_t length = numberPrefixLength(compact);
    if (length == 0) return 0.0;
    const auto value = convert(std::string_view(compact).substr(0, length));
    return value.value_or(0.0);
}

}  // namespace vomel
