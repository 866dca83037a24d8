#include "compare/design_dump.h"

#include "archive/sha256.h"
#include "compare/dump_fields.h"
#include "document/vantrel_doc.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <tuple>

namespace vantrel {

namespace {

// The design file version that first stores the design stamp.
constexpr std::int32_t kFirstVersionWithStamp = 16;

DumpRecord& NewRecord(std::vector<DumpRecord>& records, const char* section, std::int64_t number)
{
    DumpRecord& record = records.emplace_back();
    record.section = section;
    record.number = number;
    if (number > 0)
        record.key = std::to_string(number);
    return record;
}

void DumpHeader(const CVantrelDoc& document, std::vector<DumpRecord>& records)
{
    DumpFields header(NewRecord(records, "design", 0).fields);
    header.Int("version", document.fileVersion);
    // A file older than the stamp leaves the one a new design draws from the
    // clock, which would make two dumps of the same file differ.
    if (document.fileVersion >= kFirstVersionWithStamp)
        header.Int("stamp", document.designStamp);
    else
        header.Raw("stamp", "none");
    header.Int("nextId", document.StoredNextElementId());
    DumpFields configuration(NewRecord(records, "configuration", 0).fields);
    configuration.Int("numInputs", document.numInputs);
    configuration.Int("numOutputs", document.numOutputs);
    configuration.Int("speed", document.speed);
    configuration.ColourValue("background", document.backgroundColour);
}

template <class T> const T* Present(const T& item)
{
    return &item;
}

template <class T> const T* Present(const std::unique_ptr<T>& item)
{
    return item.get();
}

// One record per item of a list, keyed by its position from 1; an empty
// slot of a damaged list keeps its position with no fields.
template <class List, class Fill>
void DumpList(const List& list, const char* section, std::vector<DumpRecord>& records, Fill fill)
{
    std::int64_t position = 0;
    for (const auto& item : list) {
        DumpRecord& record = NewRecord(records, section, ++position);
        if (const auto* present = Present(item)) {
            DumpFields fields(record.fields);
            fill(*present, fields);
        }
    }
}

void AddRemoteFields(const RemoteIoModule& module, DumpFields& fields)
{
    fields.Int("inputBits", module.inputBits);
    fields.Int("outputBits", module.outputBits);
    fields.Int("port", module.port);
    fields.Int("baud", module.baud);
    fields.Flag("legacyCommands", module.legacyCommands);
}

void AddModbusFields(const CustomRemoteModule& module, DumpFields& fields)
{
    fields.Int("registerCount", module.registerCount);
    fields.Int("modbusAddress", module.modbusAddress);
    fields.Int("registerType", module.registerType);
    fields.Int("modbusCommand", module.modbusCommand);
    fields.Int("registerAddress", module.registerAddress);
    fields.Int("port", module.port);
    fields.Int("baud", module.baud);
    fields.Int("stopBits", module.stopBits);
}

// Where an element stands in the document: its list and the id of the
// element before it there (0 for the first). The predecessor keeps the
// evaluation order in the text while an insertion changes only one line.
struct Placement
{
    const LogElement* element;
    int list;
    std::int32_t after;
    std::size_t position;
};

void DumpElement(const Placement& placed, std::vector<DumpRecord>& records, int occurrence)
{
    const LogElement& element = *placed.element;
    DumpRecord& record = NewRecord(records, "element", element.id);
    record.key = std::to_string(element.id);
    record.occurrence = occurrence;
    record.listPosition = std::int64_t(placed.position);
    if (occurrence > 1)
        record.key += '#' + std::to_string(occurrence);
    DumpFields fields(record.fields);
    fields.Raw("kind", element.ClassName());
    fields.Raw("list", ListName(placed.list));
    fields.Int("after", placed.after);
    fields.Raw("cell", std::to_string(element.pos.x) + ',' + std::to_string(element.pos.y));
    const int inputCount = std::clamp(element.InputCount(), 0, kMaxInputs);
    if (inputCount > 0)
        fields.Ids("inputs", {element.inputs.begin(), element.inputs.begin() + inputCount});
    AddElementFields(element, fields);
}

void DumpElements(const CVantrelDoc& document, std::vector<DumpRecord>& records)
{
    std::vector<Placement> placements;
    for (int list = 0; list < kElementListCount; ++list) {
        std::int32_t previous = 0;
        std::size_t position = 0;
        for (const auto& element : document.elements[std::size_t(list)]) {
            if (!element)
                continue;
            placements.push_back({element.get(), list, previous, position++});
            previous = element->id;
        }
    }
    // By id; elements sharing an id (only in a damaged design) by list and
    // position, which do not depend on where they were allocated.
    std::sort(placements.begin(), placements.end(), [](const Placement& a, const Placement& b) {
        return std::tie(a.element->id, a.list, a.position) <
               std::tie(b.element->id, b.list, b.position);
    });
    int occurrence = 0;
    for (std::size_t i = 0; i < placements.size(); ++i) {
        const bool sameId = i > 0 && placements[i - 1].element->id == placements[i].element->id;
        occurrence = sameId ? occurrence + 1 : 1;
        DumpElement(placements[i], records, occurrence);
    }
}

void AddPaintObject(const PaintStuff& object, DumpFields& fields)
{
    fields.Raw("kind", object.ClassName());
    AddPaintFields(object, fields);
}

void AddCommandFields(const ComplexCommand& command, DumpFields& fields)
{
    fields.Text("name", command.name);
    std::string settings;
    for (const auto& [id, on] : command.settings)
        settings += (settings.empty() ? "" : ",") + std::to_string(id) + (on ? ":on" : ":off");
    fields.Raw("settings", settings.empty() ? "-" : settings);
}

void AddSimulationFields(const SimElement& element, DumpFields& fields)
{
    fields.Int("type", element.type);
    fields.Text("name", element.name);
    fields.Ids("inputs", element.inputs);
    fields.Ids("outputs", element.outputs);
}

// A page image is dumped as its file's bytes: the design keeps and writes
// back the bytes it was given, so they are the same on every machine, and
// nothing has to be decoded.
void AddPageFields(const EncodedImage& page, DumpFields& fields)
{
    if (page.IsEmpty()) {
        fields.Raw("image", "none");
        return;
    }
    fields.Raw("bytes", std::to_string(page.Bytes().size()));
    Sha256 hasher;
    hasher.Update(page.Bytes());
    fields.Raw("sha256", Sha256::ToHex(hasher.Finish()));
}

} // namespace

std::vector<DumpRecord> DumpDesign(const CVantrelDoc& document)
{
    std::vector<DumpRecord> records;
    DumpHeader(document, records);
    DumpList(document.remoteIo.modules, "remote", records, AddRemoteFields);
    DumpList(document.remoteIo.customModules, "modbus", records, AddModbusFields);
    DumpElements(document, records);
    DumpList(document.paintObjects, "paint", records, AddPaintObject);
    DumpList(document.complexCommands, "command", records, AddCommandFields);
    DumpList(document.simulationElements, "simulation", records, AddSimulationFields);
    DumpList(document.pageBackgrounds, "page", records, AddPageFields);
    return records;
}

void WriteDump(const std::vector<DumpRecord>& records, std::ostream& out)
{
    for (const DumpRecord& record : records)
        out << record.Line() << '\n';
}

} // namespace vantrel
