#pragma once

#include "archive/address_numbers.h"
#include "archive/archive_exception.h"
#include "archive/class_registry.h"
#include "archive/serializable.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vantrel {

struct StoreToTag
{};
struct LoadFromTag
{};
// Tags that make the direction of an archive explicit where it is created.
inline constexpr StoreToTag StoreTo{};
inline constexpr LoadFromTag LoadFrom{};

// The object archive: a sequential little-endian stream that either stores
// into a growing memory block or loads from a block of bytes, never both.
// It carries plain values, counted lists, UTF-16 text and polymorphic object
// references with class records. Loading trusts nothing: every length is
// checked against the bytes left before anything of that size is allocated,
// and nesting is bounded.
class CArchive
{
public:
    // Objects nested deeper than this fail the load instead of exhausting the stack.
    static constexpr int kMaxObjectDepth = 1000;
    // The newest element version; also the one assumed before the first
    // element base part of a stream has been read.
    static constexpr std::int32_t kCurrentElementVersion = 11;

    // Storing: appends to `sink`.
    CArchive(StoreToTag, std::vector<std::uint8_t>& sink, const ClassRegistry& registry,
             std::u16string fileName = {});
    // Loading: reads from `source`, which must outlive the archive.
    CArchive(LoadFromTag, std::span<const std::uint8_t> source, const ClassRegistry& registry,
             std::u16string fileName = {});

    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsLoading() const { return loading_; }
    bool IsStoring() const { return !loading_; }
    const std::u16string& FileName() const { return fileName_; }
    [[noreturn]] void Fail(ArchiveCause cause) const;

