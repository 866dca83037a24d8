#include "archive/class_registry.h"

namespace vantrel {

void ClassRegistry::Register(std::string_view name, ClassFactory factory, std::uint16_t schema)
{
    for (ClassEntry& entry : entries_) {
        if (entry.name == name) {
            entry.factory = std::move(factory);
            entry.schema = schema;
            return;
        }
    }
    entries_.push_back({name, schema, std::move(factory)});
}

const ClassEntry* ClassRegistry::Find(std::string_view name) const
{
    for (const ClassEntry& entry : entries_)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

} // namespace vantrel
