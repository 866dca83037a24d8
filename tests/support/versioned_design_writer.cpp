#include "support/versioned_design_writer.h"

#include "support/archive_bytes.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace vantrel::test {

namespace {

// List kinds, in the numbering of the design.
enum : int
{
    kMain = 0,
    kIndirect = 1,
    kRegister = 2,
    kAccumulator = 3,
    kNoOp = 4,
    kConstant = 5,
    kTimer = 6,
    kComment = 7,
};

// The design version from which each list is stored (comments have their
// own list from 18 on and sit in the main list before).
constexpr std::int32_t kFirstVersionOfList[kStoredListCount] = {0, 4, 6, 6, 8, 6, 17, 0};

// Writes the object archive of one design file: plain values through
// ArchiveBytes, object references with the table numbering of the archive.
class DesignFileWriter
{
public:
    DesignFileWriter(std::int32_t version, PayloadVersions payload)
        : version_(version), payload_(payload)
    {}

    std::vector<std::uint8_t> Write(const StoredDesign& design)
    {
        Header(design);
        Body(design);
        return out_.Bytes();
    }

private:
    bool Since(std::int32_t first) const { return version_ >= first; }

    void Header(const StoredDesign& design)
    {
        out_.I32(version_).I32(design.numInputs).I32(design.numOutputs).I32(design.nextElementId);
        if (Since(2))
            out_.I32(std::int32_t(design.backgroundColour));
        if (Since(7) && version_ <= 14)
            out_.I32(-1).I32(0x2A); // meant something once; readers skip them
        if (Since(9))
            out_.I32(design.speed);
        if (Since(16))
            out_.I32(design.designStamp);
    }

    void Body(const StoredDesign& design)
    {
        const auto& lists = design.lists;
        List(design.paint, &DesignFileWriter::Paint);
        List(Since(18) ? lists[kMain] : WithComments(lists[kMain], lists[kComment]),
             &DesignFileWriter::Element);
        if (Since(3))
            List(design.commands, &DesignFileWriter::Command);
        if (Since(4))
            List(lists[kIndirect], &DesignFileWriter::Element);
        if (Since(5) && version_ <= 9)
            RawBackground(design.legacyBackground);
        if (Since(6)) {
            for (int list : {kRegister, kAccumulator, kConstant})
                List(lists[list], &DesignFileWriter::Element);
        }
        if (Since(8))
            List(lists[kNoOp], &DesignFileWriter::Element);
        if (Since(17))
            List(lists[kTimer], &DesignFileWriter::Element);
        if (Since(12))
            List(design.simulation, &DesignFileWriter::Simulation);
        if (Since(14))
            RemoteBlock(design);
        if (Since(18))
            List(lists[kComment], &DesignFileWriter::Element);
        if (Since(19)) {
            out_.I32(0).I32(std::int32_t(design.pages.size()));
            for (const auto& page : design.pages)
                EncodedImage(page);
        } else if (Since(10)) {
            EncodedImage(design.pages.at(0));
        }
    }

    // The main list of a version before 18: comments among the other
    // elements, last comment first, because readers move them out walking
    // from the end.
    static std::vector<StoredElement> WithComments(const std::vector<StoredElement>& main,
                                                   const std::vector<StoredElement>& comments)
    {
        std::vector<StoredElement> mixed;
        auto comment = comments.rbegin();
        const std::size_t stride = main.size() / (comments.size() + 1) + 1;
        for (std::size_t i = 0; i < main.size(); ++i) {
            if (i % stride == 0 && comment != comments.rend())
                mixed.push_back(*comment++);
            mixed.push_back(main[i]);
        }
        mixed.insert(mixed.end(), comment, comments.rend());
        return mixed;
    }

    template <class Item>
    void List(const std::vector<Item>& items, void (DesignFileWriter::*write)(const Item&))
    {
        CountPrefix(items.size());
        for (const Item& item : items)
            (this->*write)(item);
    }

    void CountPrefix(std::size_t count)
    {
        if (count < 0xFFFF)
            out_.Word(std::uint16_t(count));
        else
            out_.Word(0xFFFF).I32(std::int32_t(count));
    }