    void WriteByte(std::uint8_t value);
    void WriteFlag(bool value) { WriteByte(value ? 1 : 0); }
    void WriteWord(std::uint16_t value);
    void WriteInt32(std::int32_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteFloat(float value);
    void WriteBytes(std::span<const std::uint8_t> bytes);

    std::uint8_t ReadByte();
    bool ReadFlag() { return ReadByte() != 0; }
    std::uint16_t ReadWord();
    std::int32_t ReadInt32();
    std::uint32_t ReadUInt32();
    float ReadFloat();
    // Reads up to out.size() bytes; fewer only at the end of the stream.
    std::size_t ReadBytes(std::span<std::uint8_t> out);
    // Reads exactly `count` bytes or fails with cause 3 (nothing is allocated
    // before the length has been checked against the bytes left).
    std::vector<std::uint8_t> ReadByteBlock(std::size_t count);
    std::size_t BytesLeft() const;
    // Passes over `count` bytes, failing with cause 3 when fewer are left.
    void Skip(std::uint64_t count);

    // Writes the value when storing, reads it into `value` when loading: for
    // payloads whose stored form is the same in both directions.
    void Exchange(std::int32_t& value);
    void Exchange(std::uint32_t& value);
    void Exchange(float& value);
    void Exchange(std::u16string& text);

    void WriteCountPrefix(std::size_t count);
    std::size_t ReadCountPrefix();

    void WriteText(std::u16string_view text);
    std::u16string ReadText();

    void WriteObjectRef(const Serializable* object);

    // What an object reference loaded: a new object (owned by the caller), an
    // object loaded earlier in this archive, or nothing (null reference).
    struct LoadedRef
    {
        std::unique_ptr<Serializable> created;
        Serializable* earlier = nullptr;
        // The registry's entry of the class a new object was made by.
        const ClassEntry* entry = nullptr;
    };
    LoadedRef ReadObjectRef();

    // Loads a reference that must be a new object of class T (or null). An
    // object of another class fails with cause 6; a reference to an object
    // loaded before fails with cause 5, since every object of a design has
    // exactly one owner.
    template <class T> std::unique_ptr<T> ReadOwnedObject()
    {
        return ReadOwned<T>(KindVerdicts(typeid(T)));
    }

    // An owned list: the count prefix, then one object reference per slot.
    template <class T> void WriteObjectList(const std::vector<std::unique_ptr<T>>& list)
    {
        WriteCountPrefix(list.size());
        for (const auto& object : list)
            WriteObjectRef(object.get());
    }
    template <class T> void SerializeObjectList(std::vector<std::unique_ptr<T>>& list)
    {
        if (IsStoring()) {
            WriteObjectList(list);
            return;
        }
        std::size_t count = ReadCountPrefix();
        if (count > BytesLeft() / 2) // every slot takes at least a two-byte tag
            Fail(ArchiveCause::EndOfFile);
        list.resize(count);
        loadTable_.reserve(loadTable_.size() + count);
        std::vector<Verdict>& verdicts = KindVerdicts(typeid(T));
        for (auto& slot : list)
            slot = ReadOwned<T>(verdicts);
    }

    // The element version read most recently from an element base part of
    // this stream; payloads without a base part of their own depend on it.
    std::int32_t ElementVersion() const { return elementVersion_; }
    void SetElementVersion(std::int32_t version) { elementVersion_ = version; }

private:
    // Whether the objects a registered class makes are of a wanted class:
    // asked of the first object of each class by a dynamic_cast, which costs
    // a walk of the class hierarchy, and remembered for the rest, since one
    // factory makes objects of one class.
    enum class Verdict : std::uint8_t
    {
        Unknown,
        IsA,
        IsNot,
    };
    // The verdicts for the wanted class, by registry entry.
    std::vector<Verdict>& KindVerdicts(const std::type_info& wanted);
    Verdict& VerdictOf(std::vector<Verdict>& verdicts, const ClassEntry* entry);

    template <class T> std::unique_ptr<T> ReadOwned(std::vector<Verdict>& verdicts)
    {
        LoadedRef ref = ReadObjectRef();
        if (ref.earlier)
            Fail(ArchiveCause::BadIndex);
        if (!ref.created)
            return nullptr;
        Verdict& verdict = VerdictOf(verdicts, ref.entry);
        if (verdict == Verdict::Unknown)
            verdict = dynamic_cast<T*>(ref.created.get()) ? Verdict::IsA : Verdict::IsNot;
        if (verdict == Verdict::IsNot)
            Fail(ArchiveCause::BadClass);
        return std::unique_ptr<T>(static_cast<T*>(ref.created.release()));
    }

    enum class EntryKind
    {
        Class,
        Object,
    };
    struct LoadEntry
    {
        EntryKind kind = EntryKind::Object;
        const ClassEntry* classEntry = nullptr;
        Serializable* object = nullptr;
    };

    void RequireStoring() const;
    void RequireLoading() const;
    template <class T> void ExchangePlain(T& value);
    void Append(const void* data, std::size_t size);
    void TakeExact(void* data, std::size_t size);
    template <class T> T Take();
    std::uint32_t TakeNumber();
    void WriteNumberTag(std::uint32_t number, bool isClass);
    const ClassEntry& ReadClassRecord();
    const ClassEntry& ClassOfNumber(std::uint32_t number) const;
    LoadedRef CreateObject(const ClassEntry& entry);
    std::size_t ReadTextLength(bool& wide);

    bool loading_;
    const ClassRegistry& registry_;
    std::u16string fileName_;
    std::vector<std::uint8_t>* sink_ = nullptr;
    std::span<const std::uint8_t> source_;
    std::size_t readPos_ = 0;
    std::uint32_t mapCount_ = 1;
    AddressNumbers storedObjects_;
    std::unordered_map<std::string_view, std::uint32_t> storedClasses_;
    AddressNumbers storedClassNames_;
    std::vector<LoadEntry> loadTable_{LoadEntry{}};
    // A deque: a list being read holds on to its verdicts while the objects
    // in it may read other kinds.
    std::deque<std::pair<const std::type_info*, std::vector<Verdict>>> verdicts_;
    // Where a class's entry has no place in the registry's table.
    Verdict unplacedVerdict_ = Verdict::Unknown;
    int depth_ = 0;
    std::int32_t elementVersion_ = kCurrentElementVersion;
};

} // namespace vantrel
