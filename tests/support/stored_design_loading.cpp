#include "support/stored_design_loading.h"

#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "support/fake_image_codec.h"
#include "support/versioned_design_writer.h"

#include <gtest/gtest.h>

namespace vantrel::test {

std::unique_ptr<CVantrelDoc> LoadStoredDesign(const StoredDesign& design, Notifier& notifier)
{
    auto document = std::make_unique<CVantrelDoc>(&notifier);
    const FakeImageCodec codec;
    if (!LoadDesign(*document, WriteDesignFile(design, CVantrelDoc::kDesignVersion), u"stored.lgc",
                    codec))
        return nullptr;
    return document;
}

std::vector<std::uint8_t> SavedFormOf(const StoredDesign& design)
{
    return WriteDesignFile(AsLoaded(design, CVantrelDoc::kDesignVersion),
                           CVantrelDoc::kDesignVersion);
}

StoredElement& StoredElementWithId(StoredDesign& design, std::int32_t id)
{
    for (auto& list : design.lists)
        for (StoredElement& element : list)
            if (element.id == id)
                return element;
    ADD_FAILURE() << "no element " << id;
    return design.lists[0].front();
}

} // namespace vantrel::test