    // A new object of the class: its class record the first time, a
    // reference to the record afterwards; the object takes the next number.
    void NewObject(const std::string& className)
    {
        const auto known = classNumbers_.find(className);
        if (known == classNumbers_.end()) {
            out_.NewClass(className);
            classNumbers_[className] = nextNumber_++;
        } else {
            out_.ClassRef(std::uint16_t(known->second));
        }
        ++nextNumber_;
    }

    void Element(const StoredElement& element)
    {
        NewObject(element.className);
        if (element.basePart) {
            out_.Base(payload_.element, element.x, element.y, element.id);
            BaseInputs(element.inputs);
        } else {
            out_.I32(element.x).I32(element.y).I32(element.id);
        }
        for (const StoredValue& value : element.payload)
            std::visit([&](const auto& v) { Value(v, element); }, value);
    }

    // Before element version 10 every base part holds two input slots.
    void BaseInputs(const std::vector<std::int32_t>& inputs)
    {
        if (payload_.element >= 10) {
            for (std::int32_t input : inputs)
                out_.I32(input);
            return;
        }
        if (inputs.size() > 2)
            throw std::invalid_argument("an old base part holds two input slots");
        for (std::size_t slot = 0; slot < 2; ++slot)
            out_.I32(slot < inputs.size() ? inputs[slot] : 0);
    }

    void Value(std::int32_t value, const StoredElement&) { out_.I32(value); }
    void Value(const std::u16string& text, const StoredElement&) { Text(text); }
    void Value(Flag flag, const StoredElement&) { out_.Byte(flag.value ? 1 : 0); }
    void Value(const IdArray& array, const StoredElement&)
    {
        CountPrefix(array.ids.size());
        for (std::int32_t id : array.ids)
            out_.I32(id);
    }
    void Value(Restricted restricted, const StoredElement&)
    {
        if (payload_.element >= 11)
            out_.I32(restricted.value);
    }
    void Value(InputSlots, const StoredElement& element)
    {
        for (std::int32_t input : element.inputs)
            out_.I32(input);
    }

    void Text(const std::u16string& text)
    {
        if (text.size() >= 0xFF)
            throw std::invalid_argument("texts of the corpus have a one-byte length");
        if (payload_.wideText) {
            out_.Text(text);
            return;
        }
        out_.Byte(std::uint8_t(text.size()));
        for (char16_t unit : text)
            out_.Byte(CodePageByte(unit));
    }

    // The Windows-1252 byte of the few characters the corpus uses beyond ASCII.
    static std::uint8_t CodePageByte(char16_t unit)
    {
        if (unit == u'\u20AC')
            return 0x80;
        if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
            return std::uint8_t(unit);
        throw std::invalid_argument("a character the corpus does not write in 8 bits");
    }

    void Paint(const StoredPaint& paint)
    {
        const std::int32_t v = payload_.paint;
        NewObject(paint.className);
        out_.I32(v).I32(paint.commandId).I32(paint.activeId).I32(paint.commandNum);
        out_.I32(paint.activeNum).I32(std::int32_t(paint.normalColor));
        out_.I32(std::int32_t(paint.activeColor)).I32(paint.hasCommand).I32(paint.hasActive);
        out_.I32(paint.width);
        if (v >= 2)
            out_.I32(paint.style);
        if (v >= 3)
            out_.I32(std::int32_t(paint.active2Color)).I32(paint.hasActive2).I32(paint.active2Num);
        if (v >= 4)
            out_.I32(paint.active2Id);
        if (v >= 5) {
            out_.I32(paint.progressId).I32(std::int32_t(paint.progressColor));
            out_.I32(paint.progressMax).I32(paint.hasProgress);
        }
        if (v >= 6)
            out_.I32(paint.activeNeg).I32(paint.active2Neg);
        if (v >= 7)
            out_.I32(paint.pageIndex);
        for (float coordinate : paint.fromTo)
            out_.Float(coordinate);
        if (paint.className == "Curve") {
            CountPrefix(paint.points.size());
            for (const auto& [x, y] : paint.points) {
                NewObject("FPoint");
                out_.Float(x).Float(y);
            }
        }
        if (paint.text && v >= 3)
            Text(*paint.text);
        if (paint.fill) {
            out_.I32(std::int32_t((*paint.fill)[0])).I32(std::int32_t((*paint.fill)[1]));
            if (v >= 3)
                out_.I32(std::int32_t((*paint.fill)[2]));
        }
    }

