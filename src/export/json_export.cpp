#include "export/json_export.h"

#include "archive/archive.h"
#include "archive/file_bytes.h"
#include "archive/json_writer.h"
#include "archive/text_codec.h"
#include "compiler/document_finder.h"
#include "compiler/flash_image.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "graphics/encoded_image.h"
#include "graphics/image_codec.h"
#include "hardware/io_counts.h"
#include "hardware/sim_element.h"

#include <algorithm>

namespace vantrel {

namespace {

// The element's I/O number when it is numbered from `numbers`, else none.
const LogIO* NumberedFrom(const LogElement* element, NumberKind numbers)
{
    return element && NumbersOf(*element) == numbers ? static_cast<const LogIO*>(element) : nullptr;
}

void WriteSystemConfiguration(JsonWriter& json, const CVantrelDoc& document, UserIoExtent users)
{
    json.BeginObject("sysConf");
    json.WriteInt("minVersion", document.RequiredDesignVersion());
    json.WriteInt("numIns", IoBytes(document.numInputs));
    json.WriteInt("numOuts", IoBytes(document.numOutputs));
    json.WriteInt("numUserIns", UserIoBytes(users.inputs));
    json.WriteInt("numUserOuts", UserIoBytes(users.outputs));
    json.WriteInt("accCount", std::int64_t(document.elements[kAccumulatorList].size() +
                                           document.elements[kNoOpList].size()));
    json.End();
}

// One array of the I/O elements of a number kind in the main list.
void WriteIoNames(JsonWriter& json, const CVantrelDoc& document, const char* key,
                  NumberKind numbers, bool withRestricted)
{
    json.BeginArray(key);
    for (const auto& element : document.elements[kMainList]) {
        const LogIO* io = NumberedFrom(element.get(), numbers);
        if (!io)
            continue;
        json.BeginObject(JsonWriter::kArrayElement);
        json.WriteInt("n", io->number);
        json.WriteString("name", io->name);
        if (withRestricted)
            json.WriteInt("restricted", io->Restricted());
        json.End();
    }
    json.End();
}

void WriteNames(JsonWriter& json, const CVantrelDoc& document)
{
    json.BeginObject("IONames");
    WriteIoNames(json, document, "in", NumberKind::Inputs, false);
    WriteIoNames(json, document, "out", NumberKind::Outputs, false);
    WriteIoNames(json, document, "userIn", NumberKind::UserInputs, true);
    WriteIoNames(json, document, "userOut", NumberKind::UserOutputs, false);
    json.BeginArray("register");
    std::vector<LogElement*> monitor;
    document.MonitorList(monitor);
    for (std::size_t j = 0; j < monitor.size(); ++j) {
        json.BeginObject(JsonWriter::kArrayElement);
        json.WriteString("name", monitor[j]->Name());
        json.WriteInt("n", std::int64_t(j));
        json.WriteBool("edit", monitor[j]->IsEditable());
        json.WriteString("nature", monitor[j]->NatureText());
        json.WriteInt("restricted", monitor[j]->Restricted());
        json.End();
    }
    json.End();
    json.End();
}

void WriteComplexCommands(JsonWriter& json, const CVantrelDoc& document,
                          const std::vector<ComplexCommand>& checked)
{
    json.BeginArray("complexCommands");
    for (const ComplexCommand& command : checked) {
        json.BeginObject(JsonWriter::kArrayElement);
        json.WriteString("name", command.name);
        json.BeginArray("userIns");
        int restricted = 0;
        for (const auto& [id, on] : command.settings) {
            auto* user = KindAs<LogUser>(document.FindById(id));
            json.BeginObject(JsonWriter::kArrayElement);
            json.WriteInt("n", user->number);
            json.WriteBool("state", on);
            json.End();
            restricted = std::max(restricted, user->Restricted());
        }
        json.End();
        json.WriteInt("restricted", restricted);
        json.End();
    }
    json.End();
}

// The type a log names the bit I/O of a number kind by; none for analog I/O.
const char* LoggedTypeOf(NumberKind numbers)
{
    switch (numbers) {
    case NumberKind::Inputs:
        return "in";
    case NumberKind::Outputs:
        return "out";
    case NumberKind::UserInputs:
        return "userIn";
    case NumberKind::UserOutputs:
        return "userOut";
    case NumberKind::AnalogInputs:
    case NumberKind::AnalogOutputs:
        break;
    }
    return nullptr;
}

// A logged element: a monitored register, or a local or user I/O element.
void WriteLogDetail(JsonWriter& json, const CVantrelDoc& document, std::int32_t id)
{
    LogElement* element = document.FindById(id);
    if (!element)
        return;
    const char* type = nullptr;
    std::int64_t number = 0;
    if (element->ShowInMonitor()) {
        type = "register";
        number = document.MonitorIndex(id);
    } else if (const std::optional<NumberKind> numbers = NumbersOf(*element);
               numbers && element->ListKind() == kMainList) {
        type = LoggedTypeOf(*numbers);
        number = static_cast<const LogIO*>(element)->number;
    }
    if (!type)
        return;
    json.BeginObject(JsonWriter::kArrayElement);
    json.WriteString("name", element->Name());
    json.WriteInt("num", number);
    json.WriteString("type", Ascii(type));
    json.End();
}

void WriteLogs(JsonWriter& json, const CVantrelDoc& document)
{
    json.BeginArray("logs");
    for (const auto& element : document.elements[kMainList]) {
        auto* logged = KindAs<LoggedUserOut>(element.get());
        if (!logged)
            continue;
        json.BeginObject(JsonWriter::kArrayElement);
        json.WriteString("name", logged->name);
        json.WriteInt("num", logged->number);
        json.BeginArray("details");
        for (std::int32_t id : logged->loggedIds)
            WriteLogDetail(json, document, id);
        json.End();
        json.End();
    }
    json.End();
}

void WritePaint(JsonWriter& json, const std::vector<std::unique_ptr<PaintStuff>>& resolved)
{
    json.BeginArray("paintStuff");
    for (const auto& object : resolved) {
        json.BeginObject(JsonWriter::kArrayElement);
        json.WriteString("type", object->TypeName());
        object->WriteJson(json);
        json.End();
    }
    json.End();
}

void WriteTempInputs(JsonWriter& json, const CVantrelDoc& document, const ElFinder& finder)
{
    json.BeginArray("tempInputs");
    for (const auto& element : document.elements[kNoOpList]) {
        auto* reading = KindAs<TempInput>(element.get());
        if (!reading)
            continue;
        json.BeginObject(JsonWriter::kArrayElement);
        json.WriteInt("type", reading->tempType);
        json.WriteInt("defaultValue", reading->defaultValue);
        json.WriteInt("bufferIndex", finder.EncodeIndex(reading->id));
        // The auxiliary readings (3 to 8) belong to no silo.
        if (reading->tempType < 3 || reading->tempType > 8)
            json.WriteString("siloName", reading->siloName);
        json.End();
    }
    json.End();
}

void WriteSlotNumbers(JsonWriter& json, const CVantrelDoc& document, const char* key,
                      NumberKind numbers, const std::vector<std::int32_t>& slots)
{
    json.BeginArray(key);
    for (std::int32_t id : slots) {
        const LogIO* io = NumberedFrom(document.FindById(id), numbers);
        json.WriteInt(JsonWriter::kArrayElement, io ? io->number : -1);
    }
    json.End();
}

void WriteSimulation(JsonWriter& json, const CVantrelDoc& document)
{
    json.BeginArray("simulation");
    for (const auto& element : document.simulationElements) {
        json.BeginObject(JsonWriter::kArrayElement);
        const bool known =
            element->type >= 0 && element->type < std::int32_t(std::size(SimElement::kTypes));
        json.WriteString("type", known ? SimElement::kTypes[element->type].name : u"");
        WriteSlotNumbers(json, document, "inputs", NumberKind::Inputs, element->inputs);
        WriteSlotNumbers(json, document, "outputs", NumberKind::Outputs, element->outputs);
        json.End();
    }
    json.End();
}

void WriteBackgrounds(JsonWriter& json, const CVantrelDoc& document, const ImageCodec& codec)
{
    json.BeginArray("backgrounds");
    for (const EncodedImage& page : document.pageBackgrounds)
        json.WriteBase64(JsonWriter::kArrayElement, EncodeAs(page, ImageFormat::Jpeg, codec));
    json.End();
    const EncodedImage first =
        document.pageBackgrounds.empty() ? EncodedImage{} : document.pageBackgrounds[0];
    json.WriteBase64("bgImage", EncodeAs(first, ImageFormat::Jpeg, codec));
}

// The design file as the export corrected it.
void WriteSource(JsonWriter& json, const CVantrelDoc& document, const DesignCorrections& corrected,
                 const ImageCodec& codec)
{
    std::vector<std::unique_ptr<ComplexCommand>> commands;
    commands.reserve(corrected.commands.size());
    for (const ComplexCommand& command : corrected.commands)
        commands.push_back(std::make_unique<ComplexCommand>(command));
    std::vector<std::uint8_t> design;
    CArchive ar(StoreTo, design, SystemClasses());
    document.StoreWith(ar, codec, ImageFormat::Jpeg, corrected.paintObjects, commands);
    json.WriteBase64("source", design);
}

} // namespace

JsonExportContent WriteJsonExport(const CVantrelDoc& document, std::ostream& out,
                                  const ImageCodec& codec, std::int32_t randomNumber,
                                  Notifier& messages)
{
    const CVantrelDoc::FrozenLookups frozen(document);
    const WarningFinder finder(document, messages);
    const UserIoExtent users = UserIoExtentOf(document);
    JsonExportContent content;
    DesignCorrections& corrected = content.corrections;
    JsonWriter json(out);
    json.WriteString("contentType", u"logic");
    WriteSystemConfiguration(json, document, users);
    WriteNames(json, document);
    corrected.commands = CheckedCommandCopies(document, messages);
    WriteComplexCommands(json, document, corrected.commands);
    WriteLogs(json, document);
    corrected.paintObjects = ResolvedPaintCopies(document, int(UserIoBytes(users.inputs)), true);
    WritePaint(json, corrected.paintObjects);
    WriteTempInputs(json, document, finder);
    WriteSimulation(json, document);
    const std::vector<std::uint8_t> image = Compile(document, randomNumber, messages);
    json.WriteBase64("plcPart", image);
    json.BeginArray("rands");
    for (std::size_t offset = 12; offset < 20; ++offset)
        json.WriteInt(JsonWriter::kArrayElement, image[offset]);
    json.End();
    content.report = Report(document, image);
    WriteBackgrounds(json, document, codec);
    WriteSource(json, document, corrected, codec);
    json.End();
    return content;
}

std::u16string WriteJsonExport(const CVantrelDoc& document, std::ostream& out,
                               const ImageCodec& codec, std::int32_t randomNumber)
{
    return WriteJsonExport(document, out, codec, randomNumber, document.GetNotifier()).report;
}

} // namespace vantrel
