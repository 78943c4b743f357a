#pragma once
// A STEP physical file (ISO 10303-21, "clear text encoding of the exchange
// structure"), the form IFC files take: a HEADER naming the schema and a
// DATA section of entity instances `#12=IFCNAME(p1,p2,...);`.
//
// The file is read whole and checked once: its syntax, the schema, every
// instance's parameters, duplicate ids and references to instances the
// file does not define. Only an index is kept (id, type, line, where the
// parameters start); an instance's parameters are parsed again when they
// are asked for, so memory stays a few dozen bytes per instance beyond the
// file's text. Every fault is a vomel::FormatFailure naming the file line.
//
// Names (entity types, enumerations, keywords) are case-insensitive and
// held in capitals. Strings are decoded to UTF-8: '' is ', \\ is \, \X\hh a
// byte of ISO 8859-1, \X2\hhhh...\X0\ UTF-16 (with surrogate pairs),
// \X4\hhhhhhhh...\X0\ UTF-32, \S\c the character c + 128 of the ISO 8859
// page chosen by \PA\ ... \PI\ (A, Latin-1, by default); any other byte of
// a string is copied as it is.

#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vomel::step {

// Largest file read, bytes: the text is held whole while it is read.
inline constexpr std::size_t MAX_STEP_FILE_BYTES = std::size_t{1} << 30;  // 1 GiB
// Longest instance, from its '#' to its ';', bytes. The largest alignment
// entities are a few hundred bytes; a list of a few thousand points fits.
inline constexpr std::size_t MAX_STEP_INSTANCE_BYTES = std::size_t{1} << 20;  // 1 MiB
// Deepest nesting of lists and typed values within one parameter.
inline constexpr int MAX_STEP_NESTING = 32;
// Longest entity or type name, bytes (the longest IFC names have 45).
inline constexpr std::size_t MAX_STEP_NAME_BYTES = 128;
// Largest instance id: ids are positive integers of at most this value.
inline constexpr std::int64_t MAX_STEP_ID = 999'999'999'999;

enum class ValueKind {
    Unset,  // $
    Derived,  // *
    Reference,  // #12
    Enumeration,  // .NAME. (also .T. .F. .U.), name in capitals in `text`
    Integer,  // 3 (in `number` too)
    Real,  // 3. 5.E-1
    String,  // 'text', decoded to UTF-8 in `text`
    Binary,  // "0FF", the hex digits in `text`
    Typed,  // IFCLENGTHMEASURE(0.): the type in `text`, the value in items[0]
    List,  // (a,b,...)
};

struct Value {
    ValueKind kind = ValueKind::Unset;
    std::string text;
    double number = 0.0;
    std::int64_t integer = 0;  // Integer, and the id of a Reference
    std::vector<Value> items;
};

struct Instance {
    std::int64_t id = 0;
    std::string type;  // in capitals
    long line = 0;  // the line of its '#'
    std::size_t parameters = 0;  // offset of its '(' in the text
};

class StepFile {
public:
    // Reads and checks the whole file. `acceptedSchemas` (capitals) are the
    // FILE_SCHEMA names taken; any other is refused, naming it.
    StepFile(std::istream& in, const std::vector<std::string>& acceptedSchemas);

    // The schema the header names, as written.
    const std::string& schema() const { return schema_; }

    // Every instance in file order.
    const std::vector<Instance>& instances() const { return instances_; }
    // The instance with this id; nullptr when the file has none.
    const Instance* find(std::int64_t id) const;
    // The instances of one type (capitals), in file order.
    std::vector<const Instance*> ofType(std::string_view type) const;
    // The parameters of an instance, parsed from the text.
    std::vector<Value> parameters(const Instance& instance) const;

private:
    std::string text_;
    std::string schema_;
    std::vector<Instance> instances_;
    std::unordered_map<std::int64_t, std::size_t> index_;
};

// A string's text between its quotes decoded as above; a bad escape is a
// FormatFailure naming `line`.
std::string decodeStepString(std::string_view raw, long line);

}  // namespace vomel::step
