#include "support/design_exports.h"

#include "document/vantrel_doc.h"
#include "export/export_routines.h"
#include "export/io_list.h"

#include <algorithm>

namespace vantrel::test {

namespace {

constexpr IoListType kIoLists[] = {kInputList, kOutputList, kAnalogInputList, kAnalogOutputList};

// The outcome's report, after its messages went where the document's go and
// its corrections into the design, as the editor does; a file that could
// not be written fails the caller.
std::u16string ReportOf(CVantrelDoc& document, const ExportOutcome& outcome)
{
    for (const NoticeText& message : outcome.messages)
        document.GetNotifier().Message(message.text, message.caption);
    StoreCorrections(document, outcome.corrections);
    if (!outcome.Succeeded())
        throw outcome.failures.front();
    return outcome.report.value_or(u"");
}

} // namespace

std::u16string WriteAllExports(CVantrelDoc& document, const std::filesystem::path& folder,
                               const ImageCodec& codec, std::int32_t randomNumber)
{
    std::u16string reports =
        ReportOf(document, RunFlashExport(document, folder / "flash.lgf", codec, randomNumber));
    reports += u"\n" + ReportOf(document,
                                RunJsonExport(document, folder / "flash.lgj", codec, randomNumber));
    for (int type : kIoLists) {
        ExportIoList(document, folder / DefaultIoListName(type, true), type, 32, true);
        ExportIoList(document, folder / DefaultIoListName(type, false), type, 48, false);
    }
    ReportOf(document, RunSimulationExport(document, folder / "simulation.lgf"));
    return reports;
}

std::vector<std::string> ExportFileNames(const CVantrelDoc& document)
{
    std::vector<std::string> names = {"flash.lgf", "flash.lgj", "simulation.lgf"};
    for (std::size_t module = 0; module < document.remoteIo.modules.size(); ++module)
        names.push_back("remote" + std::to_string(module) + ".lgf");
    for (int type : kIoLists)
        for (bool csv : {true, false})
            names.push_back(DefaultIoListName(type, csv));
    std::ranges::sort(names);
    return names;
}

} // namespace vantrel::test
