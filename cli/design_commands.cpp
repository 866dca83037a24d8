#include "design_commands.h"

#include "compiler/autosort.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "export/export_routines.h"

#include <cstdio>
#include <ostream>
#include <string>

namespace vantrel::cli {

namespace {

// One line of JSON: {"key":value,...} with the keys in the given order.
class JsonLine
{
public:
    explicit JsonLine(std::ostream& out) : out_(out) { out_ << '{'; }
    JsonLine& Number(const char* key, long long value)
    {
        Key(key);
        out_ << value;
        return *this;
    }
    JsonLine& Text(const char* key, const std::string& value)
    {
        Key(key);
        out_ << '"' << value << '"';
        return *this;
    }
    JsonLine& Open(const char* key)
    {
        Key(key);
        out_ << '{';
        first_ = true;
        return *this;
    }
    JsonLine& Close()
    {
        out_ << '}';
        first_ = false;
        return *this;
    }

private:
    void Key(const char* key)
    {
        out_ << (first_ ? "" : ",") << '"' << key << "\":";
        first_ = false;
    }

    std::ostream& out_;
    bool first_ = true;
};

} // namespace

int RunInfo(const Arguments& arguments, Context& context)
{
    CVantrelDoc& document = CommandDocument();
    if (!OpenDesignArgument(arguments, document, context))
        return kExitCannotOpen;
    const auto count = [&](int list) {
        return static_cast<long long>(document.elements[list].size());
    };
    JsonLine json(context.out);
    json.Number("version", document.fileVersion)
        .Number("numInputs", document.numInputs)
        .Number("numOutputs", document.numOutputs)
        .Number("nextId", document.StoredNextElementId())
        .Number("speed", document.speed)
        .Text("background", HexColour(document.backgroundColour))
        .Number("stamp", document.designStamp)
        .Open("lists")
        .Number("main", count(kMainList))
        .Number("indirect", count(kIndirectList))
        .Number("register", count(kRegisterList))
        .Number("accumulator", count(kAccumulatorList))
        .Number("noop", count(kNoOpList))
        .Number("constant", count(kConstantList))
        .Number("timer", count(kTimerList))
        .Number("comment", count(kCommentList))
        .Close()
        .Number("paint", static_cast<long long>(document.paintObjects.size()))
        .Number("commands", static_cast<long long>(document.complexCommands.size()))
        .Number("simulation", static_cast<long long>(document.simulationElements.size()))
        .Number("pages", static_cast<long long>(document.pageBackgrounds.size()))
        .Number("remoteModules", static_cast<long long>(document.remoteIo.modules.size()))
        .Number("customModules", static_cast<long long>(document.remoteIo.customModules.size()))
        .Number("requiredVersion", document.RequiredDesignVersion())
        .Number("loopElements", static_cast<long long>(document.LoopSet().size()))
        .Close();
    context.out << '\n';
    return kExitOk;
}

int RunSort(const Arguments& arguments, Context& context)
{
    CVantrelDoc& document = CommandDocument();
    if (!OpenDesignArgument(arguments, document, context))
        return kExitCannotOpen;
    if (!AutoSort(document))
        return kExitCannotWrite;
    const std::filesystem::path output = arguments.Value("-o").value_or(DesignPath(arguments));
    return SaveDesign(document, output, context.codec) ? kExitOk : kExitCannotWrite;
}

int RunSave(const Arguments& arguments, Context& context)
{
    const std::optional<std::string> output = arguments.Value("-o");
    if (!output)
        throw UsageError("save needs -o OUT");
    CVantrelDoc& document = CommandDocument();
    if (!OpenDesignArgument(arguments, document, context))
        return kExitCannotOpen;
    return SaveDesign(document, *output, context.codec) ? kExitOk : kExitCannotWrite;
}

int RunSimulation(const Arguments& arguments, Context& context)
{
    CVantrelDoc& document = CommandDocument();
    if (!OpenDesignArgument(arguments, document, context))
        return kExitCannotOpen;
    const std::filesystem::path output =
        OutputPath(arguments.Value("-o").value_or("simulation.lgf"));
    return Tell(RunSimulationExport(document, output), output, context);
}

} // namespace vantrel::cli
