#include "archive/archive.h"

#include "support/hex.h"

#include <gtest/gtest.h>

#include <functional>

namespace vantrel {
namespace {

using test::FromHex;
using test::ToHex;

// A leaf with one integer payload.
struct Leaf : Serializable
{
    std::int32_t value = 0;
    const char* ClassName() const override { return "Leaf"; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            value = ar.ReadInt32();
        else
            ar.WriteInt32(value);
    }
};

// A second class, to get more than one class record into a stream.
struct Other : Leaf
{
    const char* ClassName() const override { return "Other"; }
};

// An object holding one owned child: nesting for the depth limit.
struct Nest : Serializable
{
    std::unique_ptr<Nest> child;
    const char* ClassName() const override { return "Nest"; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            child = ar.ReadOwnedObject<Nest>();
        else
            ar.WriteObjectRef(child.get());
    }
};

ClassRegistry TestRegistry()
{
    ClassRegistry registry;
    registry.Register<Leaf>("Leaf");
    registry.Register<Other>("Other");
    registry.Register<Nest>("Nest");
    return registry;
}

const ClassRegistry& Registry()
{
    static const ClassRegistry registry = TestRegistry();
    return registry;
}

std::vector<std::uint8_t> Store(const std::function<void(CArchive&)>& write)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, Registry());
    write(ar);
    return bytes;
}

// Runs `read` on the bytes and returns the cause it failed with, or 0.
int LoadCause(const std::vector<std::uint8_t>& bytes, const std::function<void(CArchive&)>& read)
{
    CArchive ar(LoadFrom, bytes, Registry());
    try {
        read(ar);
    } catch (const CArchiveException& e) {
        return int(e.Cause());
    }
    return 0;
}

TEST(Archive, PlainValuesAreLittleEndianWithoutGaps)
{
    auto bytes = Store([](CArchive& ar) {
        ar.WriteByte(0x12);
        ar.WriteWord(0x3456);
        ar.WriteInt32(-2);
        ar.WriteFloat(1.0f);
        ar.WriteFlag(true);
    });
    EXPECT_EQ(ToHex(bytes), ToHex(FromHex("12 56 34 FE FF FF FF 00 00 80 3F 01")));

    CArchive ar(LoadFrom, bytes, Registry());
    EXPECT_EQ(ar.ReadByte(), 0x12);
    EXPECT_EQ(ar.ReadWord(), 0x3456);
    EXPECT_EQ(ar.ReadInt32(), -2);
    EXPECT_EQ(ar.ReadFloat(), 1.0f);
    EXPECT_TRUE(ar.ReadFlag());
    EXPECT_EQ(ar.BytesLeft(), 0u);
}

TEST(Archive, AnyNonZeroFlagByteReadsAsTrue)
{
    auto bytes = FromHex("00 02 FF");
    CArchive ar(LoadFrom, bytes, Registry());
    EXPECT_FALSE(ar.ReadFlag());
    EXPECT_TRUE(ar.ReadFlag());
    EXPECT_TRUE(ar.ReadFlag());
}

TEST(Archive, CountPrefixSwitchesToEscapeAt65535)
{
    struct Case
    {
        std::size_t count;
        const char* hex;
    };
    for (Case c : {Case{0, "00 00"}, Case{65534, "FE FF"}, Case{65535, "FF FF FF FF 00 00"},
                   Case{70000, "FF FF 70 11 01 00"}}) {
        auto bytes = Store([&](CArchive& ar) { ar.WriteCountPrefix(c.count); });
        EXPECT_EQ(ToHex(bytes), ToHex(FromHex(c.hex))) << c.count;
        CArchive ar(LoadFrom, bytes, Registry());
        EXPECT_EQ(ar.ReadCountPrefix(), c.count);
    }
}

