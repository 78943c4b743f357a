#pragma once
// The relationships of an IFC file that the alignment import follows,
// gathered once: what an object nests (IfcRelNests, in order), what it
// aggregates (IfcRelAggregates) and the property sets defining it
// (IfcRelDefinesByProperties).

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "formats/ifc_entity.h"
#include "formats/step_file.h"

namespace vomel::ifc {

// The schemas read: IFC 4.3 and its addenda.
const std::vector<std::string>& ifc4x3Schemas();

class Model {
public:
    explicit Model(const step::StepFile& file);

    const step::StepFile& file() const { return *file_; }
    Entity entity(std::int64_t id) const { return entityOf(*file_, id); }

    // The objects `parent` nests, nest after nest in file order, each
    // nest's list in its order.
    std::vector<Entity> nested(std::int64_t parent) const;
    // The objects aggregating `child` (its parents).
    std::vector<Entity> aggregatedBy(std::int64_t child) const;
    // A single property's nominal value in the property set `set` (by name)
    // defining `object`; nullptr when there is none.
    std::optional<step::Value> property(std::int64_t object, const std::string& set, const std::string& name) const;

private:
    const step::StepFile* file_;
    std::unordered_map<std::int64_t, std::vector<std::int64_t>> nests_;
    std::unordered_map<std::int64_t, std::vector<std::int64_t>> parents_;
    std::unordered_map<std::int64_t, std::vector<std::int64_t>> propertySets_;
};

}  // namespace vomel::ifc
