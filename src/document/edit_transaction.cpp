#include "document/edit_transaction.h"

#include "document/vantrel_doc.h"

namespace vantrel {

EditTransaction::EditTransaction(CVantrelDoc& document, UndoRecord::Kind kind)
    : document_(document), record_{kind, {}, {}}
{}

void EditTransaction::Remember(const LogElement& element)
{
    Keep(element, document_.PositionOf(element));
}

void EditTransaction::RememberEntering(const LogElement& element, std::size_t position)
{
    Keep(element, std::int32_t(position));
}

void EditTransaction::Keep(const LogElement& element, std::int32_t position)
{
    record_.elements.push_back(element.Clone());
    record_.positions.push_back(position);
}

void EditTransaction::RememberState(unsigned aspects)
{
    if (!record_.state)
        record_.state = std::make_shared<DesignState>();
    record_.state->Keep(document_, aspects);
}

bool EditTransaction::Insert(std::unique_ptr<LogElement> element)
{
    LogElement* inserted = element.get();
    // The document appends the element to its list.
    const std::size_t position = element ? document_.elements[element->ListKind()].size() : 0;
    if (!document_.InsertElement(std::move(element)))
        return false;
    RememberEntering(*inserted, position);
    return true;
}

void EditTransaction::Commit()
{
    if (committed_)
        return;
    committed_ = true;
    document_.PushUndo(std::move(record_));
    document_.SetModified(true);
}

} // namespace vantrel
