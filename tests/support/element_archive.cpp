#include "support/element_archive.h"

#include "archive/archive.h"
#include "document/system_classes.h"

namespace vantrel::test {

std::vector<std::uint8_t> StoreElementList(ElementVector& list)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    ar.SerializeObjectList(list);
    return bytes;
}

ElementVector LoadElementList(std::span<const std::uint8_t> bytes)
{
    ElementVector list;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    ar.SerializeObjectList(list);
    return list;
}

std::vector<std::uint8_t> StorePayload(LogElement& element)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    element.Serialize(ar);
    return bytes;
}

std::optional<ArchiveCause> LoadPayload(LogElement& element, std::span<const std::uint8_t> bytes)
{
    CArchive ar(LoadFrom, bytes, SystemClasses());
    try {
        element.Serialize(ar);
    } catch (const CArchiveException& e) {
        return e.Cause();
    }
    return std::nullopt;
}

std::vector<std::size_t> TruncationsThatLoad(const LogElement& element)
{
    // Storing needs a mutable element; a clone keeps the caller's untouched.
    const auto payload = StorePayload(*element.Clone());
    std::vector<std::size_t> loaded;
    for (std::size_t length = 0; length < payload.size(); ++length) {
        std::unique_ptr<LogElement> target = element.Clone();
        if (LoadPayload(*target, std::span(payload).first(length)) != ArchiveCause::EndOfFile)
            loaded.push_back(length);
    }
    return loaded;
}

std::string BaseFields(const LogElement& element)
{
    std::string line = std::string(element.ClassName()) + " id " + std::to_string(element.id) +
                       " at " + std::to_string(element.pos.x) + "," +
                       std::to_string(element.pos.y) + " inputs";
    for (std::int32_t input : element.inputs)
        line += " " + std::to_string(input);
    return line;
}

} // namespace vantrel::test
