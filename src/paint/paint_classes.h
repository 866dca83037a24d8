#pragma once

namespace vantrel {

class ClassRegistry;

// Enters the paint object classes and their point class in the registry.
void RegisterPaintClasses(ClassRegistry& registry);

} // namespace vantrel
