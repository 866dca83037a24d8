#include "export/remote_module_files.h"

#include "archive/file_bytes.h"
#include "compiler/image_header.h"
#include "document/vantrel_doc.h"

#include <string>

namespace vantrel {

std::vector<std::uint8_t> RemoteModuleImage(const RemoteIoModule& module, int position,
                                            std::int32_t speed)
{
    ImageHeader header;
    header.version = module.legacyCommands ? 5 : 9;
    header.speed = std::uint8_t(speed);
    header.inputBytes = std::uint8_t(module.inputBits / 8);
    header.outputBytes = std::uint8_t(module.outputBits / 8);
    header.remoteModuleFile = 1;
    header.moduleIndex = std::uint8_t(position);
    header.baud = std::uint16_t(module.baud);
    std::vector<std::uint8_t> image = HeaderBytes(header);
    SealChecksum(image);
    return image;
}

void ExportRemoteModules(const CVantrelDoc& document, const std::filesystem::path& folder)
{
    const auto& modules = document.remoteIo.modules;
    for (std::size_t i = 0; i < modules.size(); ++i) {
        const std::string name = "remote" + std::to_string(i) + ".lgf";
        WriteFileAtomically(folder / name, RemoteModuleImage(modules[i], int(i), document.speed));
    }
}

} // namespace vantrel
