#pragma once
// One instance of an IFC file with its parameters parsed, read attribute by
// attribute as the IFC schema names them. A missing, unset or mistyped
// attribute is a vomel::FormatFailure naming the instance (#id and type),
// the attribute and the file line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/wording.h"
#include "formats/step_file.h"

namespace vomel::ifc {

class Entity {
public:
    Entity(const step::StepFile& file, const step::Instance& instance);

    std::int64_t id() const { return instance_->id; }
    const std::string& type() const { return instance_->type; }
    long line() const { return instance_->line; }
    bool is(const char* type) const { return instance_->type == type; }
    const step::StepFile& file() const { return *file_; }
    // "#29 (IFCALIGNMENTHORIZONTALSEGMENT)", for messages.
    std::string label() const;
    [[noreturn]] void fail(Wording reason) const;
    // A reason not worded for translation yet: English in every language.
    [[noreturn]] void fail(const std::string& reason) const { fail(Wording(reason)); }

    std::size_t count() const { return values_.size(); }
    // Attribute `index` (1-based, in STEP order) is present and not $.
    bool isSet(std::size_t index) const;

    // A number: an integer, a real or a typed measure of one. Numbers
    // beyond ±MAX_INPUT_MAGNITUDE are refused.
    double number(std::size_t index, const char* name) const;
    std::optional<double> optionalNumber(std::size_t index, const char* name) const;
    Entity reference(std::size_t index, const char* name) const;
    std::optional<Entity> optionalReference(std::size_t index, const char* name) const;
    // A list of references (an unset list is empty).
    std::vector<Entity> references(std::size_t index, const char* name) const;
    // A list of numbers (IfcCartesianPoint coordinates, direction ratios).
    std::vector<double> numbers(std::size_t index, const char* name) const;
    // A string, "" when unset.
    std::string text(std::size_t index, const char* name) const;
    // An enumeration in capitals, "" when unset.
    std::string enumeration(std::size_t index, const char* name) const;
    // The raw value, or nullptr when the instance has fewer attributes.
    const step::Value* value(std::size_t index) const;

private:
    const step::Value& required(std::size_t index, const char* name) const;

    const step::StepFile* file_;
    const step::Instance* instance_;
    std::vector<step::Value> values_;
};

// The instance `id` (it exists: the file checked every reference).
Entity entityOf(const step::StepFile& file, std::int64_t id);

// A number held by a value: an integer, a real, or a typed value of one
// (IFCLENGTHMEASURE(0.)); nullopt otherwise.
std::optional<double> numberIn(const step::Value& value);

}  // namespace vomel::ifc
