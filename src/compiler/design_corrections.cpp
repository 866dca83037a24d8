#include "compiler/design_corrections.h"

#include "document/edit_transaction.h"
#include "document/vantrel_doc.h"
#include "hardware/io_counts.h"

namespace vantrel {

namespace {

// The fields ResolveLinks writes.
bool SameLinks(const PaintStuff& a, const PaintStuff& b)
{
    return a.commandNum == b.commandNum && a.activeNum == b.activeNum &&
           a.active2Num == b.active2Num && a.progressIndex == b.progressIndex;
}

void TakeLinks(PaintStuff& object, const PaintStuff& resolved)
{
    object.commandNum = resolved.commandNum;
    object.activeNum = resolved.activeNum;
    object.active2Num = resolved.active2Num;
    object.progressIndex = resolved.progressIndex;
}

bool PaintChanges(const CVantrelDoc& document, const DesignCorrections& corrections)
{
    if (corrections.paintObjects.size() != document.paintObjects.size())
        return false;
    for (std::size_t i = 0; i < corrections.paintObjects.size(); ++i)
        if (!SameLinks(*document.paintObjects[i], *corrections.paintObjects[i]))
            return true;
    return false;
}

bool CommandsChange(const CVantrelDoc& document, const DesignCorrections& corrections)
{
    if (corrections.commands.size() != document.complexCommands.size())
        return false;
    for (std::size_t i = 0; i < corrections.commands.size(); ++i)
        if (document.complexCommands[i]->settings != corrections.commands[i].settings)
            return true;
    return false;
}

} // namespace

std::vector<std::unique_ptr<PaintStuff>> ResolvedPaintCopies(const CVantrelDoc& document,
                                                             int userInBytes, bool forJson)
{
    std::vector<std::unique_ptr<PaintStuff>> copies;
    copies.reserve(document.paintObjects.size());
    for (const auto& object : document.paintObjects) {
        copies.push_back(object->Clone());
        copies.back()->ResolveLinks(document, IoBytes(document.numInputs),
                                    IoBytes(document.numOutputs), userInBytes, forJson);
    }
    return copies;
}

std::vector<ComplexCommand> CheckedCommandCopies(const CVantrelDoc& document, Notifier& messages)
{
    std::vector<ComplexCommand> copies;
    copies.reserve(document.complexCommands.size());
    for (const auto& command : document.complexCommands) {
        copies.push_back(*command);
        copies.back().DropDeletedUserInputs(document, messages);
    }
    return copies;
}

void StoreCorrections(CVantrelDoc& document, const DesignCorrections& corrections)
{
    const bool paint = PaintChanges(document, corrections);
    const bool commands = CommandsChange(document, corrections);
    if (!paint && !commands)
        return;
    EditTransaction edit(document, UndoRecord::kState);
    edit.RememberState((paint ? DesignState::kPaint : 0U) |
                       (commands ? DesignState::kComplexCommands : 0U));
    if (paint)
        for (std::size_t i = 0; i < corrections.paintObjects.size(); ++i)
            TakeLinks(*document.paintObjects[i], *corrections.paintObjects[i]);
    if (commands)
        for (std::size_t i = 0; i < corrections.commands.size(); ++i)
            document.complexCommands[i]->settings = corrections.commands[i].settings;
    edit.Commit();
}

} // namespace vantrel
