#include "support/element_archive.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "support/hex.h"

#include <gtest/gtest.h>

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

namespace {

std::vector<std::string> FieldLines(const ElementVector& list, const FieldsOf& fields)
{
    std::vector<std::string> lines;
    for (const auto& element : list)
        lines.push_back(fields(*element));
    return lines;
}

} // namespace

void ExpectRoundTrip(ElementVector& list, const FieldsOf& fields)
{
    const auto first = StoreElementList(list);
    ElementVector loaded = LoadElementList(first);
    EXPECT_EQ(ToHex(StoreElementList(loaded)), ToHex(first));
    EXPECT_EQ(FieldLines(loaded, fields), FieldLines(list, fields));
}

void ExpectPayloadLoads(LogElement& element, const std::string& payloadHex,
                        const std::string& expectedFields, const FieldsOf& fields)
{
    constexpr std::uint8_t kSentinel = 0xEE;
    auto bytes = FromHex(payloadHex);
    bytes.push_back(kSentinel);
    CArchive ar(LoadFrom, bytes, SystemClasses());
    element.Serialize(ar);
    EXPECT_EQ(fields(element), expectedFields);
    EXPECT_EQ(ar.BytesLeft(), 1u) << expectedFields;
    EXPECT_EQ(ar.ReadByte(), kSentinel) << expectedFields;
}

void ExpectIndependentClones(const ElementVector& list, const FieldsOf& fields,
                             const std::function<void(LogElement&)>& changeOwnFields)
{
    for (const auto& element : list) {
        const std::string original = fields(*element);
        std::unique_ptr<LogElement> clone = element->Clone();
        EXPECT_EQ(fields(*clone), original);
        clone->id += 1000;
        clone->pos.x += 1;
        for (std::int32_t& input : clone->inputs)
            input += 1;
        changeOwnFields(*clone);
        EXPECT_EQ(fields(*element), original);
    }
}

} // namespace vantrel::test
