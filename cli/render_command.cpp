#include "render_command.h"

#include "compare/design_comparison.h"
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/comparison_marks.h"
#include "editing/page_image_cache.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "qt_adapters/picture_files.h"
#include "qt_adapters/qpainter_surface.h"
#include "qt_adapters/qt_image.h"

#include <charconv>
#include <limits>
#include <memory>

namespace vantrel::cli {

namespace {

// "AxB" with whole numbers, e.g. the size "800x600" or the origin "3,-2".
std::pair<int, int> ParsePair(const std::string& option, const std::string& text, char separator,
                              int low, int high)
{
    const auto at = text.find(separator);
    if (at == std::string::npos)
        throw UsageError("option " + option + " takes two numbers separated by '" + separator +
                         "'");
    return {ParseNumber(option, text.substr(0, at), low, high),
            ParseNumber(option, text.substr(at + 1), low, high)};
}

double ParseZoom(const std::string& text)
{
    double zoom = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), zoom);
    if (error != std::errc() || end != text.data() + text.size() || zoom < kMinZoom ||
        zoom > kMaxZoom)
        throw UsageError("option --zoom takes a number from 0.0625 to 2");
    return zoom;
}

// The animation state of a preview page: the timer's tick and, for
// --selected, every paint object of the page selected as the editor shows it.
void AnimatePage(const Arguments& arguments, CVantrelDoc& document, ViewState& state)
{
    if (auto tick = arguments.Value("--tick"))
        state.tick = ParseNumber("--tick", *tick, 0, std::numeric_limits<int>::max());
    if (!arguments.Has("--selected"))
        return;
    for (const auto& object : document.paintObjects)
        if (object->pageIndex == state.currentPage)
            state.paintSelection.push_back(object.get());
}

// Which preview page the picture shows: --page N, or the first of all with
// --all-pages.
std::optional<int> PreviewPage(const Arguments& arguments, const CVantrelDoc& document)
{
    const auto page = arguments.Value("--page");
    if (arguments.Has("--all-pages")) {
        if (page)
            throw UsageError("--all-pages does not go with --page");
        return 0;
    }
    if (page)
        return ParseNumber("--page", *page, 1, int(document.pageBackgrounds.size())) - 1;
    if (arguments.Value("--tick") || arguments.Has("--selected"))
        throw UsageError("--tick and --selected go with --page or --all-pages");
    return std::nullopt;
}

// The design compared against with --compare, and what differs from it.
struct Comparison
{
    CVantrelDoc other;
    DesignComparison differences;
};

ViewState ViewFor(const Arguments& arguments, CVantrelDoc& document, QSize size,
                  const Comparison* comparison)
{
    ViewState state;
    state.showElementNumbers = arguments.Has("--numbers");
    if (const std::optional<int> page = PreviewPage(arguments, document)) {
        state.layoutMode = LayoutMode::Preview;
        state.currentPage = *page;
        AnimatePage(arguments, document, state);
    }
    const bool fit = arguments.Has("--fit");
    if (fit && (arguments.Value("--zoom") || arguments.Value("--origin")))
        throw UsageError("--fit does not go with --zoom or --origin");
    const Size client{size.width(), size.height()};
    if (fit && !(comparison && FitToComparison(state, comparison->differences, client)))
        FitToMainList(state, document, client);
    if (auto zoom = arguments.Value("--zoom"))
        state.zoom = ParseZoom(*zoom);
    if (auto origin = arguments.Value("--origin")) {
        const auto [x, y] = ParsePair("--origin", *origin, ',', -kScrollLimit, kScrollLimit);
        state.origin = {x, y};
    }
    return state;
}

void DrawPicture(Surface& surface, CVantrelDoc& document, const ViewState& state, QSize size,
                 PageImageCache& pageImages, const Comparison* comparison)
{
    const Image* page = state.InDesign() ? nullptr : pageImages.Page(document, state.currentPage);
    const Image background = page ? ScaledImage(*page, size) : Image{};
    const Rect client{0, 0, size.width(), size.height()};
    DrawViewPicture(surface, document, state, client, background.IsEmpty() ? nullptr : &background);
    if (comparison)
        DrawComparisonMarks(surface, comparison->other, document, comparison->differences, state,
                            client);
}

// Opens the design named by --compare and compares the shown design with
// it: the changes that turn it into the shown one. None when it cannot be
// opened (the notifier told why).
std::unique_ptr<Comparison> CompareWith(const std::string& path, const CVantrelDoc& document,
                                        Context& context)
{
    auto comparison = std::make_unique<Comparison>();
    comparison->other.SetNotifier(&context.notifier);
    if (OpenDesign(comparison->other, path, context.codec) != OpenOutcome::Opened)
        return nullptr;
    comparison->differences = CompareDesigns(comparison->other, document);
    return comparison;
}

const char16_t* FormatName(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpeg:
        return u"JPEG";
    case PictureFormat::Bmp:
        return u"BMP";
    case PictureFormat::Svg:
        return u"SVG";
    case PictureFormat::Pdf:
        return u"PDF";
    case PictureFormat::Png:
        break;
    }
    return u"PNG";
}

// The format the output's extension names. A name without one (standard
// output, a pipe) gets a PNG; any other extension is refused, rather than
// written in a format the name does not say.
PictureFormat OutputFormat(const std::filesystem::path& output)
{
    if (const std::optional<PictureFormat> format = PictureFormatOf(output))
        return *format;
    if (output.has_extension())
        throw UsageError("render writes " + std::string(kPictureExtensions) + " files, not " +
                         output.extension().string());
    return PictureFormat::Png;
}

} // namespace

int RunRender(const Arguments& arguments, Context& context)
{
    const std::optional<std::string> output = arguments.Value("-o");
    if (!output)
        throw UsageError("render needs -o OUT with one of " + std::string(kPictureExtensions));
    const PictureFormat format = OutputFormat(*output);
    const bool allPages = arguments.Has("--all-pages");
    if (allPages && format != PictureFormat::Pdf)
        throw UsageError("--all-pages writes a PDF file: name it OUT.pdf");
    QSize size(800, 600);
    if (auto text = arguments.Value("--size")) {
        const auto [width, height] = ParsePair("--size", *text, 'x', 1, 16384);
        size = QSize(width, height);
    }
    CVantrelDoc document;
    if (!OpenDesignArgument(arguments, document, context))
        return kExitCannotOpen;
    std::unique_ptr<Comparison> comparison;
    if (const std::optional<std::string> other = arguments.Value("--compare")) {
        comparison = CompareWith(*other, document, context);
        if (!comparison)
            return kExitCannotOpen;
    }
    ViewState state = ViewFor(arguments, document, size, comparison.get());

    const int pages = allPages ? int(document.pageBackgrounds.size()) : 1;
    PageImageCache pageImages(context.codec);
    const QByteArray bytes = EncodePicture(format, size, pages, [&](QPainter& painter, int page) {
        if (allPages && page != state.currentPage) {
            state.currentPage = page;
            state.paintSelection.clear();
            AnimatePage(arguments, document, state);
        }
        QPainterSurface surface(painter);
        DrawPicture(surface, document, state, size, pageImages, comparison.get());
    });
    if (bytes.isEmpty()) {
        context.notifier.Message(u"The picture could not be encoded as " +
                                     std::u16string(FormatName(format)) + u".",
                                 kApplicationTitle, MessageButtons::Ok);
        return kExitCannotWrite;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    return WriteOutput(OutputPath(*output), {data, std::size_t(bytes.size())}, context)
               ? kExitOk
               : kExitCannotWrite;
}

} // namespace vantrel::cli
