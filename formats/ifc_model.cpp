#include "formats/ifc_model.h"

namespace vomel::ifc {

const std::vector<std::string>& ifc4x3Schemas()
{
    static const std::vector<std::string> schemas{"IFC4X3", "IFC4X3_ADD1", "IFC4X3_ADD2", "IFC4X3_TC1"};
    return schemas;
}

Model::Model(const step::StepFile& file) : file_(&file)
{
    for (const step::Instance* instance : file.ofType("IFCRELNESTS")) {
        const Entity rel(file, *instance);
        auto& children = nests_[rel.reference(5, "RelatingObject").id()];
        for (const Entity& child : rel.references(6, "RelatedObjects")) children.push_back(child.id());
    }
    for (const step::Instance* instance : file.ofType("IFCRELAGGREGATES")) {
        const Entity rel(file, *instance);
        const std::int64_t parent = rel.reference(5, "RelatingObject").id();
        for (const Entity& child : rel.references(6, "RelatedObjects")) parents_[child.id()].push_back(parent);
    }
    for (const step::Instance* instance : file.ofType("IFCRELDEFINESBYPROPERTIES")) {
        const Entity rel(file, *instance);
        const std::int64_t set = rel.reference(6, "RelatingPropertyDefinition").id();
        for (const Entity& object : rel.references(5, "RelatedObjects")) propertySets_[object.id()].push_back(set);
    }
}

std::vector<Entity> Model::nested(std::int64_t parent) const
{
    std::vector<Entity> found;
    const auto where = nests_.find(parent);
    if (where == nests_.end()) return found;
    for (const std::int64_t id : where->second) found.push_back(entity(id));
    return found;
}

std::vector<Entity> Model::aggregatedBy(std::int64_t child) const
{
    std::vector<Entity> found;
    const auto where = parents_.find(child);
    if (where == parents_.end()) return found;
    for (const std::int64_t id : where->second) found.push_back(entity(id));
    return found;
}

std::optional<step::Value> Model::property(std::int64_t object, const std::string& set, const std::string& name) const
{
    const auto where = propertySets_.find(object);
    if (where == propertySets_.end()) return std::nullopt;
    for (const std::int64_t id : where->second) {
        const Entity propertySet = entity(id);
        if (!propertySet.is("IFCPROPERTYSET") || propertySet.text(3, "Name") != set) continue;
        for (const Entity& property : propertySet.references(5, "HasProperties")) {
            if (!property.is("IFCPROPERTYSINGLEVALUE") || property.text(1, "Name") != name) continue;
            if (!property.isSet(3)) return std::nullopt;
            return *property.value(3);
        }
    }
    return std::nullopt;
}

}  // namespace vomel::ifc
