// The hardware, complex-command and simulation commands on a real design,
// answered by scripted dialogs: what each does to the design, its undo step,
// its modified mark and when it may run.
#include "editing/configuration_commands.h"

#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "editing/view_state.h"
#include "elements/io_elements.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace vantrel {
namespace {

using namespace command;

// Everything the configuration commands can change, comparable as a whole.
struct Configuration
{
    std::int32_t numInputs = 0;
    std::int32_t numOutputs = 0;
    std::int32_t speed = 0;
    RemoteIoConfiguration remoteIo;
    std::vector<std::pair<std::u16string, std::map<std::int32_t, bool>>> commands;
    std::vector<std::tuple<std::int32_t, std::u16string, std::vector<std::int32_t>,
                           std::vector<std::int32_t>>>
        simulation;
    friend bool operator==(const Configuration&, const Configuration&) = default;
};

Configuration ConfigurationOf(const CVantrelDoc& document)
{
    Configuration configuration{
        document.numInputs, document.numOutputs, document.speed, document.remoteIo, {}, {}};
    for (const auto& command : document.complexCommands)
        configuration.commands.emplace_back(command->name, command->settings);
    for (const auto& element : document.simulationElements)
        configuration.simulation.emplace_back(element->type, element->name, element->inputs,
                                              element->outputs);
    return configuration;
}

class ConfigurationCommands : public ::testing::Test
{
protected:
    ConfigurationCommands()
    {
        document.InsertElement(std::make_unique<LogIn>(Point{0, 0}, 1, 3, u"Level"));
        document.InsertElement(std::make_unique<LogOut>(Point{0, 1}, 2, 0, u"Valve"));
        document.InsertElement(std::make_unique<LogUser>(Point{0, 2}, 3, 0, u"Start"));
        document.complexCommands.push_back(std::make_unique<ComplexCommand>(u"Stop all"));
        document.SetModified(false);
        dialogs.editCommands = [](std::vector<ComplexCommand>& commands) {
            commands.emplace_back(u"Start all").settings[3] = true;
        };
        dialogs.editSimElements = [](std::vector<SimElement>& elements) {
            SimElement& rotary = elements.emplace_back(1, u"Mixer");
            rotary.inputs = {1};
        };
    }

    void Run(int id) { RunConfigurationDialog(id, document, dialogs); }

