#include "support/design_exports.h"

#include "archive/file_bytes.h"
#include "compiler/flash_file.h"
#include "document/vantrel_doc.h"
#include "export/io_list.h"
#include "export/json_export.h"
#include "export/remote_module_files.h"
#include "hardware/sim_element.h"

#include <algorithm>

namespace vantrel::test {

namespace {

constexpr IoListType kIoLists[] = {kInputList, kOutputList, kAnalogInputList, kAnalogOutputList};

} // namespace

std::u16string WriteAllExports(CVantrelDoc& document, const std::filesystem::path& folder,
                               const ImageCodec& codec, std::int32_t randomNumber)
{
    std::u16string reports = ExportFlashFile(document, folder / "flash.lgf", codec, randomNumber);
    ExportRemoteModules(document, folder);
    reports += u"\n" + ExportJson(document, folder / "flash.lgj", codec, randomNumber);
    ExportRemoteModules(document, folder);
    for (int type : kIoLists) {
        ExportIoList(document, folder / DefaultIoListName(type, true), type, 32, true);
        ExportIoList(document, folder / DefaultIoListName(type, false), type, 48, false);
    }
    WriteFileAtomically(folder / "simulation.lgf",
                        SimulationFileBytes(document.simulationElements, document));
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