TEST(Archive, TextLengthTakesTheShortestForm)
{
    struct Case
    {
        std::size_t length;
        const char* header; // marker and length
    };
    for (Case c :
         {Case{0, "FF FE FF 00"}, Case{254, "FF FE FF FE"}, Case{255, "FF FE FF FF FF 00"},
          Case{0xFFFD, "FF FE FF FF FD FF"}, Case{0xFFFE, "FF FE FF FF FF FF FE FF 00 00"}}) {
        std::u16string text(c.length, u'x');
        auto bytes = Store([&](CArchive& ar) { ar.WriteText(text); });
        auto header = FromHex(c.header);
        ASSERT_EQ(bytes.size(), header.size() + 2 * c.length) << c.length;
        EXPECT_EQ(ToHex(std::span(bytes).first(header.size())), ToHex(header)) << c.length;
        CArchive ar(LoadFrom, bytes, Registry());
        EXPECT_EQ(ar.ReadText(), text);
        EXPECT_EQ(ar.BytesLeft(), 0u);
    }
    EXPECT_EQ(ToHex(Store([](CArchive& ar) { ar.WriteText(u"abc"); })),
              ToHex(FromHex("FF FE FF 03 61 00 62 00 63 00")));
}

TEST(Archive, EightBitTextReadsLikeItsUtf16Form)
{
    for (const char* hex : {"03 61 62 63", "FF 03 00 61 62 63", "FF FF FF 03 00 00 00 61 62 63",
                            "FF FE FF 03 61 00 62 00 63 00"}) {
        auto bytes = FromHex(hex);
        CArchive ar(LoadFrom, bytes, Registry());
        EXPECT_EQ(ar.ReadText(), u"abc") << hex;
        EXPECT_EQ(ar.BytesLeft(), 0u) << hex;
    }
    auto latin = FromHex("02 E9 80");
    CArchive ar(LoadFrom, latin, Registry());
    EXPECT_EQ(ar.ReadText(), u"\u00e9\u20ac");
}

TEST(Archive, ObjectsGetClassRecordsThenClassReferencesAndBackReferences)
{
    Leaf first, second;
    first.value = 1;
    second.value = 2;
    auto bytes = Store([&](CArchive& ar) {
        ar.WriteObjectRef(&first);  // class record (1), object 2
        ar.WriteObjectRef(&second); // class reference to 1, object 3
        ar.WriteObjectRef(&first);  // back reference to 2
        ar.WriteObjectRef(nullptr);
    });
    EXPECT_EQ(ToHex(bytes), ToHex(FromHex("FF FF 01 00 04 00 4C 65 61 66 01 00 00 00"
                                          "01 80 02 00 00 00"
                                          "02 00"
                                          "00 00")));

    CArchive ar(LoadFrom, bytes, Registry());
    auto a = ar.ReadObjectRef();
    auto b = ar.ReadObjectRef();
    auto again = ar.ReadObjectRef();
    auto none = ar.ReadObjectRef();
    ASSERT_TRUE(a.created && b.created);
    EXPECT_EQ(static_cast<Leaf&>(*a.created).value, 1);
    EXPECT_EQ(static_cast<Leaf&>(*b.created).value, 2);
    EXPECT_EQ(again.earlier, a.created.get());
    EXPECT_FALSE(none.created || none.earlier);
}