    void Command(const StoredCommand& command)
    {
        NewObject("ComplexCommand");
        out_.I32(1);
        Text(command.name);
        out_.I32(std::int32_t(command.settings.size()));
        for (const auto& [id, on] : command.settings)
            out_.I32(id).Byte(on ? 1 : 0);
    }

    void Simulation(const StoredSimElement& element)
    {
        NewObject("SimElement");
        out_.I32(0).I32(std::int32_t(element.inputs.size()));
        out_.I32(std::int32_t(element.outputs.size())).I32(element.type);
        Text(element.name);
        for (const auto* slots : {&element.inputs, &element.outputs})
            for (std::int32_t slot : *slots)
                out_.I32(slot);
    }

    void RemoteBlock(const StoredDesign& design)
    {
        const std::int32_t v = payload_.remoteBlock;
        out_.I32(v).I32(std::int32_t(design.remoteModules.size()));
        for (const StoredRemoteModule& module : design.remoteModules) {
            out_.I32(module.inputBits).I32(module.outputBits);
            if (v >= 4)
                out_.I32(module.port);
            if (v >= 7)
                out_.I32(module.baud).Byte(module.legacyCommands ? 1 : 0);
        }
        if (v < 2)
            return;
        out_.I32(std::int32_t(design.customModules.size()));
        for (const StoredCustomModule& module : design.customModules) {
            out_.Byte(module.registerCount).Byte(module.modbusAddress);
            out_.Byte(module.registerType).Byte(module.modbusCommand);
            if (v >= 3)
                out_.Word(module.registerAddress);
            if (v >= 4)
                out_.I32(module.port);
            if (v >= 5)
                out_.I32(module.baud);
            if (v >= 6)
                out_.Byte(module.stopBits);
        }
    }

    void RawBackground(const LegacyBackground& background)
    {
        out_.I32(0).I32(background.width).I32(background.height);
        for (std::uint8_t byte : background.rgb)
            out_.Byte(byte);
    }

    void EncodedImage(const std::vector<std::uint8_t>& bytes)
    {
        out_.I32(std::int32_t(bytes.size()));
        for (std::uint8_t byte : bytes)
            out_.Byte(byte);
    }

