// The remote modules: the controller's own remote I/O modules and the custom
// MODBUS modules, each with its link and the numbers it takes.
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "export/report_sections.h"
#include "export/report_text.h"

namespace vantrel {

namespace {

// Hands out the numbers of one range in module order.
class NumberCursor
{
public:
    explicit NumberCursor(std::int64_t first) : next_(first) {}

    // The next `count` numbers as "8 bits: 25-32"; "none" for no numbers.
    std::u16string Take(std::int64_t count, const std::u16string& unit)
    {
        if (count <= 0)
            return u"none";
        std::u16string text = Decimal(count) + u" " + unit + u": " + NumberRange(next_, count);
        next_ += count;
        return text;
    }

private:
    std::int64_t next_;
};

std::u16string Baud(std::int32_t baud)
{
    return Decimal(baud) + u" baud";
}

ReportTable RemoteIoTable(const CVantrelDoc& document, NumberCursor& inputs, NumberCursor& outputs)
{
    ReportTable table{u"Remote I/O modules",
                      {u"Module", u"Port", u"Speed", u"Requests", u"Inputs", u"Outputs"},
                      {}};
    const auto& modules = document.remoteIo.modules;
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const RemoteIoModule& module = modules[i];
        table.rows.push_back(
            {u"Remote " + Decimal(static_cast<long long>(i)), Decimal(module.port),
             Baud(module.baud), module.legacyCommands ? u"separate read and write" : u"combined",
             inputs.Take(module.inputBits, u"bits"), outputs.Take(module.outputBits, u"bits")});
    }
    return table;
}

// What a custom module takes: digital numbers for a bit module (its
// registers rounded up to whole bytes), analog channels for the others.
std::u16string CustomModuleNumbers(const CustomRemoteModule& module, NumberCursor& inputs,
                                   NumberCursor& outputs, NumberCursor& analogInputs,
                                   NumberCursor& analogOutputs)
{
    if (module.NumbersDigitalIo(true))
        return inputs.Take((module.registerCount + 7) / 8 * 8, u"inputs");
    if (module.NumbersDigitalIo(false))
        return outputs.Take((module.registerCount + 7) / 8 * 8, u"outputs");
    if (module.IsLogicModule())
        return u"none";
    return module.Reads() ? analogInputs.Take(module.registerCount, u"analog inputs")
                          : analogOutputs.Take(module.registerCount, u"analog outputs");
}

ReportTable CustomModuleTable(const CVantrelDoc& document, NumberCursor& inputs,
                              NumberCursor& outputs)
{
    ReportTable table{u"Custom modules",
                      {u"Module", u"MODBUS address", u"Port", u"Speed", u"Stop bits", u"Function",
                       u"Registers", u"Numbers"},
                      {}};
    NumberCursor analogInputs(0);
    NumberCursor analogOutputs(0);
    const auto& modules = document.remoteIo.customModules;
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const CustomRemoteModule& module = modules[i];
        table.rows.push_back(
            {u"Custom " + Decimal(static_cast<long long>(i)), Decimal(module.modbusAddress),
             Decimal(module.port), Baud(module.baud), Decimal(module.stopBits),
             Decimal(module.modbusCommand) + u" " + ModbusFunctionName(module.modbusCommand),
             Decimal(module.registerCount) + u" \u00d7 " + RegisterTypeName(module.registerType) +
                 u" from address " + Decimal(module.registerAddress),
             CustomModuleNumbers(module, inputs, outputs, analogInputs, analogOutputs)});
    }
    return table;
}

} // namespace

void AddModuleSection(ReportSource& source, ReportSections& sections)
{
    const CVantrelDoc& document = source.document;
    const RemoteIoConfiguration& remote = document.remoteIo;
    if (remote.modules.empty() && remote.customModules.empty())
        return;
    // Remote I/O modules first, then the bit modules, from the bottom of the
    // numbers the modules take at the top of each range.
    NumberCursor inputs(remote.FirstRemoteNumber(true, document.numInputs));
    NumberCursor outputs(remote.FirstRemoteNumber(false, document.numOutputs));
    ReportSection section{u"Remote modules", {}};
    if (!remote.modules.empty())
        section.blocks.push_back(RemoteIoTable(document, inputs, outputs));
    if (!remote.customModules.empty())
        section.blocks.push_back(CustomModuleTable(document, inputs, outputs));
    sections.push_back(std::move(section));
}

} // namespace vantrel