TEST(Archive, LargeTableNumbersUseThe7FFFEscape)
{
    // 32 766 leaves take numbers 2..32767; the next class record is number
    // 32768, so its second object needs an escaped class reference.
    std::vector<std::unique_ptr<Leaf>> leaves(32766);
    for (auto& leaf : leaves)
        leaf = std::make_unique<Leaf>();
    Other firstOther, secondOther;
    auto bytes = Store([&](CArchive& ar) {
        for (auto& leaf : leaves)
            ar.WriteObjectRef(leaf.get());
        ar.WriteObjectRef(&firstOther);
        ar.WriteObjectRef(&secondOther);
        ar.WriteObjectRef(leaves.back().get());
        ar.WriteObjectRef(leaves[32764].get());
    });
    auto tail = FromHex("FF 7F 00 80 00 80 00 00 00 00" // class 32768 escaped, payload
                        "FF 7F FF 7F 00 00"             // object 32767 escaped
                        "FE 7F");                       // object 32766 fits a word
    ASSERT_GE(bytes.size(), tail.size());
    EXPECT_EQ(ToHex(std::span(bytes).last(tail.size())), ToHex(tail));

    CArchive ar(LoadFrom, bytes, Registry());
    std::vector<std::unique_ptr<Serializable>> loaded;
    loaded.reserve(32768);
    for (int i = 0; i < 32768; ++i)
        loaded.push_back(ar.ReadObjectRef().created);
    EXPECT_STREQ(loaded.back()->ClassName(), "Other");
    EXPECT_EQ(ar.ReadObjectRef().earlier, loaded[32765].get());
    EXPECT_EQ(ar.ReadObjectRef().earlier, loaded[32764].get());
}

TEST(Archive, ObjectListsRoundTripWithNullSlots)
{
    std::vector<std::unique_ptr<Leaf>> list;
    list.push_back(std::make_unique<Leaf>());
    list.push_back(nullptr);
    list.push_back(std::make_unique<Other>());
    list[0]->value = 7;
    auto bytes = Store([&](CArchive& ar) { ar.SerializeObjectList(list); });
    EXPECT_EQ(ToHex(std::span(bytes).first(2)), "03 00");

    std::vector<std::unique_ptr<Leaf>> loaded;
    CArchive ar(LoadFrom, bytes, Registry());
    ar.SerializeObjectList(loaded);
    ASSERT_EQ(loaded.size(), 3u);
    EXPECT_EQ(loaded[0]->value, 7);
    EXPECT_EQ(loaded[1], nullptr);
    EXPECT_STREQ(loaded[2]->ClassName(), "Other");
}

TEST(Archive, MalformedStreamsFailWithTheirCause)
{
    auto readRef = [](CArchive& ar) { ar.ReadObjectRef(); };
    auto readText = [](CArchive& ar) { ar.ReadText(); };
    auto readLeafList = [](CArchive& ar) {
        std::vector<std::unique_ptr<Leaf>> list;
        ar.SerializeObjectList(list);
    };
    std::string name64(64, 'L');
    std::string name64Hex;
    for (char c : name64)
        name64Hex += test::ToHex(std::vector<std::uint8_t>{std::uint8_t(c)}) + " ";
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::function<void(CArchive&)> read;
        int cause;
    };
    const Case cases[] = {
        {"name of 64 bytes", FromHex("FF FF 01 00 40 00 " + name64Hex), readRef, 6},
        {"unregistered class", FromHex("FF FF 01 00 04 00 4C 65 61 67 00 00 00 00"), readRef, 6},
        {"short class name", FromHex("FF FF 01 00 04 00 4C 65"), readRef, 6},
        {"schema 2", FromHex("FF FF 02 00 04 00 4C 65 61 66 00 00 00 00"), readRef, 7},
        {"object reference to a class record",
         FromHex("FF FF 01 00 04 00 4C 65 61 66 05 00 00 00 01 00"),
         [](CArchive& ar) {
             ar.ReadObjectRef();
             ar.ReadObjectRef();
         },
         5},
        {"object number never handed out", FromHex("05 00"), readRef, 5},
        {"escaped object number beyond the table", FromHex("FF 7F 00 01 00 00"), readRef, 5},
        {"class number 0", FromHex("00 80"), readRef, 5},
        {"class reference to an object", FromHex("FF FF 01 00 04 00 4C 65 61 66 05 00 00 00 02 80"),
         [](CArchive& ar) {
             ar.ReadObjectRef();
             ar.ReadObjectRef();
         },
         5},
        {"shared object in an owned list",
         FromHex("02 00 FF FF 01 00 04 00 4C 65 61 66 05 00 00 00 02 00"), readLeafList, 5},
        {"object of the wrong class in a list",
         FromHex("01 00 FF FF 01 00 04 00 4E 65 73 74 00 00"), readLeafList, 6},
        {"a class read where it belongs, then referred to where another belongs",
         FromHex("01 00 FF FF 01 00 04 00 4C 65 61 66 05 00 00 00 01 00 01 80 05 00 00 00"),
         [&](CArchive& ar) {
             readLeafList(ar);
             std::vector<std::unique_ptr<Nest>> nests;
             ar.SerializeObjectList(nests);
         },
         6},
        {"truncated payload", FromHex("FF FF 01 00 04 00 4C 65 61 66 05 00"), readRef, 3},
        {"truncated tag", FromHex("FF"), readRef, 3},
        {"text longer than the stream", FromHex("FF FE FF 05 61 00"), readText, 3},
        {"huge text length", FromHex("FF FE FF FF FF FF FF FF FF 7F"), readText, 3},
        {"64-bit text length", FromHex("FF FE FF FF FF FF FF FF FF FF 00 00 00 80 00 00 00 00"),
         readText, 1},
        {"count prefix beyond the stream", FromHex("FF FF FF FF FF 0F 00 00"), readLeafList, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadCause(c.bytes, c.read), c.cause) << c.what;
}

