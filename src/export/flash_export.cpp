#include "export/flash_export.h"

#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"

namespace vantrel {

FlashFileContent WriteFlashFile(const CVantrelDoc& document, const std::filesystem::path& path,
                                const ImageCodec& codec, std::int32_t randomNumber,
                                Notifier& messages)
{
    FlashFileContent content = BuildFlashFile(document, codec, randomNumber, messages);
    WriteFileAtomically(path, content.bytes);
    return content;
}

std::u16string ExportFlashFile(CVantrelDoc& document, const std::filesystem::path& path,
                               const ImageCodec& codec, std::int32_t randomNumber)
{
    FlashFileContent content =
        WriteFlashFile(document, path, codec, randomNumber, document.GetNotifier());
    StoreCorrections(document, content.corrections);
    return content.report;
}

} // namespace vantrel
