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
    ClassFactory factory; // empty until the class is built into the system
};

// The table of serializable classes by name. An archive writes a class's
// name and schema from here and creates loaded objects through its factory.
class ClassRegistry
{
public:
    // A registry holding every class name of the system (schema 1) without
    // factories; each class family registers its factories with Register.
    static ClassRegistry WithSystemClassNames();

    // Adds the factory of a known class, or the class itself if unknown.
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