    test::RecordingNotifier notifier;
    CVantrelDoc document{&notifier};
    test::ScriptedConfigDialogs dialogs;
};

TEST_F(ConfigurationCommands, IoCountOffersNoCountBelowTheHighestNumberInUse)
{
    Run(kIoCount);
    document.InsertElement(std::make_unique<LogIn>(Point{1, 0}, 4, 40, u"High"));
    Run(kIoCount);
    CVantrelDoc empty;
    RunConfigurationDialog(kIoCount, empty, dialogs);
    // A number no board has (a damaged file) leaves nothing to offer.
    CVantrelDoc damaged;
    damaged.InsertElement(std::make_unique<LogIn>(Point{0, 0}, 1, 0x7FFFFFFF, u"Far"));
    RunConfigurationDialog(kIoCount, damaged, dialogs);
    EXPECT_EQ(
        dialogs.calls,
        (std::vector<std::string>{
            R"(BoardNumConfig("Select IO Count", in 4..2048 at 32, out 1..2048 at 32, port -1))",
            R"(BoardNumConfig("Select IO Count", in 41..2048 at 48, out 1..2048 at 56, port -1))",
            R"(BoardNumConfig("Select IO Count", in 0..2048 at 32, out 0..2048 at 32, port -1))",
            R"(BoardNumConfig("Select IO Count", in 2049..2048 at 32, out 0..2048 at 32, port -1))",
        }));
}

// Each command with the answer of the scripted dialogs changes the design
// as one undo step that undo and redo exchange exactly.
TEST_F(ConfigurationCommands, EachChangeIsOneUndoStep)
{
    for (int id :
         {kIoCount, kIoSpeed, kRemoteIo, kCustomRemoteIo, kComplexCommands, kSimulationSetup}) {
        SCOPED_TRACE(id);
        const Configuration before = ConfigurationOf(document);
        const std::size_t steps = document.UndoStack().size();
        Run(id);
        const Configuration after = ConfigurationOf(document);
        EXPECT_NE(after, before);
        EXPECT_TRUE(document.IsModified());
        ASSERT_EQ(document.UndoStack().size(), steps + 1);

        std::vector<LogElement*> selection;
        document.Undo(selection);
        EXPECT_EQ(ConfigurationOf(document), before);
        document.Redo(selection);
        EXPECT_EQ(ConfigurationOf(document), after);
        document.SetModified(false);
    }
    const Configuration all = ConfigurationOf(document);
    EXPECT_EQ(all.numInputs, 48);
    EXPECT_EQ(all.numOutputs, 56);
    EXPECT_EQ(all.speed, 100);
    EXPECT_EQ(all.remoteIo.modules, dialogs.remoteModules);
    EXPECT_EQ(all.remoteIo.customModules, dialogs.customModules);
    ASSERT_EQ(all.commands.size(), 2u);
    EXPECT_EQ(all.commands[1].first, u"Start all");
    ASSERT_EQ(all.simulation.size(), 1u);
    EXPECT_EQ(std::get<2>(all.simulation[0]), (std::vector<std::int32_t>{1}));
}

TEST_F(ConfigurationCommands, CancelChangesNothing)
{
    dialogs.cancel = true;
    for (int id : {kIoCount, kIoSpeed, kRemoteIo, kCustomRemoteIo}) {
        Run(id);
        EXPECT_FALSE(document.IsModified()) << id;
    }
    EXPECT_EQ(dialogs.calls.size(), 4u);
    EXPECT_TRUE(document.UndoStack().empty());
}

// An answer equal to the configuration leaves no undo step; all but "Remote
// I/O" still mark the design modified, as closing those dialogs always did.
TEST_F(ConfigurationCommands, UnchangedAnswerLeavesNoUndoStep)
{
    dialogs.counts.inputs = dialogs.counts.outputs = 32;
    dialogs.speed = document.speed;
    dialogs.remoteModules.clear();
    dialogs.customModules.clear();
    dialogs.editCommands = nullptr;
    dialogs.editSimElements = nullptr;
    const std::pair<int, bool> cases[] = {
        {kIoCount, true},        {kIoSpeed, true},         {kRemoteIo, false},
        {kCustomRemoteIo, true}, {kComplexCommands, true}, {kSimulationSetup, true},
    };
    for (const auto& [id, marks] : cases) {
        document.SetModified(false);
        Run(id);
        EXPECT_EQ(document.IsModified(), marks) << id;
    }
    EXPECT_TRUE(document.UndoStack().empty());
}

TEST_F(ConfigurationCommands, EnabledStates)
{
    ViewState state;
    EXPECT_TRUE(IsConfigurationCommandEnabled(kComplexCommands, document, state));
    EXPECT_FALSE(IsConfigurationCommandEnabled(kSimulationExport, document, state));
    for (int id : {kIoCount, kIoSpeed, kRemoteIo, kCustomRemoteIo, kSimulationSetup})
        EXPECT_TRUE(IsConfigurationCommandEnabled(id, document, state)) << id;

    state.layoutMode = LayoutMode::Preview;
    EXPECT_FALSE(IsConfigurationCommandEnabled(kComplexCommands, document, state));
    document.simulationElements.push_back(std::make_unique<SimElement>(0, u"Valve"));
    EXPECT_TRUE(IsConfigurationCommandEnabled(kSimulationExport, document, state));
    EXPECT_FALSE(IsConfigurationCommand(kAutoSort));
}

// Labels, descriptions, number limits and the required version are read
// from the configuration, so they follow a change at once.
TEST_F(ConfigurationCommands, DerivedFactsFollowTheNewConfiguration)
{
    document.InsertElement(std::make_unique<LogIn>(Point{1, 0}, 4, 30, u"Far"));
    document.InsertElement(std::make_unique<Analog_Input>(Point{1, 1}, 5, 2, u"Flow"));
    const LogElement& far = *document.FindById(4);
    EXPECT_EQ(far.Describe(document), u"Input: Far, 31");
    EXPECT_EQ(document.NumberLimit(NumberKind::AnalogInputs), 0);
    const int versionBefore = document.RequiredDesignVersion();

    dialogs.customModules = {CustomRemoteModule{}}; // 8 input registers
    Run(kRemoteIo);
    Run(kCustomRemoteIo);
    EXPECT_EQ(far.Describe(document), u"Input: Far, Remote 0: 7");
    EXPECT_EQ(document.NumberLimit(NumberKind::AnalogInputs), 8);
    EXPECT_GT(document.RequiredDesignVersion(), versionBefore);
    EXPECT_GE(document.RequiredDesignVersion(), 9);
}

TEST_F(ConfigurationCommands, SimulationExportWritesTheChosenFile)
{
    test::ScriptedPrompts prompts;
    EXPECT_FALSE(ExportSimulationCommand(document, prompts));
    EXPECT_EQ(prompts.asked, std::vector<std::u16string>{u"simulation.lgf"});

    prompts.folder = test::FreshTestFolder("configuration");
    Run(kSimulationSetup);
    const std::optional<ExportOutcome> outcome = ExportSimulationCommand(document, prompts);
    ASSERT_TRUE(outcome);
    EXPECT_TRUE(outcome->Succeeded());
    EXPECT_EQ(test::ToHex(ReadFileBytes(*prompts.folder / "simulation.lgf")),
              test::ToHex(test::FromHex("01 00 00 00  01 00 00 00 01 00 00 00 01 00 00 00"
                                        "03 00 00 00 FF FF FF FF")));
}

} // namespace
} // namespace vantrel
