#include "document/vantrel_doc.h"

#include "elements/io_elements.h"
#include "support/recording_notifier.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

class NumberChecks : public ::testing::Test
{
protected:
    void SetUp() override { document.SetNotifier(&notifier); }

    template <class Kind> void Add(std::int32_t number, const char16_t* name = u"io")
    {
        auto element = std::make_unique<Kind>(Point{0, nextId}, nextId, number, name);
        ++nextId;
        ASSERT_TRUE(document.InsertElement(std::move(element)));
    }

    test::RecordingNotifier notifier;
    CVantrelDoc document;
    std::int32_t nextId = 1;
};

TEST_F(NumberChecks, FillsTheTableAndReportsRangeAndDuplicates)
{
    Add<LogIn>(0, u"first");   // id 1
    Add<LogIn>(5, u"second");  // id 2
    Add<LogIn>(5, u"again");   // id 3: duplicate
    Add<LogIn>(32, u"beyond"); // id 4: out of range
    Add<LogIn>(-1, u"below");  // id 5: out of range
    Add<LogOut>(5, u"output"); // another kind: not checked
    std::vector<std::int32_t> table(32, 7);
    EXPECT_EQ(document.CheckNumbers(NumberKind::Inputs, table, 32), 27);
    ASSERT_EQ(table.size(), 32u);
    EXPECT_EQ(table[0], 1);
    EXPECT_EQ(table[5], 2);
    EXPECT_EQ(std::count(table.begin(), table.end(), -1), 30);
    EXPECT_EQ(notifier.Messages(),
              (std::vector<std::string>{"Error: Duplicate numbers", "Out of range: beyond",
                                        "Out of range: below"}));
}

TEST_F(NumberChecks, NoInputsAllowedReportsEveryInput)
{
    Add<LogIn>(0, u"a");
    Add<LogIn>(1, u"b");
    document.numInputs = 0;
    EXPECT_EQ(document.CheckNumbers(NumberKind::Inputs), -2);
    EXPECT_EQ(notifier.Messages(),
              (std::vector<std::string>{"Out of range: a", "Out of range: b"}));
}

TEST_F(NumberChecks, SubclassesCountWithTheirKind)
{
    Add<LogUser>(0);
    Add<LogPulseUser>(1);
    Add<LogUserOut>(0);
    Add<LoggedUserOut>(0); // duplicate of the user output
    EXPECT_EQ(document.CheckNumbers(NumberKind::UserInputs), 2046);
    EXPECT_TRUE(notifier.Messages().empty());
    EXPECT_EQ(document.CheckNumbers(NumberKind::UserOutputs), 2046);
    EXPECT_EQ(notifier.Messages(), std::vector<std::string>{"Error: Duplicate numbers"});
}

TEST_F(NumberChecks, AnalogLimitsComeFromTheRemoteRegisterModules)
{
    Add<Analog_Input>(0, u"level");
    EXPECT_EQ(document.CheckNumbers(NumberKind::AnalogInputs), -1);
    EXPECT_EQ(notifier.Messages(), std::vector<std::string>{"Out of range: level"});

    notifier.Clear();
    CustomRemoteModule reader; // 8 registers read with function 4
    document.remoteIo.customModules.push_back(reader);
    CustomRemoteModule bits = reader; // a bit module takes no analog channels
    bits.registerType = CustomRemoteModule::kBitRegisters;
    document.remoteIo.customModules.push_back(bits);
    EXPECT_EQ(document.NumberLimit(NumberKind::AnalogInputs), 8);
    EXPECT_EQ(document.NumberLimit(NumberKind::AnalogOutputs), 0);
    EXPECT_EQ(document.CheckNumbers(NumberKind::AnalogInputs), 7);
    EXPECT_TRUE(notifier.Messages().empty());
    EXPECT_EQ(document.NumberTable()[0], 1);
}

TEST_F(NumberChecks, AnAbsurdLimitFromADamagedFileAllocatesOnlyWhatIsInUse)
{
    Add<LogIn>(5, u"five");
    document.numInputs = 2'000'000'000;
    EXPECT_EQ(document.CheckNumbers(NumberKind::Inputs), 1'999'999'999);
    EXPECT_EQ(document.NumberTable().size(), 6u);
    EXPECT_EQ(document.NumberTable()[5], 1);
}

TEST_F(NumberChecks, FirstFreeNumberSkipsTakenNumbers)
{
    EXPECT_EQ(document.FirstFreeNumber(NumberKind::UserInputs), 0);
    Add<LogUser>(0);
    Add<LogPulseUser>(1);
    Add<LogUser>(3);
    EXPECT_EQ(document.FirstFreeNumber(NumberKind::UserInputs), 2);
    EXPECT_EQ(document.FirstFreeNumber(NumberKind::UserOutputs), 0);
}

TEST_F(NumberChecks, FirstFreeNumberIsMinusOneWhenAllAreTaken)
{
    for (int number = 0; number < CVantrelDoc::kUserNumberCapacity; ++number)
        Add<LogUserOut>(number);
    EXPECT_EQ(document.FirstFreeNumber(NumberKind::UserOutputs), -1);
}

} // namespace
} // namespace vantrel
