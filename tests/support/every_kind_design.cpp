#include "support/every_kind_design.h"

#include "support/fake_image_codec.h"
#include "support/sample_designs.h"

namespace vantrel::test {

void BuildEveryKindDesign(CVantrelDoc& document)
{
    for (auto& element : OneOfEveryKind()) {
        const int list = element->ListKind();
        document.elements[list].push_back(std::move(element));
    }
    document.paintObjects = OneOfEveryPaintKind();
    auto command = std::make_unique<ComplexCommand>(u"Start");
    command->settings = {{13, true}, {14, false}};
    document.complexCommands.push_back(std::move(command));
    auto valve = std::make_unique<SimElement>(0, u"Valve");
    valve->inputs = {11, -1};
    document.simulationElements.push_back(std::move(valve));
    document.pageBackgrounds = {FakeImageCodec::Encoded(FakeImageCodec::Sample(2, 2)), {}};
    document.remoteIo.modules.push_back({8, 8, 1, 57600, false});
    document.remoteIo.customModules.push_back({});
    document.designStamp = 0x600D5EED;
}

} // namespace vantrel::test
