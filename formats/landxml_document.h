#pragma once
// A LandXML document as the importer reads it: parsed whole, with the
// file line of every element for messages, element names compared without
// a namespace prefix, numbers and points read strictly.

#include <cstddef>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "core/point.h"
#include "core/wording.h"

namespace vomel::landxml {

class Document {
public:
    // Reads the whole stream. Text that is not well-formed XML, or whose root
    // element is not LandXML, is a vomel::FormatFailure naming the line.
    explicit Document(std::istream& in);

    pugi::xml_node root() const { return xml_.document_element(); }

    // The file line (from 1) on which `node` starts.
    long lineOf(const pugi::xml_node& node) const;

    // The Alignment elements of every Alignments block, in file order.
    std::vector<pugi::xml_node> alignments() const;

    // The CgPoint called `name` anywhere in the document, or an empty node.
    pugi::xml_node namedPoint(const std::string& name) const;

private:
    long lineAtOffset(std::ptrdiff_t offset) const;

    std::string text_;
    pugi::xml_document xml_;
    std::vector<std::size_t> lineStarts_;  // byte offset at which each line begins
    std::map<std::string, pugi::xml_node> points_;
};

// The element name without a namespace prefix: "lx:Line" -> "Line".
std::string localName(const pugi::xml_node& node);

// The children of `node` whose local name is `name`.
std::vector<pugi::xml_node> childrenNamed(const pugi::xml_node& node, const char* name);

// The first such child, or an empty node.
pugi::xml_node childNamed(const pugi::xml_node& node, const char* name);

// A whole text as one number (blanks around it allowed). "INF" and other
// spellings of infinity give an infinite value; NaN and anything else that
// is not a number give nullopt.
std::optional<double> parseXmlNumber(const char* text);

// The numbers of a whitespace-separated list, or nullopt if any is not one.
std::optional<std::vector<double>> parseNumberList(const char* text);

// A finite coordinate, station, radius or length beyond ±MAX_INPUT_MAGNITUDE,
// the bound every other input file holds its measures to.
bool beyondInputRange(double value);
// "<what> is beyond ±1e+09, the largest magnitude accepted".
vomel::Wording inputRangeReason(vomel::Wording what);
inline vomel::Wording inputRangeReason(std::string name) { return inputRangeReason(vomel::Wording(std::move(name))); }

}  // namespace vomel::landxml
