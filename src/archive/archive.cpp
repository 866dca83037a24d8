#include "archive/archive.h"

#include "archive/text_codec.h"

#include <bit>
#include <cstring>

namespace vantrel {

namespace {

constexpr std::uint16_t kNullTag = 0x0000;
constexpr std::uint16_t kEscapeTag = 0x7FFF;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint32_t kClassBit = 0x80000000u;
constexpr std::uint32_t kMaxMapCount = 0x3FFFFFFE;
constexpr std::size_t kMaxClassNameLength = 64;

static_assert(std::endian::native == std::endian::little,
              "the archive copies little-endian values as they stand in memory");

} // namespace

CArchive::CArchive(StoreToTag, std::vector<std::uint8_t>& sink, const ClassRegistry& registry,
                   std::u16string fileName)
    : loading_(false), registry_(registry), fileName_(std::move(fileName)), sink_(&sink)
{}

CArchive::CArchive(LoadFromTag, std::span<const std::uint8_t> source, const ClassRegistry& registry,
                   std::u16string fileName)
    : loading_(true), registry_(registry), fileName_(std::move(fileName)), source_(source)
{}

void CArchive::Fail(ArchiveCause cause) const
{
    throw CArchiveException(cause, fileName_);
}

void CArchive::RequireStoring() const
{
    if (loading_)
        Fail(ArchiveCause::WriteOnLoading);
}

void CArchive::RequireLoading() const
{
    if (!loading_)
        Fail(ArchiveCause::ReadOnStoring);
}

void CArchive::Append(const void* data, std::size_t size)
{
    RequireStoring();
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    sink_->insert(sink_->end(), bytes, bytes + size);
}

void CArchive::TakeExact(void* data, std::size_t size)
{
    RequireLoading();
    if (size > BytesLeft())
        Fail(ArchiveCause::EndOfFile);
    std::memcpy(data, source_.data() + readPos_, size);
    readPos_ += size;
}

std::size_t CArchive::BytesLeft() const
{
    return loading_ ? source_.size() - readPos_ : 0;
}

template <class T> T CArchive::Take()
{
    T value;
    // A copy of a size known here is a plain load; every value of a design
    // is read this way, so the checks are inline and TakeExact only fails.
    if (loading_ && sizeof value <= source_.size() - readPos_) {
        std::memcpy(&value, source_.data() + readPos_, sizeof value);
        readPos_ += sizeof value;
    } else {
        TakeExact(&value, sizeof value);
    }
    return value;
}

void CArchive::WriteByte(std::uint8_t value)
{
    Append(&value, 1);
}
void CArchive::WriteWord(std::uint16_t value)
{
    Append(&value, 2);
}
void CArchive::WriteInt32(std::int32_t value)
{
    Append(&value, 4);
}
void CArchive::WriteUInt32(std::uint32_t value)
{
    Append(&value, 4);
}
void CArchive::WriteFloat(float value)
{
    Append(&value, 4);
}
void CArchive::WriteBytes(std::span<const std::uint8_t> bytes)
{
    Append(bytes.data(), bytes.size());
}

std::uint8_t CArchive::ReadByte()
{
    return Take<std::uint8_t>();
}
std::uint16_t CArchive::ReadWord()
{
    return Take<std::uint16_t>();
}
std::int32_t CArchive::ReadInt32()
{
    return Take<std::int32_t>();
}
std::uint32_t CArchive::ReadUInt32()
{
    return Take<std::uint32_t>();
}
float CArchive::ReadFloat()
{
    return Take<float>();
}

std::size_t CArchive::ReadBytes(std::span<std::uint8_t> out)
{
    RequireLoading();
    std::size_t count = std::min(out.size(), BytesLeft());
    std::memcpy(out.data(), source_.data() + readPos_, count);
    readPos_ += count;
    return count;
}

std::vector<std::uint8_t> CArchive::ReadByteBlock(std::size_t count)
{
    RequireLoading();
    if (count > BytesLeft())
        Fail(ArchiveCause::EndOfFile);
    const std::span<const std::uint8_t> bytes = source_.subspan(readPos_, count);
    readPos_ += count;
    return {bytes.begin(), bytes.end()};
}

template <class T> void CArchive::ExchangePlain(T& value)
{
    if (loading_)
        value = Take<T>();
    else
        Append(&value, sizeof value);
}

void CArchive::Exchange(std::int32_t& value)
{
    ExchangePlain(value);
}

void CArchive::Exchange(std::uint32_t& value)
{
    ExchangePlain(value);
}

void CArchive::Exchange(float& value)
{
    ExchangePlain(value);
}

void CArchive::Exchange(std::u16string& text)
{
    if (loading_)
        text = ReadText();
    else
        WriteText(text);
}

void CArchive::Skip(std::uint64_t count)
{
    RequireLoading();
    if (count > BytesLeft())
        Fail(ArchiveCause::EndOfFile);
    readPos_ += std::size_t(count);
}

void CArchive::WriteCountPrefix(std::size_t count)
{
    if (count < 0xFFFF) {
        WriteWord(std::uint16_t(count));
    } else {
        WriteWord(0xFFFF);
        WriteUInt32(std::uint32_t(count));
    }
}

std::size_t CArchive::ReadCountPrefix()
{
    std::uint16_t word = ReadWord();
    return word != 0xFFFF ? word : ReadUInt32();
}

void CArchive::WriteText(std::u16string_view text)
{
    // The Unicode marker, then the length in code units in the shortest form.
    WriteByte(0xFF);
    WriteWord(0xFFFE);
    std::size_t length = text.size();
    if (length < 0xFF) {
        WriteByte(std::uint8_t(length));
    } else {
        WriteByte(0xFF);
        if (length < 0xFFFE) {
            WriteWord(std::uint16_t(length));
        } else {
            WriteWord(0xFFFF);
            WriteUInt32(std::uint32_t(length));
        }
    }
    for (char16_t unit : text)
        WriteWord(unit);
}

std::size_t CArchive::ReadTextLength(bool& wide)
{
    wide = false;
    std::uint8_t first = ReadByte();
    if (first < 0xFF)
        return first;
    std::uint16_t word = ReadWord();
    if (word == 0xFFFE) {
        wide = true;
        std::uint8_t second = ReadByte();
        if (second < 0xFF)
            return second;
        word = ReadWord();
    }
    if (word < 0xFFFF)
        return word;
    std::uint32_t dword = ReadUInt32();
    if (dword < 0xFFFFFFFFu)
        return dword;
    auto qword = std::uint64_t(ReadUInt32());
    qword |= std::uint64_t(ReadUInt32()) << 32;
    if (qword > 0x7FFFFFFFu)
        Fail(ArchiveCause::Generic);
    return std::size_t(qword);
}

std::u16string CArchive::ReadText()
{
    bool wide = false;
    std::size_t length = ReadTextLength(wide);
    const std::size_t unitSize = wide ? 2 : 1;
    if (length > BytesLeft() / unitSize)
        Fail(ArchiveCause::EndOfFile);
    std::span<const std::uint8_t> bytes = source_.subspan(readPos_, length * unitSize);
    readPos_ += bytes.size();
    if (!wide)
        return FromCodePage(bytes);
    std::u16string text(length, u'\0');
    std::memcpy(text.data(), bytes.data(), bytes.size());
    return text;
}

std::uint32_t CArchive::TakeNumber()
{
    if (mapCount_ >= kMaxMapCount)
        Fail(ArchiveCause::BadIndex);
    return mapCount_++;
}

void CArchive::WriteNumberTag(std::uint32_t number, bool isClass)
{
    if (number < kEscapeTag) {
        WriteWord(std::uint16_t(isClass ? (0x8000 | number) : number));
    } else {
        WriteWord(kEscapeTag);
        WriteUInt32(isClass ? (kClassBit | number) : number);
    }
}

void CArchive::WriteObjectRef(const Serializable* object)
{
    RequireStoring();
    if (!object) {
        WriteWord(kNullTag);
        return;
    }
    if (auto known = storedObjects_.Find(object)) {
        WriteNumberTag(*known, false);
        return;
    }
    // Each class's name is one string, so its address finds the class
    // number without hashing the text; the name itself stays the authority
    // for a name that should come at two addresses.
    const char* className = object->ClassName();
    if (auto known = storedClassNames_.Find(className)) {
        WriteNumberTag(*known, true);
    } else if (const ClassEntry* entry = registry_.Find(className); !entry) {
        Fail(ArchiveCause::BadClass);
    } else if (auto named = storedClasses_.find(entry->name); named != storedClasses_.end()) {
        WriteNumberTag(named->second, true);
        storedClassNames_.Add(className, named->second);
    } else {
        WriteWord(kNewClassTag);
        WriteWord(entry->schema);
        WriteWord(std::uint16_t(entry->name.size()));
        WriteBytes({reinterpret_cast<const std::uint8_t*>(entry->name.data()), entry->name.size()});
        const std::uint32_t number = TakeNumber();
        storedClasses_.emplace(entry->name, number);
        storedClassNames_.Add(className, number);
    }
    storedObjects_.Add(object, TakeNumber());
    const_cast<Serializable*>(object)->Serialize(*this);
}

const ClassEntry& CArchive::ReadClassRecord()
{
    std::uint16_t schema = ReadWord();
    std::uint16_t nameLength = ReadWord();
    if (nameLength >= kMaxClassNameLength)
        Fail(ArchiveCause::BadClass);
    char name[kMaxClassNameLength];
    if (ReadBytes({reinterpret_cast<std::uint8_t*>(name), nameLength}) != nameLength)
        Fail(ArchiveCause::BadClass);
    const ClassEntry* entry = registry_.Find(std::string_view(name, nameLength));
    if (!entry)
        Fail(ArchiveCause::BadClass);
    if (entry->schema != schema)
        Fail(ArchiveCause::BadSchema);
    loadTable_.push_back({EntryKind::Class, entry, nullptr});
    TakeNumber();
    return *entry;
}

const ClassEntry& CArchive::ClassOfNumber(std::uint32_t number) const
{
    if (number == 0 || number >= loadTable_.size() || loadTable_[number].kind != EntryKind::Class)
        Fail(ArchiveCause::BadIndex);
    return *loadTable_[number].classEntry;
}

CArchive::LoadedRef CArchive::CreateObject(const ClassEntry& entry)
{
    // A class known by name but not built into this program cannot be read.
    if (!entry.factory)
        Fail(ArchiveCause::BadClass);
    if (depth_ >= kMaxObjectDepth)
        Fail(ArchiveCause::BadIndex);
    std::unique_ptr<Serializable> object = entry.factory();
    TakeNumber();
    loadTable_.push_back({EntryKind::Object, nullptr, object.get()});
    ++depth_;
    try {
        object->Serialize(*this);
    } catch (...) {
        --depth_;
        loadTable_.back().object = nullptr; // the object dies with this exception
        throw;
    }
    --depth_;
    return {std::move(object), nullptr, &entry};
}

std::vector<CArchive::Verdict>& CArchive::KindVerdicts(const std::type_info& wanted)
{
    for (auto& [type, verdicts] : verdicts_)
        if (*type == wanted)
            return verdicts;
    verdicts_.emplace_back(&wanted, std::vector<Verdict>(registry_.Entries().size()));
    return verdicts_.back().second;
}

CArchive::Verdict& CArchive::VerdictOf(std::vector<Verdict>& verdicts, const ClassEntry* entry)
{
    const std::vector<ClassEntry>& entries = registry_.Entries();
    if (entry && !entries.empty() && entry >= entries.data() &&
        entry < entries.data() + entries.size())
        return verdicts[std::size_t(entry - entries.data())];
    // Not one of the registry's own entries: nothing to remember it by.
    unplacedVerdict_ = Verdict::Unknown;
    return unplacedVerdict_;
}

CArchive::LoadedRef CArchive::ReadObjectRef()
{
    RequireLoading();
    std::uint16_t tag = ReadWord();
    std::uint32_t value = tag == kEscapeTag
                              ? ReadUInt32()
                              : (std::uint32_t(tag & 0x8000) << 16) | std::uint32_t(tag & 0x7FFF);
    if ((value & kClassBit) == 0) {
        if (value >= loadTable_.size() || loadTable_[value].kind == EntryKind::Class)
            Fail(ArchiveCause::BadIndex);
        return {nullptr, loadTable_[value].object};
    }
    if (tag == kNewClassTag)
        return CreateObject(ReadClassRecord());
    return CreateObject(ClassOfNumber(value & ~kClassBit));
}

} // namespace vantrel
