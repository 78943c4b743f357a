#include "formats/jd_reader.h"

#include <string>
#include <vector>

#include "core/failure.h"
#include "text/input_line.h"

namespace vomel {

namespace {

// Blanks and tabs removed from both ends of a name line.
std::string_view trimName(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

bool isValidUtf8(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        if (b < 0x80)
            extra = 0;
        else if ((b & 0xE0) == 0xC0 && b >= 0xC2)
            extra = 1;
        else if ((b & 0xF0) == 0xE0)
            extra = 2;
        else if ((b & 0xF8) == 0xF0 && b <= 0xF4)
            extra = 3;
        else
            return false;
        if (i + extra >= text.size() && extra > 0) return false;  // cut short
        for (std::size_t k = 1; k <= extra; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        }
        i += extra + 1;
    }
    return true;
}

// The name split into characters. A name that is valid UTF-8 is read as
// UTF-8; otherwise as GBK, where a byte from 0x81 on leads a two-byte
// character whose second byte may look like an ASCII letter.
std::vector<std::string_view> characters(std::string_view name)
{
    std::vector<std::string_view> chars;
    const bool utf8 = isValidUtf8(name);
    std::size_t i = 0;
    while (i < name.size()) {
        const auto b = static_cast<unsigned char>(name[i]);
        std::size_t length = 1;
        if (utf8) {
            if (b >= 0xF0)
                length = 4;
            else if (b >= 0xE0)
                length = 3;
            else if (b >= 0xC0)
                length = 2;
        } else if (b >= 0x81 && b <= 0xFE && i + 1 < name.size()) {
            length = 2;
        }
        chars.push_back(name.substr(i, length));
        i += length;
    }
    return chars;
}

char upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// A table under construction; copied into the caller's only when complete.
struct Row {
    std::string name;
    double values[7] = {};
    HairpinFlags flags;
};

double readStartStation(LineReader& reader)
{
    std::string text;
    if (!reader.next(text)) {
        throw FormatFailure(FailureCode::JdFileEmpty, {}, 1);
    }
    std::string_view rest;
    long stationLine = reader.lineNumber();
    const auto comma = text.find(',');
    if (comma != std::string::npos) {
        rest = std::string_view(text).substr(comma + 1);
    } else {
        // LABEL alone: the start station stands on the next line.
        if (!reader.next(text)) {
            throw FormatFailure(FailureCode::JdEndsBeforeStartStation, {}, reader.lineNumber() + 1);
        }
        stationLine = reader.lineNumber();
        rest = text;
    }
    const auto fields = normaliseLine(rest);
    if (!fields) throw FormatFailure(FailureCode::JdStartStationMissing, {}, stationLine);
    return parseMeasureField((*fields)[0], stationLine, 1);
}

}  // namespace

HairpinFlags hairpinFlags(std::string_view name)
{
    const auto chars = characters(name);
    HairpinFlags flags;
    for (std::size_t p = 0; p + 1 < chars.size(); ++p) {
        if (chars[p].size() == 1 && chars[p + 1].size() == 1 && upper(chars[p][0]) == 'H' &&
            upper(chars[p + 1][0]) == 'T') {
            flags.isHairpin = true;
        }
    }
    if (flags.isHairpin) {
        const std::size_t length = chars.size();
        flags.inForward = chars[length - 2] == "1";
        flags.outForward = chars[length - 1] == "1";
    }
    return flags;
}

void readJdFile(std::istream& in, vomel::MainLine& line)
{
    LineReader reader(in);
    const double startStation = readStartStation(reader);

    std::vector<Row> rows;
    std::string text;
    while (reader.next(text)) {
        const std::string_view name = trimName(text);
        if (name.empty()) break;  // a blank name line ends the table
        if (rows.size() >= static_cast<std::size_t>(vomel::JD_CAPACITY)) {
            throw FormatFailure(FailureCode::TooManyIntersectionPoints, {std::to_string(vomel::JD_CAPACITY)},
                                reader.lineNumber());
        }
        Row row;
        row.name = std::string(name);
        row.flags = hairpinFlags(name);
        const long nameLine = reader.lineNumber();
        if (!reader.next(text)) {
            throw FormatFailure(FailureCode::JdDataLineMissing, {quotedExcerpt(row.name)}, nameLine + 1);
        }
        const auto fields = normaliseLine(text);
        const std::size_t count = fields ? fields->size() : 0;
        if (count != 5 && count != 7) {
            throw FormatFailure(FailureCode::JdDataFields, {quotedExcerpt(row.name), std::to_string(count)},
                                reader.lineNumber());
        }
        for (std::size_t f = 0; f < count; ++f) {
            row.values[f] = parseMeasureField((*fields)[f], reader.lineNumber(), static_cast<int>(f) + 1);
        }
        rows.push_back(std::move(row));
    }

    // Complete: only now does the caller's table change.
    line.startStation = startStation;
    line.jdCount = static_cast<int>(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::size_t i = k + 1;
        const Row& r = rows[k];
        line.jdName[i] = r.name;
        line.jdX[i] = r.values[0];
        line.jdY[i] = r.values[1];
        line.jdRadius[i] = r.values[2];
        line.jdSpiralIn[i] = r.values[3];
        line.jdSpiralOut[i] = r.values[4];
        line.jdOuterRadiusIn[i] = r.values[5];
        line.jdOuterRadiusOut[i] = r.values[6];
        line.jdIsHairpin[i] = r.flags.isHairpin ? 1.0 : 0.0;
        line.jdHairpinInForward[i] = r.flags.inForward ? 1.0 : 0.0;
        line.jdHairpinOutForward[i] = r.flags.outForward ? 1.0 : 0.0;
    }
}

std::shared_ptr<const MainLine> readMainLine(std::istream& in)
{
    auto line = std::make_shared<MainLine>();
    readJdFile(in, *line);
    computeCurveElements(*line);
    return line;
}

}  // namespace vomel
