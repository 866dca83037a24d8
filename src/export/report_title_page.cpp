// The title page of the documentation: the design's settings, its element
// counts by list and the compiler's resource report.
#include "archive/text_codec.h"
#include "compiler/flash_image.h"
#include "document/vantrel_doc.h"
#include "export/report_sections.h"
#include "export/report_text.h"

namespace vantrel {

namespace {

// While it lives, the document's messages are kept from the user: the
// documentation reports problems in a section of its own.
class QuietDocument
{
public:
    explicit QuietDocument(CVantrelDoc& document)
        : document_(document), shownBy_(document.GetNotifier())
    {
        document_.SetNotifier(&log_);
    }
    ~QuietDocument() { document_.SetNotifier(&shownBy_); }
    QuietDocument(const QuietDocument&) = delete;
    QuietDocument& operator=(const QuietDocument&) = delete;

private:
    CVantrelDoc& document_;
    Notifier& shownBy_;
    MessageLog log_;
};

std::u16string CountOf(std::int64_t count, std::int64_t remote)
{
    std::u16string text = Decimal(count);
    if (remote > 0)
        text += u", of which " + Decimal(remote) + u" on remote modules";
    return text;
}

// The setting and the controller's frequency, 64000 / setting kHz, to three
// decimals (worked out in whole numbers: the locale's decimal comma must not
// reach a document that is the same everywhere).
std::u16string SpeedText(std::int32_t speed)
{
    std::u16string text = Decimal(speed);
    if (speed <= 0)
        return text;
    const long long hertz = (64'000'000LL + speed / 2) / speed;
    const std::u16string fraction = Decimal(1000 + hertz % 1000).substr(1);
    return text + u" (" + Decimal(hertz / 1000) + u"." + fraction + u" kHz)";
}

ReportTable Settings(const CVantrelDoc& document)
{
    const RemoteIoConfiguration& remote = document.remoteIo;
    return {u"Settings",
            {u"Setting", u"Value"},
            {{u"Design stamp", StampDate(document.designStamp)},
             {u"File version", Decimal(document.fileVersion)},
             {u"Digital inputs", CountOf(document.numInputs, 8 * remote.RemoteInputBytes())},
             {u"Digital outputs", CountOf(document.numOutputs, 8 * remote.RemoteOutputBytes())},
             {u"Analog inputs", Decimal(remote.AnalogInputChannels())},
             {u"Analog outputs", Decimal(remote.AnalogOutputChannels())},
             {u"Speed setting", SpeedText(document.speed)},
             {u"Required controller version", Decimal(document.RequiredDesignVersion())}}};
}

ReportTable ElementCounts(const CVantrelDoc& document)
{
    // In the order of the lists.
    static constexpr const char16_t* kListNames[kElementListCount] = {
        u"Logic (main list)",
        u"Markers, replicators and cycle breakers",
        u"Registers and operations",
        u"Accumulators",
        u"NoOp registers and temperature inputs",
        u"Constants",
        u"Timers",
        u"Comments"};
    ReportTable table{u"Elements", {u"List", u"Elements"}, {}};
    for (int list = 0; list < kElementListCount; ++list)
        table.rows.push_back(
            {kListNames[list], Decimal(static_cast<long long>(document.elements[list].size()))});
    table.rows.push_back(
        {u"Paint objects", Decimal(static_cast<long long>(document.paintObjects.size()))});
    table.rows.push_back(
        {u"Preview pages", Decimal(static_cast<long long>(document.pageBackgrounds.size()))});
    return table;
}

// The report "Export to flash" shows, a line a row: "Accs:\t\t3/64" is the
// resource "Accs:" with "3/64" used.
ReportTable Resources(CVantrelDoc& document)
{
    std::u16string text;
    {
        const QuietDocument quiet(document);
        text = Report(document, Compile(document, 0));
    }
    ReportTable table{u"Resource report", {u"Resource", u"Used"}, {}};
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        const std::u16string_view line = std::u16string_view(text).substr(start, end - start);
        const std::size_t tab = line.find(u'\t');
        const std::size_t value = line.find_first_not_of(u'\t', tab);
        table.rows.push_back(
            {std::u16string(line.substr(0, tab)), value == std::u16string_view::npos
                                                      ? std::u16string()
                                                      : std::u16string(line.substr(value))});
        start = end + 1;
    }
    return table;
}

} // namespace

std::vector<ReportBlock> TitlePageTables(ReportSource& source)
{
    return {Settings(source.document), ElementCounts(source.document), Resources(source.document)};
}

} // namespace vantrel
