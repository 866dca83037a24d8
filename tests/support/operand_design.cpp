#include "support/operand_design.h"

#include "support/element_contract.h"
#include "support/test_elements.h"

namespace vantrel::test {

OperandDesign::OperandDesign()
{
    document.SetNotifier(&notifier);
    auto add = [this](std::int32_t id, int list, bool usesRegister) {
        document.InsertElement(std::make_unique<TestListed>(Point{-1, id}, id, list, usesRegister));
    };
    for (int i = 0; i < kMainCount; ++i)
        add(Main(i), kMainList, false);
    for (int i = 0; i < kRegisterCount; ++i)
        add(Register(i), kAccumulatorList, true);
    for (int i = 0; i < kConstantCount; ++i)
        add(Constant(i), kConstantList, false);
}

std::vector<std::uint32_t> OperandDesign::Words(const LogElement& element)
{
    return WordsOf(element, document);
}

} // namespace vantrel::test