    std::int32_t version_;
    PayloadVersions payload_;
    ArchiveBytes out_;
    std::map<std::string, int> classNumbers_;
    int nextNumber_ = 1;
};

void RequireStorable(const StoredDesign& design, std::int32_t version)
{
    auto require = [](bool storable, const char* what) {
        if (!storable)
            throw std::invalid_argument(std::string("the version cannot store ") + what);
    };
    for (int list = 0; list < kStoredListCount; ++list)
        require(version >= kFirstVersionOfList[list] || design.lists[list].empty(), "a list");
    require(version >= 3 || design.commands.empty(), "complex commands");
    require(version >= 12 || design.simulation.empty(), "simulation elements");
    require(version >= 14 || (design.remoteModules.empty() && design.customModules.empty()),
            "remote modules");
    require(version >= 19 || design.pages.size() == 1, "more than one page");
}

void ClearUnstoredPaintFields(StoredPaint& paint, std::int32_t v)
{
    const StoredPaint fresh;
    if (v < 2)
        paint.style = fresh.style;
    if (v < 3) {
        paint.active2Color = fresh.active2Color;
        paint.hasActive2 = fresh.hasActive2;
        paint.active2Num = fresh.active2Num;
        if (paint.fill)
            (*paint.fill)[2] = 0x00FF00; // the default state-2 fill
        if (paint.text)
            paint.text->clear();
    }
    if (v < 4)
        paint.active2Id = fresh.active2Id;
    if (v < 5) {
        paint.progressId = fresh.progressId;
        paint.progressColor = fresh.progressColor;
        paint.progressMax = fresh.progressMax;
        paint.hasProgress = fresh.hasProgress;
    }
    if (v < 6) {
        paint.activeNeg = fresh.activeNeg;
        paint.active2Neg = fresh.active2Neg;
    }
    if (v < 7)
        paint.pageIndex = fresh.pageIndex;
}

void ClearUnstoredRemoteFields(StoredDesign& design, std::int32_t v)
{
    const StoredRemoteModule freshModule;
    for (StoredRemoteModule& module : design.remoteModules) {
        if (v < 4)
            module.port = freshModule.port;
        if (v < 7) {
            module.baud = freshModule.baud;
            module.legacyCommands = freshModule.legacyCommands;
        }
    }
    if (v < 2)
        design.customModules.clear();
    const StoredCustomModule freshCustom;
    for (StoredCustomModule& module : design.customModules) {
        if (v < 3)
            module.registerAddress = freshCustom.registerAddress;
        if (v < 4)
            module.port = freshCustom.port;
        if (v < 5)
            module.baud = freshCustom.baud;
        if (v < 6)
            module.stopBits = freshCustom.stopBits;
    }
}

void ClearRestrictedFlags(StoredDesign& design)
{
    for (auto& list : design.lists)
        for (StoredElement& element : list)
            for (StoredValue& value : element.payload)
                if (auto* restricted = std::get_if<Restricted>(&value))
                    restricted->value = 0;
}

void KeepLastSettingPerId(StoredCommand& command)
{
    std::map<std::int32_t, bool> settings;
    for (const auto& [id, on] : command.settings)
        settings[id] = on;
    command.settings.assign(settings.begin(), settings.end());
}

} // namespace

PayloadVersions PayloadVersionsOf(std::int32_t designVersion)
{
    constexpr std::int32_t kPaintVersions[] = {1, 2, 2, 3, 3, 3, 4, 4, 4, 5,
                                               5, 5, 6, 6, 7, 7, 7, 8, 8, 8};
    constexpr std::int32_t kRemoteBlockVersions[] = {1, 2, 4, 5, 6, 7}; // 14 to 19
    if (designVersion > 19)
        return {12, 9, 8, true};
    PayloadVersions versions;
    versions.wideText = designVersion > 5;
    versions.element = designVersion <= 9 ? 9 : designVersion <= 15 ? 10 : 11;
    versions.paint = kPaintVersions[std::max(designVersion, 0)];
    versions.remoteBlock = kRemoteBlockVersions[std::clamp(designVersion, 14, 19) - 14];
    return versions;
}

std::vector<std::uint8_t> WriteDesignFile(const StoredDesign& design, std::int32_t version)
{
    RequireStorable(design, version);
    return DesignFileWriter(version, PayloadVersionsOf(version)).Write(design);
}

StoredDesign AsLoaded(StoredDesign design, std::int32_t version)
{
    const PayloadVersions payload = PayloadVersionsOf(version);
    const StoredDesign fresh;
    if (version < 2)
        design.backgroundColour = fresh.backgroundColour;
    if (version < 9)
        design.speed = fresh.speed;
    if (payload.element < 11)
        ClearRestrictedFlags(design);
    if (version < 13)
        std::erase_if(design.paint, [](const StoredPaint& p) { return p.className == "Curve"; });
    if (version <= 10)
        for (StoredElement& element : design.lists[kNoOp])
            element.className = "NoOp";
    for (StoredPaint& paint : design.paint)
        ClearUnstoredPaintFields(paint, payload.paint);
    for (StoredCommand& command : design.commands)
        KeepLastSettingPerId(command);
    ClearUnstoredRemoteFields(design, payload.remoteBlock);
    design.legacyBackground = {};
    if (version < 10)
        design.pages = {{}};
    else if (version < 19 || design.pages.empty())
        design.pages.resize(1);
    return design;
}

} // namespace vantrel::test
