#include "formats/cass_points.h"

#include <vector>

#include "core/failure.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel {

namespace {

constexpr std::size_t CASS_FIELDS = 5;

// Blanks and tabs around a field.
std::string_view trimField(std::string_view field)
{
    const auto first = field.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = field.find_last_not_of(" \t");
    return field.substr(first, last - first + 1);
}

}  // namespace

SurveyPoint parseCassLine(std::string_view text, long line)
{
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        fields.push_back(trimField(text.substr(start, comma == std::string_view::npos ? comma : comma - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (fields.size() != CASS_FIELDS) {
        throw FormatFailure(
            line, VOMEL_TRANSLATE_NOOP("Failure", "a CASS point is `name,code,E,N,elevation`; the line has %1 field%2"),
            std::to_string(fields.size()), pluralS(fields.size()));
    }
    if (fields[0].empty())
        throw FormatFailure(line, VOMEL_TRANSLATE_NOOP("Failure", "field 1, the point name, is empty"));
    SurveyPoint point;
    point.label = std::string(fields[0]);
    point.code = std::string(fields[1]);
    point.y = parseMeasureField(fields[2], line, 3);
    point.x = parseMeasureField(fields[3], line, 4);
    if (!fields[4].empty()) {
        point.elevation = parseNumberField(fields[4], line, 5);
        point.hasElevation = true;
    }
    point.line = line;
    return point;
}

// NOLINTNEXTLINE(bugprone-easily-swappable-parameters): name then code, as the format orders them
std::string cassLine(const std::string& name, const std::string& code, Point point, double elevation, long line)
{
    for (const std::string* text : {&name, &code}) {
        if (text->find(',') != std::string::npos) {
            throw FormatFailure(
                line,
                text == &name
                    ? VOMEL_TRANSLATE_NOOP("Failure", "the name %1 holds a comma, which the CASS format cannot carry")
                    : VOMEL_TRANSLATE_NOOP("Failure", "the code %1 holds a comma, which the CASS format cannot carry"),
                quotedExcerpt(*text));
        }
    }
    return name + "," + code + "," + formatGeneral(point.y) + "," + formatGeneral(point.x) + "," +
           formatGeneral(elevation) + "\r\n";
}

}  // namespace vomel
