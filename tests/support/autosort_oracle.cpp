#include "support/autosort_oracle.h"

#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"

#include <string>

namespace vantrel::test {

namespace {

template <class Kind> bool Is(const LogElement* element)
{
    return dynamic_cast<const Kind*>(element) != nullptr;
}

void MoveTo(ElementList& from, std::size_t index, ElementList& to)
{
    to.push_back(std::move(from[index]));
    from.erase(from.begin() + std::ptrdiff_t(index));
}

bool Waiting(CVantrelDoc& document, std::int32_t id)
{
    return document.ResolveSourceUpToBreaker(id) != nullptr;
}

bool MainReady(CVantrelDoc& document, const LogElement& element)
{
    for (int j = 0; j < element.InputCount(); ++j)
        if (!element.IsNumericPin(true, j) && !element.IsBreakingInput(j) &&
            Waiting(document, element.inputs[j]))
            return false;
    return true;
}

bool WaitsOnlyAtDelayedInputs(CVantrelDoc& document, const LogElement& element)
{
    for (int j = 0; j < element.InputCount(); ++j)
        if (!element.IsNumericPin(true, j) && Waiting(document, element.inputs[j]) &&
            !element.IsDelayedInput(j))
            return false;
    return true;
}

bool RegisterReady(CVantrelDoc& document, const LogElement& element)
{
    for (int j = 0; j < element.InputCount(); ++j) {
        if (!element.IsNumericPin(true, j))
            continue;
        LogElement* source = document.ResolveSource(element.inputs[j]);
        if (source && !Is<Acc>(source) && !Is<NL_Constant>(source))
            return false;
    }
    return true;
}

// One pass: every ready element, in list order, moves at once.
template <class Ready>
int Pass(CVantrelDoc& document, ElementList& list, ElementList& sorted, Ready ready)
{
    int moved = 0;
    for (std::size_t i = 0; i < list.size();) {
        if (ready(document, *list[i])) {
            MoveTo(list, i, sorted);
            ++moved;
        } else {
            ++i;
        }
    }
    return moved;
}

} // namespace

int OracleSortMain(CVantrelDoc& document)
{
    ElementList& list = document.elements[kMainList];
    if (list.empty())
        return 0;
    ElementList sorted;
    for (std::size_t i = 0; i < list.size();) {
        if (Is<LogIn>(list[i].get()) || Is<LogUser>(list[i].get()) || Is<LogClock>(list[i].get()))
            MoveTo(list, i, sorted);
        else
            ++i;
    }
    int weak = 0;
    int strong = 0;
    bool progress = true;
    while (!list.empty()) {
        if (!progress) {
            MoveTo(list, 0, sorted);
            ++strong;
        }
        if (Pass(document, list, sorted, MainReady) > 0) {
            progress = true;
            continue;
        }
        progress = false;
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (WaitsOnlyAtDelayedInputs(document, *list[i])) {
                MoveTo(list, i, sorted);
                ++weak;
                progress = true;
                break;
            }
        }
    }
    list = std::move(sorted);
    document.SetModified(true);
    if (weak != 0)
        document.GetNotifier().Message(u"Found " + Decimal(weak) + u" weak and " + Decimal(strong) +
                                           u" strong loops",
                                       u"Autosort complete", MessageButtons::Ok);
    return strong;
}

bool OracleSortRegisters(CVantrelDoc& document)
{
    ElementList& list = document.elements[kRegisterList];
    if (list.empty())
        return true;
    ElementList sorted;
    for (std::size_t i = 0; i < list.size();) {
        if (Is<Analog_Input>(list[i].get()))
            MoveTo(list, i, sorted);
        else
            ++i;
    }
    bool complete = true;
    bool progress = true;
    while (!list.empty()) {
        if (!progress) {
            MoveTo(list, 0, sorted);
            complete = false;
        }
        progress = Pass(document, list, sorted, RegisterReady) > 0;
    }
    list = std::move(sorted);
    document.SetModified(true);
    return complete;
}

} // namespace vantrel::test
