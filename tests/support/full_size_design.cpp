#include "support/full_size_design.h"

#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"
#include "support/fake_image_codec.h"
#include "support/sample_designs.h"

namespace vantrel::test {

namespace {

constexpr int kLogicElements = 12228;
constexpr int kAccumulators = 64;
constexpr int kConstants = 256;
constexpr int kRegisters = 256;
constexpr int kPaintObjects = 100;

Image PageImage(int seed)
{
    Image image{800, 480, {}};
    image.pixels.resize(std::size_t(image.width) * std::size_t(image.height));
    for (std::size_t i = 0; i < image.pixels.size(); ++i)
        image.pixels[i] = 0xFF000000u | std::uint32_t((i * 2654435761u + std::size_t(seed)) >> 8);
    return image;
}

} // namespace

void FillFullSizeDesign(CVantrelDoc& document, int pages)
{
    std::int32_t id = 1;
    ElementList& main = document.elements[kMainList];
    main.reserve(kLogicElements);
    for (int i = 0; i < kLogicElements; ++i, ++id) {
        const Point at{i % 200, i / 200};
        std::unique_ptr<LogElement> element;
        if (i % 100 == 0)
            element = std::make_unique<LogIn>(at, id, (i / 100) % 32, u"Input");
        else if (i % 100 == 99)
            element = std::make_unique<LogOut>(at, id, (i / 100) % 32, u"Output");
        else if (i % 100 == 50)
            element = std::make_unique<LogUser>(at, id, (i / 100) % 2048, u"User input");
        else if (i % 10 == 5)
            element = std::make_unique<LogDelay>(at, id, 3);
        else
            element = std::make_unique<LogAnd>(at, id);
        // Chains of a hundred, each element reading the one before it.
        element->inputs[0] = i % 100 == 0 ? 0 : id - 1;
        element->inputs[1] = i % 100 == 0 ? 0 : id - 1 - (i % 100 > 1 ? 1 : 0);
        main.push_back(std::move(element));
    }
    for (int i = 0; i < kAccumulators; ++i, ++id)
        document.elements[kAccumulatorList].push_back(
            std::make_unique<Acc>(Point{-1, i}, id, u"Accumulator", 0));
    const std::int32_t firstConstant = id;
    for (int i = 0; i < kConstants; ++i, ++id)
        document.elements[kConstantList].push_back(
            std::make_unique<NL_Constant>(Point{-2, i}, id, i * 10));
    for (int i = 0; i < kRegisters - kAccumulators; ++i, ++id) {
        auto reg = std::make_unique<GP_Register>(Point{-3, i}, id, i % 5, true, u"Register");
        reg->inputs[0] = i == 0 ? firstConstant : id - 1;
        reg->inputs[1] = firstConstant + i % kConstants;
        document.elements[kRegisterList].push_back(std::move(reg));
    }
    document.nextElementId = id;
    for (int i = 0; i < kPaintObjects; ++i) {
        auto kinds = OneOfEveryPaintKind();
        document.paintObjects.push_back(std::move(kinds[std::size_t(i) % kinds.size()]));
    }
    document.pageBackgrounds.clear();
    for (int page = 0; page < pages; ++page)
        document.pageBackgrounds.push_back(page % 2 == 0 ? FakeImageCodec::Encoded(PageImage(page))
                                                         : EncodedImage{});
}

} // namespace vantrel::test
