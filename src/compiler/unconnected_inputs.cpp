#include "compiler/unconnected_inputs.h"

#include "compiler/document_finder.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

// The document's lookups, except that an operand that does not resolve is
// noted against the element being encoded instead of raising the warning.
class OpenInputFinder final : public DocumentFinder
{
public:
    explicit OpenInputFinder(const CVantrelDoc& document) : DocumentFinder(document) {}

    void Encode(const LogElement& element, bool singleWord)
    {
        current_ = &element;
        read_.fill(false);
        words_.clear();
        if (singleWord)
            element.EncodeWord(*this);
        else
            element.Encode(words_, *this);
    }

    std::vector<OpenInput> TakeFound() { return std::move(found_); }

    std::int32_t EncodeIndex(std::int32_t id) const override
    {
        const int slot = ReadSlot(id);
        if (const std::optional<std::int32_t> operand = Document().OperandIndex(id))
            return *operand;
        found_.push_back({current_, slot});
        return -1;
    }

private:
    // The input an operand is read from. Elements read each input once, in
    // any order, so it is the first input not yet read that holds the id;
    // an operand that no such input holds is the one read from elsewhere,
    // an AccOp's accumulator.
    int ReadSlot(std::int32_t id) const
    {
        const int inputs = std::clamp(current_->InputCount(), 0, kMaxInputs);
        for (int slot = 0; slot < inputs; ++slot)
            if (!read_[std::size_t(slot)] && current_->inputs[std::size_t(slot)] == id) {
                read_[std::size_t(slot)] = true;
                return slot;
            }
        return OpenInput::kAccumulator;
    }

    const LogElement* current_ = nullptr;
    mutable std::array<bool, kMaxInputs> read_{};
    mutable std::vector<OpenInput> found_;
    std::vector<std::uint32_t> words_;
};

} // namespace

std::vector<OpenInput> FindOpenInputs(const CVantrelDoc& document)
{
    const CVantrelDoc::FrozenLookups frozen(document);
    OpenInputFinder finder(document);
    for (const auto& element : document.elements[kMainList])
        finder.Encode(*element, false);
    for (int list : {kTimerList, kRegisterList, kConstantList})
        for (const auto& element : document.elements[list])
            finder.Encode(*element, true);
    return finder.TakeFound();
}

} // namespace vantrel
