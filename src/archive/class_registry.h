#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace vantrel {

class Serializable;

using ClassFactory = std::function<std::unique_ptr<Serializable>()>;

struct ClassEntry
{
    std::string_view name;
    std::uint16_t schema = 1;
    ClassFactory factory; // an empty object; without one the class cannot be read
};

// The table of serializable classes by name. An archive writes a class's
// name and schema from here and creates loaded objects through its factory.
class ClassRegistry
{
public:
    // Adds a class, or replaces the factory and schema of a class already known.
    void Register(std::string_view name, ClassFactory factory, std::uint16_t schema = 1);

    template <class T> void Register(std::string_view name)
    {
        Register(name, [] { return std::unique_ptr<Serializable>(std::make_unique<T>()); });
    }

    // Registers a class that names itself in T::kClassName.
    template <class T> void Register() { Register<T>(T::kClassName); }

    const ClassEntry* Find(std::string_view name) const;
    const std::vector<ClassEntry>& Entries() const { return entries_; }

private:
    std::vector<ClassEntry> entries_;
};

} // namespace vantrel
