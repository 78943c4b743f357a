#include "formats/ifc_entity.h"

#include <cmath>

#include "core/failure.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel::ifc {

Entity::Entity(const step::StepFile& file, const step::Instance& instance)
    : file_(&file), instance_(&instance), values_(file.parameters(instance))
{
}

std::string Entity::label() const { return "#" + std::to_string(id()) + " (" + type() + ")"; }

void Entity::fail(const std::string& reason) const
{
    throw FormatFailure(line(), VOMEL_TRANSLATE_NOOP("Failure", "%1: %2"), label(), Wording(reason));
}

const step::Value* Entity::value(std::size_t index) const
{
    return index >= 1 && index <= values_.size() ? &values_[index - 1] : nullptr;
}

bool Entity::isSet(std::size_t index) const
{
    const step::Value* found = value(index);
    return found != nullptr && found->kind != step::ValueKind::Unset && found->kind != step::ValueKind::Derived;
}

const step::Value& Entity::required(std::size_t index, const char* name) const
{
    const step::Value* found = value(index);
    if (found == nullptr) {
        fail(std::string(name) + " (attribute " + std::to_string(index) + ") is missing: the instance has " +
             std::to_string(values_.size()) + " attributes");
    }
    if (!isSet(index)) fail(std::string(name) + " (attribute " + std::to_string(index) + ") is not set");
    return *found;
}

std::optional<double> numberIn(const step::Value& value)
{
    if (value.kind == step::ValueKind::Integer || value.kind == step::ValueKind::Real) return value.number;
    if (value.kind == step::ValueKind::Typed && !value.items.empty()) return numberIn(value.items.front());
    return std::nullopt;
}

double Entity::number(std::size_t index, const char* name) const
{
    const auto found = numberIn(required(index, name));
    if (!found) fail(std::string(name) + " (attribute " + std::to_string(index) + ") is not a number");
    if (std::fabs(*found) > MAX_INPUT_MAGNITUDE) {
        fail(std::string(name) + " is " + formatGeneral(*found) + ", beyond ±" + formatGeneral(MAX_INPUT_MAGNITUDE) +
             ", the largest magnitude accepted");
    }
    return *found;
}

std::optional<double> Entity::optionalNumber(std::size_t index, const char* name) const
{
    if (!isSet(index)) return std::nullopt;
    return number(index, name);
}

Entity Entity::reference(std::size_t index, const char* name) const
{
    const step::Value& found = required(index, name);
    if (found.kind != step::ValueKind::Reference) {
        fail(std::string(name) + " (attribute " + std::to_string(index) + ") is not a reference to an instance");
    }
    return entityOf(*file_, found.integer);
}

std::optional<Entity> Entity::optionalReference(std::size_t index, const char* name) const
{
    if (!isSet(index)) return std::nullopt;
    return reference(index, name);
}

std::vector<Entity> Entity::references(std::size_t index, const char* name) const
{
    std::vector<Entity> found;
    if (!isSet(index)) return found;
    const step::Value& list = required(index, name);
    if (list.kind != step::ValueKind::List) fail(std::string(name) + " is not a list");
    for (const step::Value& item : list.items) {
        if (item.kind != step::ValueKind::Reference) fail(std::string(name) + " holds an item that is not a reference");
        found.push_back(entityOf(*file_, item.integer));
    }
    return found;
}

std::vector<double> Entity::numbers(std::size_t index, const char* name) const
{
    const step::Value& list = required(index, name);
    if (list.kind != step::ValueKind::List) fail(std::string(name) + " is not a list");
    std::vector<double> found;
    for (const step::Value& item : list.items) {
        const auto number = numberIn(item);
        if (!number) fail(std::string(name) + " holds an item that is not a number");
        if (std::fabs(*number) > MAX_INPUT_MAGNITUDE) {
            fail(std::string(name) + " holds " + formatGeneral(*number) + ", beyond ±" +
                 formatGeneral(MAX_INPUT_MAGNITUDE) + ", the largest magnitude accepted");
        }
        found.push_back(*number);
    }
    return found;
}

std::string Entity::text(std::size_t index, const char* name) const
{
    if (!isSet(index)) return {};
    const step::Value& found = required(index, name);
    if (found.kind == step::ValueKind::String) return found.text;
    if (found.kind == step::ValueKind::Typed && !found.items.empty() && found.items[0].kind == step::ValueKind::String)
        return found.items[0].text;
    fail(std::string(name) + " (attribute " + std::to_string(index) + ") is not a string");
}

std::string Entity::enumeration(std::size_t index, const char* name) const
{
    if (!isSet(index)) return {};
    const step::Value& found = required(index, name);
    if (found.kind != step::ValueKind::Enumeration) {
        fail(std::string(name) + " (attribute " + std::to_string(index) + ") is not an enumeration value");
    }
    return found.text;
}

Entity entityOf(const step::StepFile& file, std::int64_t id)
{
    const step::Instance* instance = file.find(id);
    if (instance == nullptr)
        throw FormatFailure(VOMEL_TRANSLATE_NOOP("Failure", "#%1 is not defined"), std::to_string(id));
    return {file, *instance};
}

}  // namespace vomel::ifc
