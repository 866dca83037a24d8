#include "support/sample_designs.h"

#include "elements/big_gates.h"
#include "elements/gates.h"
#include "elements/io_elements.h"

namespace vantrel::test {

std::vector<std::unique_ptr<LogElement>> OneOfEveryKind()
{
    std::vector<std::unique_ptr<LogElement>> kinds;
    auto add = [&](std::unique_ptr<LogElement> element) {
        const auto id = std::int32_t(kinds.size()) + 1;
        element->id = id;
        element->pos = {id % 7, id / 7};
        for (int i = 0; i < element->InputCount(); ++i)
            element->inputs[i] = (id + i) % 5 + 1;
        kinds.push_back(std::move(element));
    };
    add(std::make_unique<LogAnd>());
    add(std::make_unique<LogOr>());
    add(std::make_unique<LogNAND>());
    add(std::make_unique<LogNOR>());
    add(std::make_unique<LogXOR>());
    add(std::make_unique<LogNXOR>());
    add(std::make_unique<LogNot>());
    add(std::make_unique<LogBigAnd>(Point{}, 0, 1, 16, LogBigOp::kInputs, false));
    add(std::make_unique<LogBigOr>(Point{}, 0, 2, 8, LogBigOp::kOutputs, true));
    add(std::make_unique<LogBigAlarm>(Point{}, 0, 3, 4, LogBigOp::kOutputs, true));
    add(std::make_unique<LogIn>(Point{}, 0, 1, u"Start"));
    add(std::make_unique<LogOut>(Point{}, 0, 2, u"Lamp"));
    auto user = std::make_unique<LogUser>(Point{}, 0, 3, u"Reset");
    user->restricted = 1;
    add(std::move(user));
    add(std::make_unique<LogPulseUser>(Point{}, 0, 4, u"Pulse"));
    add(std::make_unique<LogUserOut>(Point{}, 0, 5, u"Busy"));
    auto logged = std::make_unique<LoggedUserOut>(Point{}, 0, 6, u"Door \u00e9");
    logged->loggedIds = {1, 2, 3};
    add(std::move(logged));
    add(std::make_unique<Analog_Input>(Point{}, 0, 0, u"Level"));
    add(std::make_unique<Analog_Output>(Point{}, 0, 1, u"Valve"));
    add(std::make_unique<TempInput>(Point{}, 0, 2, 15, u"North"));
    return kinds;
}

} // namespace vantrel::test
