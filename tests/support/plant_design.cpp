#include "support/plant_design.h"

#include "elements/gates.h"
#include "elements/io_elements.h"
#include "elements/numeric_elements.h"
#include "elements/timing_elements.h"

namespace vantrel::test {

void BuildSmallPlant(CVantrelDoc& document)
{
    document.designStamp = 0x12345678;
    Place<LogIn>(document, 10, {}, 0, u"Start");
    Place<LogUser>(document, 11, {}, 7, u"Jog");
    Place<LogAnd>(document, 12, {10, 11});
    Place<LogOut>(document, 13, {12}, 2, u"Lamp");
    Place<LogUserOut>(document, 14, {12}, 0, u"Done");
    Place<LogDelay>(document, 15, {12}, 5);
    Place<Acc>(document, 20, {}, u"A", 0);
    Place<Acc>(document, 21, {}, u"B", 0);
    Place<NoOp>(document, 30, {}, u"N", 0);
    Place<LogTimer>(document, 40, {11}, u"T", false);
    Place<AccOp>(document, 50, {60, 12}, 0, 20);
    Place<GP_Register>(document, 51, {21, 60}, 0, true, u"G1");
    Place<GP_Register>(document, 52, {51, 40}, 1, false, u"G2");
    Place<NL_Constant>(document, 60, {}, 1000);
    document.remoteIo.modules.push_back({8, 16, 1, 57600, false});
}

} // namespace vantrel::test
