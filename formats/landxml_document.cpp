#include "formats/landxml_document.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <sstream>

#include "core/failure.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel::landxml {

namespace {

bool isXmlBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

const char* skipBlanks(const char* p, const char* end)
{
    while (p != end && isXmlBlank(*p)) ++p;
    return p;
}

// One number at [p, end): its value and the end of its text, or nullopt.
// from_chars takes no leading '+', which XML numbers may carry.
std::optional<std::pair<double, const char*>> numberAt(const char* p, const char* end)
{
    if (p != end && *p == '+') ++p;
    double value = 0.0;
    const auto [next, error] = std::from_chars(p, end, value, std::chars_format::general);
    if (error != std::errc() || next == p || std::isnan(value)) return std::nullopt;
    return std::make_pair(value, next);
}

}  // namespace

Document::Document(std::istream& in)
{
    // Read a block at a time up to the bound every input file is held to,
    // so that a device or a runaway file cannot grow the text without end.
    std::array<char, 1u << 16> block{};
    for (;;) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0) break;
        if (text_.size() + got > vomel::MAX_FILE_BYTES) {
            throw vomel::FormatFailure(vomel::FailureCode::FileTooLong, {std::to_string(vomel::MAX_FILE_BYTES)},
                                       static_cast<long>(std::count(text_.begin(), text_.end(), '\n')) + 1);
        }
        text_.append(block.data(), got);
        if (!in) break;
    }
    if (in.bad()) throw vomel::FileFailure(vomel::FailureCode::FileNotReadToEnd, {});

    std::size_t first = text_.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;  // after a UTF-8 byte-order mark
    first = text_.find_first_not_of(" \t\r\n", first);
    if (first == std::string::npos || text_[first] != '<') {
        throw vomel::FormatFailure(
            1, VOMEL_TRANSLATE_NOOP("Failure", "not a LandXML document: the file does not begin with an XML element"));
    }

    lineStarts_.push_back(0);
    for (std::size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\n') lineStarts_.push_back(i + 1);
    }

    const pugi::xml_parse_result parsed =
        xml_.load_buffer(text_.data(), text_.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        throw vomel::FormatFailure(lineAtOffset(parsed.offset),
                                   VOMEL_TRANSLATE_NOOP("Failure", "not a well-formed XML document: %1"),
                                   parsed.description());
    }
    const pugi::xml_node top = root();
    if (!top || localName(top) != "LandXML") {
        throw vomel::FormatFailure(
            top ? lineOf(top) : 1,
            VOMEL_TRANSLATE_NOOP("Failure", "the document's root element is <%1>, not <LandXML>"),
            top ? std::string(top.name()) : std::string());
    }
    for (const pugi::xml_node& block : childrenNamed(top, "CgPoints")) {
        for (const pugi::xml_node& point : childrenNamed(block, "CgPoint")) {
            const char* name = point.attribute("name").value();
            if (*name != '\0') points_.emplace(name, point);
        }
    }
}

long Document::lineAtOffset(std::ptrdiff_t offset) const
{
    if (offset < 0) return 1;
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), static_cast<std::size_t>(offset));
    return static_cast<long>(std::distance(lineStarts_.begin(), after));
}

long Document::lineOf(const pugi::xml_node& node) const
{
    // The node's offset points into pugixml's copy of the text, which keeps
    // the byte offsets of the document as read for a UTF-8 document.
    return lineAtOffset(node.offset_debug());
}

std::vector<pugi::xml_node> Document::alignments() const
{
    std::vector<pugi::xml_node> found;
    for (const pugi::xml_node& block : childrenNamed(root(), "Alignments")) {
        for (const pugi::xml_node& alignment : childrenNamed(block, "Alignment")) found.push_back(alignment);
    }
    return found;
}

pugi::xml_node Document::namedPoint(const std::string& name) const
{
    const auto found = points_.find(name);
    return found == points_.end() ? pugi::xml_node() : found->second;
}

std::string localName(const pugi::xml_node& node)
{
    const char* name = node.name();
    const char* colon = std::strrchr(name, ':');
    return colon == nullptr ? name : colon + 1;
}

std::vector<pugi::xml_node> childrenNamed(const pugi::xml_node& node, const char* name)
{
    std::vector<pugi::xml_node> found;
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element && localName(child) == name) found.push_back(child);
    }
    return found;
}

pugi::xml_node childNamed(const pugi::xml_node& node, const char* name)
{
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() == pugi::node_element && localName(child) == name) return child;
    }
    return {};
}

std::optional<double> parseXmlNumber(const char* text)
{
    const char* end = text + std::strlen(text);
    const char* p = skipBlanks(text, end);
    const auto number = numberAt(p, end);
    if (!number || skipBlanks(number->second, end) != end) return std::nullopt;
    return number->first;
}

std::optional<std::vector<double>> parseNumberList(const char* text)
{
    std::vector<double> values;
    const char* end = text + std::strlen(text);
    const char* p = skipBlanks(text, end);
    while (p != end) {
        const auto number = numberAt(p, end);
        if (!number || (number->second != end && !isXmlBlank(*number->second))) return std::nullopt;
        values.push_back(number->first);
        p = skipBlanks(number->second, end);
    }
    return values;
}

bool beyondInputRange(double value) { return std::isfinite(value) && std::fabs(value) > MAX_INPUT_MAGNITUDE; }

vomel::Wording inputRangeReason(vomel::Wording what)
{
    return worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 is beyond ±%2, the largest magnitude accepted"), std::move(what),
                  formatGeneral(MAX_INPUT_MAGNITUDE));
}

}  // namespace vomel::landxml
