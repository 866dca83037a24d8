// The document's stored form: the design file, also embedded in the JSON
// export. Writers write the newest version with every block; readers accept
// every version and correct what older versions stored differently.
#include "document/vantrel_doc.h"

#include "archive/archive.h"
#include "elements/log_indirect.h"
#include "elements/numeric_elements.h"
#include "graphics/image_codec.h"
#include "paint/paint_kinds.h"

#include <algorithm>

namespace vantrel {

namespace {

// Whether a design of `version` could not hold the object's kind yet.
bool IsNewerThan(const std::unique_ptr<PaintStuff>& object, std::int32_t version)
{
    return object && object->KindRow().firstDesignVersion > version;
}

} // namespace

void CVantrelDoc::Serialize(CArchive& ar, const ImageCodec& codec, ImageFormat imageFormat)
{
    if (ar.IsStoring())
        StoreWith(ar, codec, imageFormat, paintObjects, complexCommands);
    else
        Load(ar, codec);
}

void CVantrelDoc::StoreWith(CArchive& ar, const ImageCodec& codec, ImageFormat imageFormat,
                            const std::vector<std::unique_ptr<PaintStuff>>& paint,
                            const std::vector<std::unique_ptr<ComplexCommand>>& commands) const
{
    for (std::int32_t value : {kDesignVersion, numInputs, numOutputs, StoredNextElementId(),
                               std::int32_t(backgroundColour), speed, designStamp})
        ar.WriteInt32(value);
    ar.WriteObjectList(paint);
    ar.WriteObjectList(elements[kMainList]);
    ar.WriteObjectList(commands);
    ar.WriteObjectList(elements[kIndirectList]);
    ar.WriteObjectList(elements[kRegisterList]);
    ar.WriteObjectList(elements[kAccumulatorList]);
    ar.WriteObjectList(elements[kConstantList]);
    ar.WriteObjectList(elements[kNoOpList]);
    ar.WriteObjectList(elements[kTimerList]);
    ar.WriteObjectList(simulationElements);
    // The block is written by the one routine that also reads it.
    RemoteIoConfiguration(remoteIo).Serialize(ar);
    ar.WriteObjectList(elements[kCommentList]);
    StorePageBlock(ar, codec, imageFormat);
}

void CVantrelDoc::Load(CArchive& ar, const ImageCodec& codec)
{
    ResetDocument();
    const std::int32_t version = ar.ReadInt32();
    fileVersion = version;
    numInputs = ar.ReadInt32();
    numOutputs = ar.ReadInt32();
    nextElementId = ar.ReadInt32();
    if (version >= 2)
        backgroundColour = Colour(ar.ReadInt32());
    if (version >= 7 && version <= 14)
        ar.Skip(8); // two integers that no longer mean anything
    if (version >= 9)
        speed = ar.ReadInt32();
    if (version >= 16)
        designStamp = ar.ReadInt32();

    ar.SerializeObjectList(paintObjects);
    ar.SerializeObjectList(elements[kMainList]);
    if (version >= 3)
        ar.SerializeObjectList(complexCommands);
    if (version >= 4)
        ar.SerializeObjectList(elements[kIndirectList]);
    if (version >= 5 && version <= 9)
        SkipLegacyBackground(ar);
    if (version >= 6) {
        ar.SerializeObjectList(elements[kRegisterList]);
        ar.SerializeObjectList(elements[kAccumulatorList]);
        ar.SerializeObjectList(elements[kConstantList]);
    }
    if (version >= 8)
        ar.SerializeObjectList(elements[kNoOpList]);
    if (version >= 17)
        ar.SerializeObjectList(elements[kTimerList]);
    if (version >= 12)
        ar.SerializeObjectList(simulationElements);
    if (version >= 14)
        remoteIo.Serialize(ar);
    if (version >= 18)
        ar.SerializeObjectList(elements[kCommentList]);
    if (version >= 10)
        ReadPageImages(ar, codec, version);

    DropNullEntries();
    CorrectOldContent(version);
    RehomeMisplacedElements();
    CheckConsistency();
    RaiseNextIdAboveIds();
    loopSetStale_ = true;
    // The lists were filled directly: whatever was derived from them before
    // is out of date.
    ++changeCount_;
}

// A file whose next id is not above its ids would make the next element
// placed a duplicate. One holding the largest id has no id left.
void CVantrelDoc::RaiseNextIdAboveIds()
{
    std::int64_t next = std::max<std::int64_t>(nextElementId, 1);
    for (const ElementList& list : elements)
        for (const auto& element : list)
            next = std::max<std::int64_t>(next, std::int64_t(element->id) + 1);
    nextElementId = next;
}

void CVantrelDoc::SkipLegacyBackground(CArchive& ar)
{
    ar.ReadInt32();
    const std::int32_t width = ar.ReadInt32();
    const std::int32_t height = ar.ReadInt32();
    if (width < 0 || height < 0)
        ar.Fail(ArchiveCause::BadIndex);
    ar.Skip(std::uint64_t(width) * std::uint64_t(height) * 3);
}

// Null references are legal in a stored list but mean nothing in a design;
// the rest of the system counts on every list entry being an object.
void CVantrelDoc::DropNullEntries()
{
    for (ElementList& list : elements)
        std::erase(list, nullptr);
    std::erase(paintObjects, nullptr);
    std::erase(complexCommands, nullptr);
    std::erase(simulationElements, nullptr);
}

void CVantrelDoc::CorrectOldContent(std::int32_t version)
{
    if (version < 18) {
        // Comments once lived in the main list. Taken from the last to the
        // first, they end up in reverse order.
        ElementList& main = elements[kMainList];
        for (std::size_t i = main.size(); i-- > 0;)
            if (main[i]->ListKind() == kCommentList)
                elements[kCommentList].push_back(std::move(main[i]));
        std::erase(main, nullptr);
    }
    std::erase_if(paintObjects,
                  [version](const auto& object) { return IsNewerThan(object, version); });
    if (version <= 10) {
        for (auto& element : elements[kNoOpList]) {
            auto replacement = std::make_unique<NoOp>(element->pos, element->id);
            replacement->name = element->Name();
            replacement->restricted = element->Restricted();
            element = std::move(replacement);
        }
    }
}

void CVantrelDoc::ReportLoadProblem(const char16_t* problem)
{
    notifier_->Message(problem, u"Error", MessageButtons::Ok);
}

// No writer puts an element in a list that is not its own, and the lookups
// rely on it: an element that passes for an indirect one could stand for
// itself. A misplaced indirect element is dropped, as in the main list;
// any other moves to the end of its own list.
void CVantrelDoc::RehomeMisplacedElements()
{
    for (int list = 0; list < kElementListCount; ++list) {
        for (auto& element : elements[list]) {
            const int home = element->ListKind();
            const bool indirect = AsIndirect(element.get()) != nullptr;
            if (home == list || (indirect && list == kMainList))
                continue; // the consistency check reports those of the main list
            ReportLoadProblem(indirect ? u"Replicator in the wrong place"
                                       : u"Element in the wrong place");
            if (!indirect)
                elements[home].push_back(std::move(element));
            element.reset();
        }
        std::erase(elements[list], nullptr);
    }
}

void CVantrelDoc::CheckConsistency()
{
    // Both lists are checked from their last element to their first, the
    // main list first; a replicator in it is reported and dropped where met.
    ElementList& main = elements[kMainList];
    auto misplaced = [](const auto& element) { return AsIndirect(element.get()) != nullptr; };
    std::vector<std::int32_t> ids;
    for (auto element = main.rbegin(); element != main.rend(); ++element)
        if (!misplaced(*element))
            ids.push_back((*element)->id);
    for (auto element = elements[kIndirectList].rbegin(); element != elements[kIndirectList].rend();
         ++element)
        ids.push_back((*element)->id);
    const std::vector<bool> repeated = RepeatedIds(ids);
    std::size_t next = 0;
    for (std::size_t i = main.size(); i-- > 0;) {
        if (misplaced(main[i])) {
            ReportLoadProblem(u"Replicator in the wrong place");
            main[i].reset();
        } else if (repeated[next++]) {
            ReportLoadProblem(u"Duplicate index");
        }
    }
    std::erase(main, nullptr);
    for (; next < repeated.size(); ++next)
        if (repeated[next])
            ReportLoadProblem(u"Duplicate index");
}

} // namespace vantrel
