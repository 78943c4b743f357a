#include "formats/ifc_entity.h"

#include <cmath>
#include <utility>

#include "core/failure.h"
#include "text/input_line.h"
#include "text/number_text.h"

namespace vomel::ifc {

Entity::Entity(const step::StepFile& file, const step::Instance& instance)
    : file_(&file), instance_(&instance), values_(file.parameters(instance))
{
}

std::string Entity::label() const { return "#" + std::to_string(id()) + " (" + type() + ")"; }

void Entity::fail(Wording reason) const
{
    throw FormatFailure(line(), VOMEL_TRANSLATE_NOOP("Failure", "%1: %2"), label(), std::move(reason));
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
        fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 (attribute %2) is missing: the instance has %3 attributes"),
                    name, std::to_string(index), std::to_string(values_.size())));
    }
    if (!isSet(index))
        fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 (attribute %2) is not set"), name, std::to_string(index)));
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
    if (!found)
        fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 (attribute %2) is not a number"), name, std::to_string(index)));
    if (std::fabs(*found) > MAX_INPUT_MAGNITUDE) {
        fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 is %2, beyond ±%3, the largest magnitude accepted"), name,
                    formatGeneral(*found), formatGeneral(MAX_INPUT_MAGNITUDE)));
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
        fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 (attribute %2) is not a reference to an instance"), name,
                    std::to_string(index)));
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
    if (list.kind != step::ValueKind::List) fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 is not a list"), name));
    for (const step::Value& item : list.items) {
        if (item.kind != step::ValueKind::Reference)
            fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 holds an item that is not a reference"), name));
        found.push_back(entityOf(*file_, item.integer));
    }
    return found;
}

std::vector<double> Entity::numbers(std::size_t index, const char* name) const
{
    const step::Value& list = required(index, name);
    if (list.kind != step::ValueKind::List) fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 is not a list"), name));
    std::vector<double> found;
    for (const step::Value& item : list.items) {
        const auto number = numberIn(item);
        if (!number) fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 holds an item that is not a number"), name));
        if (std::fabs(*number) > MAX_INPUT_MAGNITUDE) {
            fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 holds %2, beyond ±%3, the largest magnitude accepted"),
                        name, formatGeneral(*number), formatGeneral(MAX_INPUT_MAGNITUDE)));
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
    fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 (attribute %2) is not a string"), name, std::to_string(index)));
}

std::string Entity::enumeration(std::size_t index, const char* name) const
{
    if (!isSet(index)) return {};
    const step::Value& found = required(index, name);
    if (found.kind != step::ValueKind::Enumeration) {
        fail(worded(VOMEL_TRANSLATE_NOOP("Failure", "%1 (attribute %2) is not an enumeration value"), name,
                    std::to_string(index)));
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
