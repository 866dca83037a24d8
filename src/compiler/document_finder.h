#pragma once

#include "document/vantrel_doc.h"

namespace vantrel {

// The document's lookups passed through, for a compile that treats
// unresolved operands its own way: a subclass overrides EncodeIndex.
class DocumentFinder : public ElFinder
{
public:
    explicit DocumentFinder(const CVantrelDoc& document) : document_(document) {}

    LogElement* FindAt(Point cell) const override { return document_.FindAt(cell); }
    LogElement* FindById(std::int32_t id) const override { return document_.FindById(id); }
    LogElement* FindDirectById(std::int32_t id) const override
    {
        return document_.FindDirectById(id);
    }
    LogElement* ResolveSource(std::int32_t id) const override
    {
        return document_.ResolveSource(id);
    }
    LogElement* ResolveSourceUpToBreaker(std::int32_t id) const override
    {
        return document_.ResolveSourceUpToBreaker(id);
    }
    std::int32_t EncodeIndex(std::int32_t id) const override { return document_.EncodeIndex(id); }
    LogElement* MainAt(int index) const override { return document_.MainAt(index); }
    int MainCount() const override { return document_.MainCount(); }
    int IndirectCount() const override { return document_.IndirectCount(); }
    LogElement* IndirectAt(int index) const override { return document_.IndirectAt(index); }
    int MonitorIndex(std::int32_t id) const override { return document_.MonitorIndex(id); }
    void MonitorList(std::vector<LogElement*>& list) const override { document_.MonitorList(list); }
    std::u16string IoLabel(int number, bool isInput) const override
    {
        return document_.IoLabel(number, isInput);
    }

protected:
    const CVantrelDoc& Document() const { return document_; }

private:
    const CVantrelDoc& document_;
};

// The document's lookups, with the warning about an operand that does not
// resolve going to `messages` instead of the document's notifier.
class WarningFinder final : public DocumentFinder
{
public:
    WarningFinder(const CVantrelDoc& document, Notifier& messages)
        : DocumentFinder(document), messages_(messages)
    {}

    std::int32_t EncodeIndex(std::int32_t id) const override
    {
        if (const std::optional<std::int32_t> operand = Document().OperandIndex(id))
            return *operand;
        messages_.Message(u"There is an unconnected input.", u"Warning!", MessageButtons::Ok);
        return -1;
    }

private:
    Notifier& messages_;
};

} // namespace vantrel