TEST(Archive, WrongDirectionFails)
{
    std::vector<std::uint8_t> sink;
    CArchive storing(StoreTo, sink, Registry());
    EXPECT_EQ(LoadCause({}, [](CArchive& ar) { ar.WriteInt32(1); }), 2);
    try {
        storing.ReadInt32();
        FAIL() << "read on a storing archive";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.Cause(), ArchiveCause::ReadOnStoring);
    }
}

TEST(Archive, NestingBeyondTheLimitFailsInsteadOfExhaustingTheStack)
{
    // Nest records: the first carries the class record, the rest refer to it.
    auto nested = [](int depth) {
        auto bytes = FromHex("FF FF 01 00 04 00 4E 65 73 74");
        for (int i = 1; i < depth; ++i) {
            bytes.push_back(0x01);
            bytes.push_back(0x80);
        }
        bytes.push_back(0);
        bytes.push_back(0);
        return bytes;
    };
    auto read = [](CArchive& ar) { ar.ReadOwnedObject<Nest>(); };
    EXPECT_EQ(LoadCause(nested(CArchive::kMaxObjectDepth), read), 0);
    EXPECT_EQ(LoadCause(nested(CArchive::kMaxObjectDepth + 1), read), 5);
    EXPECT_EQ(LoadCause(nested(200000), read), 5);
}

TEST(Archive, MessagesNameTheFile)
{
    EXPECT_EQ(CArchiveException(ArchiveCause::EndOfFile, u"a.lgc").Message(),
              u"Attempted to access a.lgc past its end.");
    struct Case
    {
        ArchiveCause cause;
        const char16_t* text;
    };
    for (Case c :
         {Case{ArchiveCause::Generic,
               u"An unknown error occurred while accessing an unnamed file."},
          Case{ArchiveCause::WriteOnLoading, u"Attempted to write to the reading an unnamed file."},
          Case{ArchiveCause::EndOfFile, u"Attempted to access an unnamed file past its end."},
          Case{ArchiveCause::ReadOnStoring, u"Attempted to read from the writing an unnamed file."},
          Case{ArchiveCause::BadIndex, u"an unnamed file has a bad format."},
          Case{ArchiveCause::BadClass, u"an unnamed file contained an unexpected object."},
          Case{ArchiveCause::BadSchema, u"an unnamed file contains an incorrect schema."}})
        EXPECT_EQ(CArchiveException(c.cause, u"").Message(), c.text);
}

} // namespace
} // namespace vantrel
