#include "document/edit_transaction.h"

#include "document/vantrel_doc.h"

namespace vantrel {

EditTransaction::EditTransaction(CVantrelDoc& document, UndoRecord::Kind kind)
    : document_(document), record_{kind, {}, {}}
{}

void EditTransaction::Remember(const LogElement& element)
{
    record_.elements.push_back(element.Clone());
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
    if (!document_.InsertElement(std::move(element)))
        return false;
    Remember(*inserted);
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
