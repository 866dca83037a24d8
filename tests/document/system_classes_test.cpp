#include "document/system_classes.h"

#include "archive/serializable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vantrel {
namespace {

// The class names design files hold: a renamed class is a file that no longer
// loads, so they are written out here as the files know them.
const std::vector<std::string> kFileClassNames{
    "Acc",
    "AccOp",
    "Analog_Input",
    "Analog_Output",
    "Circle",
    "ComplexCommand",
    "Curve",
    "FPoint",
    "FilledCircle",
    "FilledSquare",
    "FilledText",
    "GP_Register",
    "Line",
    "LogAnd",
    "LogBigAlarm",
    "LogBigAnd",
    "LogBigOp",
    "LogBigOr",
    "LogBreaker",
    "LogClock",
    "LogComment",
    "LogCompEq",
    "LogCompL",
    "LogDelay",
    "LogDelayedSwitch",
    "LogElement",
    "LogEndMarker",
    "LogFilter",
    "LogIO",
    "LogIn",
    "LogMem",
    "LogNAND",
    "LogNOR",
    "LogNXOR",
    "LogNot",
    "LogOr",
    "LogOut",
    "LogPulseDelay",
    "LogPulseUser",
    "LogReplicator",
    "LogSpeed",
    "LogStartMarker",
    "LogSwitch",
    "LogTimer",
    "LogToggle",
    "LogTrigger",
    "LogUser",
    "LogUserOut",
    "LogVarDelay",
    "LogVarPulseDelay",
    "LogXOR",
    "LoggedUserOut",
    "MathOp",
    "NLEndMarker",
    "NLStartMarker",
    "NL_Constant",
    "NoOp",
    "SimElement",
    "Square",
    "TempInput",
    "TextStuff",
};

TEST(SystemClasses, HoldTheSixtyOneFileClassesEachWithSchemaOneAndAFactoryOfItself)
{
    std::vector<std::string> names;
    for (const ClassEntry& entry : SystemClasses().Entries()) {
        SCOPED_TRACE(std::string(entry.name));
        names.emplace_back(entry.name);
        EXPECT_EQ(entry.schema, 1);
        ASSERT_TRUE(entry.factory);
        EXPECT_EQ(entry.factory()->ClassName(), entry.name);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, kFileClassNames);
    // Intermediate classes are never written as such.
    EXPECT_EQ(SystemClasses().Find("LogIndirect"), nullptr);
    EXPECT_EQ(SystemClasses().Find("PaintStuff"), nullptr);
}

} // namespace
} // namespace vantrel
