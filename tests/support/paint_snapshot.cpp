#include "support/paint_snapshot.h"

#include "archive/archive.h"
#include "document/system_classes.h"
#include "support/hex.h"

namespace vantrel::test {

std::string PaintSnapshot(std::vector<std::unique_ptr<PaintStuff>>& list)
{
    std::vector<std::uint8_t> bytes;
    CArchive archive(StoreTo, bytes, SystemClasses());
    archive.SerializeObjectList(list);
    return ToHex(bytes);
}

} // namespace vantrel::test
