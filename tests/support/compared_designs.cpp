#include "support/compared_designs.h"

#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "support/sample_designs.h"
#include "support/versioned_design_writer.h"

#include <fstream>

namespace vantrel::test {

StoredElement Input(std::int32_t id, std::int32_t x, std::int32_t y, std::u16string name)
{
    return {"LogIn", true, id, x, y, {}, {id - 1, std::move(name)}};
}

StoredElement Output(std::int32_t id, std::int32_t x, std::int32_t y,
                     std::vector<std::int32_t> inputs, std::u16string name)
{
    return {"LogOut", true, id, x, y, std::move(inputs), {id, std::move(name)}};
}

namespace {

StoredElement Gate(std::int32_t id, std::int32_t x, std::int32_t y,
                   std::vector<std::int32_t> inputs)
{
    return {"LogAnd", true, id, x, y, std::move(inputs), {}};
}

StoredPaint Figure(std::string className, std::array<float, 4> fromTo, std::int32_t width = 2)
{
    StoredPaint paint;
    paint.className = std::move(className);
    paint.width = width;
    paint.fromTo = fromTo;
    return paint;
}

} // namespace

StoredDesign ComparedBefore()
{
    StoredDesign design;
    design.designStamp = 1000;
    design.nextElementId = 6;
    design.lists[0] = {Input(1, 1, 1, u"Start"), Input(2, 1, 3, u"Stop"), Gate(3, 3, 2, {1, 2}),
                       Output(4, 5, 2, {3}, u"Lamp"), Output(5, 5, 5, {2}, u"Horn")};
    design.paint = {Figure("Square", {-0.8f, -0.8f, -0.4f, -0.4f}),
                    Figure("Line", {0.2f, -0.6f, 0.7f, -0.6f}),
                    Figure("Circle", {-0.6f, 0.3f, -0.2f, 0.7f})};
    return design;
}

StoredDesign ComparedAfter()
{
    StoredDesign design = ComparedBefore();
    design.nextElementId = 7;
    design.lists[0] = {Input(1, 1, 1, u"Start"), Input(2, 1, 4, u"Stop"), Gate(3, 3, 2, {1, 1}),
                       Output(4, 5, 2, {3}, u"Light"), Output(6, 7, 1, {3}, u"Bell")};
    design.paint = {Figure("Square", {-0.8f, -0.8f, -0.4f, -0.4f}),
                    Figure("Circle", {-0.6f, 0.3f, -0.2f, 0.7f}, 4),
                    Figure("Square", {0.3f, 0.3f, 0.6f, 0.6f})};
    return design;
}

// Two inputs, two gates and an output, with a paint object of every class.
void BuildComparedPlant(CVantrelDoc& document)
{
    auto& main = document.elements[kMainList];
    main.push_back(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Start"));
    main.push_back(std::make_unique<LogIn>(Point{0, 2}, 2, 1, u"Stop"));
    auto both = std::make_unique<LogAnd>(Point{2, 0}, 3);
    both->inputs = {1, 2, 0, 0};
    main.push_back(std::move(both));
    auto either = std::make_unique<LogOr>(Point{4, 0}, 4);
    either->inputs = {3, 2, 0, 0};
    main.push_back(std::move(either));
    auto lamp = std::make_unique<LogOut>(Point{6, 0}, 5, 0, u"Lamp");
    lamp->inputs[0] = 4;
    main.push_back(std::move(lamp));
    document.paintObjects = OneOfEveryPaintKind();
    document.nextElementId = 6;
    document.designStamp = 7;
}

void WriteComparedDesign(const StoredDesign& design, const std::filesystem::path& path)
{
    const std::vector<std::uint8_t> bytes = WriteDesignFile(design, CVantrelDoc::kDesignVersion);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

} // namespace vantrel::test
