#include "compiler/flash_image.h"

#include "archive/byte_buffer.h"
#include "archive/text_codec.h"
#include "compiler/document_finder.h"
#include "compiler/image_header.h"
#include "compiler/remote_requests.h"
#include "document/vantrel_doc.h"
#include "elements/element_kinds.h"
#include "elements/io_elements.h"
#include "hardware/io_counts.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>

namespace vantrel {

namespace {

constexpr std::int64_t kFlashBytes = 57344;
constexpr std::int64_t kRamBytes = 4096;

// The highest number + 1 of the elements of one number kind, 0 for none.
std::int64_t ExtentOf(const ElementList& main, NumberKind numbers)
{
    std::int64_t extent = 0;
    for (const auto& element : main)
        if (NumbersOf(*element) == numbers)
            extent = std::max(extent, std::int64_t(static_cast<const LogIO&>(*element).number) + 1);
    return extent;
}

int ListSize(const CVantrelDoc& document, int list)
{
    return int(document.elements[list].size());
}

std::uint16_t Low16(std::size_t value)
{
    return std::uint16_t(value);
}

// The counts and settings of the header; the section offsets and the size
// follow from what the sections hold.
ImageHeader FrameHeader(const CVantrelDoc& document, std::int32_t randomNumber, int remoteRequests)
{
    const UserIoExtent user = UserIoExtentOf(document);
    const int accumulators = ListSize(document, kAccumulatorList);
    const int noOps = ListSize(document, kNoOpList);
    const int timers = ListSize(document, kTimerList);
    ImageHeader header;
    header.version = document.RequiredDesignVersion();
    header.designStamp = document.designStamp;
    header.randomNumber = randomNumber;
    header.speed = std::uint8_t(document.speed);
    header.inputBytes = std::uint8_t(IoBytes(document.numInputs));
    header.outputBytes = std::uint8_t(IoBytes(document.numOutputs));
    header.userInputBytes = std::uint8_t(UserIoBytes(user.inputs));
    header.userOutputBytes = std::uint8_t(UserIoBytes(user.outputs));
    header.mainCount = Low16(document.elements[kMainList].size());
    // These two counts are kept in 8 bits by the controller and wrap.
    header.numericCount = std::uint16_t((timers + ListSize(document, kRegisterList)) % 256);
    header.registerIdCount = std::uint8_t((accumulators + noOps + timers) % 256);
    header.constantCount = Low16(document.elements[kConstantList].size());
    header.storageRegisterCount = std::uint16_t(accumulators + noOps);
    header.remoteRequestCount = Low16(std::size_t(remoteRequests));
    header.remoteInputBytes = std::uint8_t(document.remoteIo.RemoteInputBytes());
    header.remoteOutputBytes = std::uint8_t(document.remoteIo.RemoteOutputBytes());
    return header;
}

void AppendWords(std::vector<std::uint8_t>& image, const std::vector<std::uint32_t>& words)
{
    ByteWriter out(image);
    for (std::uint32_t word : words)
        out.Put(word);
}

std::vector<std::uint32_t> LogicWords(const CVantrelDoc& document, const ElFinder& finder)
{
    std::vector<std::uint32_t> words;
    for (const auto& element : document.elements[kMainList])
        element->Encode(words, finder);
    return words;
}

// One word per element of the lists, in list order.
std::vector<std::uint32_t> SingleWords(const CVantrelDoc& document, const ElFinder& finder,
                                       std::initializer_list<int> lists)
{
    std::vector<std::uint32_t> words;
    for (int list : lists)
        for (const auto& element : document.elements[list])
            words.push_back(element->EncodeWord(finder));
    return words;
}

std::vector<std::uint32_t> RegisterIds(const CVantrelDoc& document)
{
    std::vector<std::uint32_t> ids;
    for (int list : {kAccumulatorList, kNoOpList, kTimerList})
        for (const auto& element : document.elements[list])
            ids.push_back(std::uint32_t(element->id));
    return ids;
}

int CountDelays(const CVantrelDoc& document)
{
    int delays = 0;
    for (const ElementList& list : document.elements)
        delays += int(std::count_if(list.begin(), list.end(),
                                    [](const auto& element) { return element->UsesDelay(); }));
    return delays;
}

int RegistersInUse(const CVantrelDoc& document, const ImageHeader& header)
{
    const ElementList& registers = document.elements[kRegisterList];
    if (registers.empty())
        return header.storageRegisterCount;
    return document.EncodeIndex(registers.back()->id) + 1;
}

} // namespace

UserIoExtent UserIoExtentOf(const CVantrelDoc& document)
{
    const ElementList& main = document.elements[kMainList];
    return {ExtentOf(main, NumberKind::UserInputs), ExtentOf(main, NumberKind::UserOutputs)};
}

std::vector<std::uint8_t> Compile(const CVantrelDoc& document, std::int32_t randomNumber)
{
    return Compile(document, randomNumber, document.GetNotifier());
}

std::vector<std::uint8_t> Compile(const CVantrelDoc& document, std::int32_t randomNumber,
                                  Notifier& messages)
{
    const CVantrelDoc::FrozenLookups frozen(document);
    const WarningFinder finder(document, messages);
    const std::vector<RemoteRequest> requests = RemoteRequests(
        document.remoteIo, IoBytes(document.numInputs), IoBytes(document.numOutputs));
    ImageHeader header = FrameHeader(document, randomNumber, int(requests.size()));
    std::vector<std::uint8_t> image(ImageHeader::kSize);
    // The offsets are those of the bytes actually written, so the header
    // agrees with the sections whatever the elements emit.
    header.logicOffset = Low16(image.size());
    AppendWords(image, LogicWords(document, finder));
    header.numericOffset = Low16(image.size());
    AppendWords(image, SingleWords(document, finder, {kTimerList, kRegisterList}));
    header.constantOffset = Low16(image.size());
    AppendWords(image, SingleWords(document, finder, {kConstantList}));
    header.remoteRequestOffset = Low16(image.size());
    for (const RemoteRequest& request : requests)
        AppendRemoteRequest(image, request);
    header.registerIdOffset = Low16(image.size());
    AppendWords(image, RegisterIds(document));
    header.size = std::uint32_t(image.size());
    const std::vector<std::uint8_t> headerBytes = HeaderBytes(header);
    std::copy(headerBytes.begin(), headerBytes.end(), image.begin());
    SealChecksum(image);
    return image;
}

std::int32_t DrawRandomNumber()
{
    static std::minstd_rand generator(std::uint32_t(std::time(nullptr)));
    return std::uniform_int_distribution<std::int32_t>(0, 32767)(generator);
}

std::u16string Report(const CVantrelDoc& document, std::span<const std::uint8_t> image)
{
    const CVantrelDoc::FrozenLookups frozen(document);
    const ImageHeader header = ReadHeader(image);
    const int mainCount = ListSize(document, kMainList);
    const std::int64_t ramBytes = mainCount / 8 + header.userOutputBytes + header.userInputBytes +
                                  header.outputBytes + header.inputBytes;
    char text[256];
    std::snprintf(text, sizeof text,
                  "Logic elements:\t%d/12228\nAccs:\t\t%d/64\nConstants:\t%d/256\n"
                  "Registers:\t\t%d/256\nDelays:\t\t%d/1024\nFlash:\t\t%d%%\nRam:\t\t%d%%",
                  mainCount, ListSize(document, kAccumulatorList),
                  ListSize(document, kConstantList), RegistersInUse(document, header),
                  CountDelays(document), int(std::int64_t(header.size) * 100 / kFlashBytes),
                  int(ramBytes * 100 / kRamBytes));
    return Ascii(text);
}

} // namespace vantrel
