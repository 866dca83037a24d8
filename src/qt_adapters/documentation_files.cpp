#include "qt_adapters/documentation_files.h"

#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "export/design_report.h"
#include "qt_adapters/file_extension.h"
#include "qt_adapters/report_html.h"
#include "qt_adapters/report_pdf.h"

namespace vantrel {

std::optional<DocumentationFormat> DocumentationFormatOf(const std::filesystem::path& path)
{
    const std::string extension = LowerCaseExtension(path);
    if (extension == ".pdf")
        return DocumentationFormat::Pdf;
    if (extension == ".html" || extension == ".htm")
        return DocumentationFormat::Html;
    return std::nullopt;
}

std::optional<std::u16string> WriteDocumentation(CVantrelDoc& document,
                                                 const std::filesystem::path& path,
                                                 const std::u16string& title,
                                                 const ImageCodec& codec)
{
    const std::optional<DocumentationFormat> format = DocumentationFormatOf(path);
    if (!format)
        return u"The documentation is written as PDF or HTML: name the file .pdf or .html.";
    const DesignReport report = BuildDesignReport(document, title);
    const std::vector<std::uint8_t> bytes = *format == DocumentationFormat::Pdf
                                                ? ReportPdf(report, document, codec)
                                                : ReportHtml(report, document, codec);
    if (bytes.empty())
        return u"The documentation could not be drawn as " +
               std::u16string(*format == DocumentationFormat::Pdf ? u"PDF." : u"HTML.");
    try {
        WriteFileAtomically(path, bytes);
    } catch (const FileError& failure) {
        return failure.Message();
    }
    return std::nullopt;
}

} // namespace vantrel
