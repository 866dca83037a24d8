#include "support/words_design.h"

#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"

namespace vantrel::test {

void FillWordsDesign(CVantrelDoc& document)
{
    ElementList& main = document.elements[kMainList];
    const char16_t* inputs[] = {u"Start", u"Stop", u"Guard", u"Reset"};
    for (std::int32_t i = 0; i < 4; ++i)
        main.push_back(std::make_unique<LogIn>(Point{1, 1 + 2 * i}, i + 1, i, inputs[i]));
    auto run = std::make_unique<LogAnd>(Point{4, 2}, 5);
    run->inputs = {1, 3, 0, 0};
    auto stop = std::make_unique<LogOr>(Point{4, 6}, 6);
    stop->inputs = {2, 4, 0, 0};
    auto motor = std::make_unique<LogOut>(Point{7, 2}, 7, 0, u"Motor");
    motor->inputs = {5, 0, 0, 0};
    auto lamp = std::make_unique<LogOut>(Point{7, 6}, 8, 1, u"Lamp");
    lamp->inputs = {6, 0, 0, 0};
    main.push_back(std::move(run));
    main.push_back(std::move(stop));
    main.push_back(std::move(motor));
    main.push_back(std::move(lamp));
    document.nextElementId = 9;
}

std::vector<std::string> WordsDesignLabels()
{
    return {"Start", "Stop", "Guard", "Reset", "Motor", "Lamp"};
}

} // namespace vantrel::test
