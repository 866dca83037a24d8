#include "support/element_archive.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "support/hex.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantrel::test {

std::vector<std::uint8_t> StorePayload(LogElement& element)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    element.Serialize(ar);
    return bytes;
}

std::vector<std::uint8_t> StoreElements(ElementVector& list)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    ar.SerializeObjectList(list);
    return bytes;
}

ElementVector LoadElements(std::span<const std::uint8_t> bytes)
{
    ElementVector list;
    CArchive ar(LoadFrom, bytes, SystemClasses());
    ar.SerializeObjectList(list);
    return list;
}

PayloadLoad LoadPayload(LogElement& element, std::span<const std::uint8_t> bytes)
{
    CArchive ar(LoadFrom, bytes, SystemClasses());
    element.Serialize(ar);
    return {ar.BytesLeft(), ar.ElementVersion()};
}

std::optional<ArchiveCause> PayloadLoadFailure(LogElement& element,
                                               std::span<const std::uint8_t> bytes)
{
    try {
        LoadPayload(element, bytes);
    } catch (const CArchiveException& e) {
        return e.Cause();
    }
    return std::nullopt;
}

std::string BaseFields(const LogElement& element)
{
    std::ostringstream out;
    out << element.ClassName() << " id " << element.id << " at " << element.pos.x << ","
        << element.pos.y << " inputs";
    for (int i = 0; i < element.InputCount(); ++i)
        out << " " << element.inputs[i];
    return out.str();
}

void ExpectRoundTrip(ElementVector& list,
                     const std::function<std::string(const LogElement&)>& describe)
{
    const auto stored = StoreElements(list);
    auto loaded = LoadElements(stored);
    EXPECT_EQ(ToHex(StoreElements(loaded)), ToHex(stored));
    ASSERT_EQ(loaded.size(), list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(describe(*loaded[i]), describe(*list[i]));
}

} // namespace vantrel::test
