#include "editing/element_ids.h"

#include "document/vantrel_doc.h"

namespace vantrel {

namespace {

constexpr char16_t kNoIdsLeft[] =
    u"This design has used up its element ids: every element gets an id of its own, up to "
    u"2147483647, and too few are left for the new elements. Nothing was added. Copy the "
    u"elements you need into a new design and go on there.";

} // namespace

bool ElementIdsLeftFor(CVantrelDoc& document, std::int64_t count)
{
    if (document.ElementIdsLeft() >= count)
        return true;
    document.GetNotifier().Message(kNoIdsLeft, kApplicationTitle, MessageButtons::Ok);
    return false;
}

} // namespace vantrel
