#include "support/display_page.h"

#include "document/vantrel_doc.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace vantrel::test {

namespace {

constexpr int kStyles[] = {PaintStuff::kSolid, PaintStuff::kBlinking, PaintStuff::kMoving};

constexpr Colour kOutline = Rgb(170, 185, 200);
constexpr Colour kHighlight = Rgb(255, 200, 60);
constexpr Colour kCaption = Rgb(235, 240, 245);

class PageBuilder
{
public:
    PageBuilder(CVantrelDoc& document, int page) : document_(document), page_(page) {}

    template <class T>
    T& Add(const FPoint& from, const FPoint& to, int style, int width, Colour normal)
    {
        auto object = std::make_unique<T>();
        object->from = from;
        object->to = to;
        object->style = style;
        object->width = width;
        object->normalColor = normal;
        object->activeColor = kHighlight;
        object->pageIndex = page_;
        T& added = *object;
        document_.paintObjects.push_back(std::move(object));
        return added;
    }

    template <class T> T& AddText(const FPoint& at, const char16_t* text, int style, Colour normal)
    {
        T& object = Add<T>(at, at, style, 1, normal);
        object.text = text;
        return object;
    }

private:
    CVantrelDoc& document_;
    int page_;
};

void ShowProgress(PaintStuff& object, Colour colour, std::int32_t max)
{
    object.hasProgress = 1;
    object.progressColor = colour;
    object.progressMax = max;
}

// A sine trace across the trend frame, its points relative to its start.
void Trace(Curve& curve, float amplitude, float phase)
{
    constexpr int kPoints = 48;
    constexpr float kLength = 0.8f;
    for (int i = 1; i <= kPoints; ++i) {
        const float x = kLength * float(i) / kPoints;
        const float y = amplitude * std::sin(phase + 4 * std::numbers::pi_v<float> * x / kLength);
        curve.points.push_back(std::make_unique<FPoint>(x, y - amplitude * std::sin(phase)));
    }
}

void AddTanks(PageBuilder& page)
{
    const char16_t* names[] = {u"Tank 1", u"Tank 2", u"Tank 3"};
    for (int i = 0; i < 3; ++i) {
        const float left = -0.9f + 0.3f * float(i);
        auto& tank =
            page.Add<FilledSquare>({left, -0.7f}, {left + 0.2f, 0.1f}, kStyles[i], 2, kOutline);
        tank.fillColors = {Rgb(35, 50, 75), Rgb(55, 80, 120), Rgb(30, 90, 60)};
        ShowProgress(tank, Rgb(40, 140, 230), 900 + 300 * i);
        auto& label = page.AddText<TextStuff>({left, 0.14f}, names[i], kStyles[i], kCaption);
        ShowProgress(label, 0, 900 + 300 * i);
    }
    page.Add<Square>({-0.95f, -0.8f}, {-0.05f, 0.26f}, PaintStuff::kSolid, 1, Rgb(90, 110, 130));
}

void AddGauges(PageBuilder& page)
{
    const Colour needles[] = {Rgb(240, 160, 40), Rgb(80, 220, 120), Rgb(230, 80, 80)};
    for (int i = 0; i < 3; ++i) {
        const float left = 0.05f + 0.31f * float(i);
        auto& gauge = page.Add<Circle>({left, -0.78f}, {left + 0.25f, -0.45f}, kStyles[i], 5,
                                       Rgb(80, 95, 110));
        ShowProgress(gauge, needles[i], 500 + 500 * i);
    }
    page.Add<Square>({0.02f, -0.84f}, {0.97f, -0.38f}, PaintStuff::kBlinking, 2, kOutline);
}

void AddTrend(PageBuilder& page)
{
    page.Add<Square>({0.02f, -0.3f}, {0.97f, 0.3f}, PaintStuff::kMoving, 2, kOutline);
    const Colour traces[] = {Rgb(120, 200, 255), Rgb(255, 150, 200), Rgb(180, 255, 140)};
    for (int i = 0; i < 3; ++i) {
        auto& curve = page.Add<Curve>({0.1f, 0.0f}, {0.1f, 0.0f}, kStyles[i], 2, traces[i]);
        Trace(curve, 0.08f + 0.05f * float(i), 1.3f * float(i));
    }
}

void AddPipesAndPumps(PageBuilder& page)
{
    auto& flow =
        page.Add<Line>({-0.9f, 0.42f}, {-0.1f, 0.42f}, PaintStuff::kSolid, 8, Rgb(60, 70, 85));
    ShowProgress(flow, Rgb(40, 140, 230), 750);
    page.Add<Line>({-0.05f, 0.42f}, {-0.05f, 0.65f}, PaintStuff::kBlinking, 4, kOutline);
    page.Add<Line>({-0.05f, 0.65f}, {0.95f, 0.65f}, PaintStuff::kMoving, 4, kOutline);
    const char16_t* pumps[] = {u"P1", u"P2", u"P3"};
    for (int i = 0; i < 3; ++i) {
        const float left = 0.12f + 0.3f * float(i);
        auto& lamp = page.Add<FilledCircle>({left, 0.55f}, {left + 0.15f, 0.75f}, kStyles[i], 2,
                                            Rgb(30, 35, 40));
        lamp.fillColors = {Rgb(60, 170, 70), Rgb(230, 70, 50), Rgb(240, 220, 60)};
        page.AddText<TextStuff>({left + 0.045f, 0.8f}, pumps[i], PaintStuff::kSolid, kCaption);
    }
}

void AddCaptions(PageBuilder& page)
{
    const char16_t* captions[] = {u" Pump station - overview ", u" ALARM ", u" AUTO "};
    const float lefts[] = {-0.95f, 0.5f, 0.75f};
    const ColorSet fills[] = {{Rgb(40, 70, 120), Rgb(60, 100, 170), Rgb(40, 120, 90)},
                              {Rgb(150, 30, 30), Rgb(220, 40, 40), Rgb(120, 20, 20)},
                              {Rgb(30, 110, 60), Rgb(40, 160, 80), Rgb(20, 80, 40)}};
    for (int i = 0; i < 3; ++i) {
        auto& caption =
            page.AddText<FilledText>({lefts[i], -0.95f}, captions[i], kStyles[i], kCaption);
        caption.fillColors = fills[i];
    }
    auto& flow = page.AddText<FilledText>({-0.9f, 0.5f}, u" Flow", PaintStuff::kSolid, kCaption);
    flow.fillColors = {Rgb(50, 60, 75), Rgb(70, 90, 110), Rgb(50, 60, 75)};
    ShowProgress(flow, 0, 750);
}

template <class T>
PaintStuff& AddOutlined(PageBuilder& page, const FPoint& from, const FPoint& to, int style,
                        int width)
{
    return page.Add<T>(from, to, style, width, kOutline);
}

PaintStuff& AddZigzag(PageBuilder& page, const FPoint& from, const FPoint& to, int style, int width)
{
    auto& curve = page.Add<Curve>(from, to, style, width, kOutline);
    for (int p = 1; p <= 12; ++p)
        curve.points.push_back(std::make_unique<FPoint>(0.01f * float(p), 0.03f * float(p % 3)));
    return curve;
}

template <class T>
PaintStuff& AddCaption(PageBuilder& page, const FPoint& from, const FPoint& /*to*/, int style,
                       int /*width*/)
{
    return page.AddText<T>(from, u"Level", style, kCaption);
}

} // namespace

void AddDisplayPage(CVantrelDoc& document, int page, const ImageCodec& codec)
{
    if (document.pageBackgrounds.size() <= std::size_t(page))
        document.pageBackgrounds.resize(std::size_t(page) + 1);
    document.pageBackgrounds[std::size_t(page)] =
        EncodedImage(codec.Encode(DisplayPageBackground(400, 300), ImageFormat::Png));
    PageBuilder builder(document, page);
    AddTanks(builder);
    AddGauges(builder);
    AddTrend(builder);
    AddPipesAndPumps(builder);
    AddCaptions(builder);
}

Image DisplayPageBackground(int width, int height)
{
    Image image{width, height, {}};
    image.pixels.reserve(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool grid = x % 20 == 0 || y % 20 == 0;
            const int shade = 45 - 30 * y / height + (grid ? 8 : 0);
            image.pixels.push_back(0xFF000000u | std::uint32_t(shade) << 16 |
                                   std::uint32_t(shade + 10) << 8 | std::uint32_t(shade + 25));
        }
    return image;
}

void AddAnimatedPaintObjects(CVantrelDoc& document, int page, int count, int width)
{
    using Adder = PaintStuff& (*)(PageBuilder&, const FPoint&, const FPoint&, int style, int width);
    constexpr Adder kAdders[] = {
        AddOutlined<Line>,     AddOutlined<Circle>,       AddOutlined<FilledCircle>,
        AddOutlined<Square>,   AddOutlined<FilledSquare>, AddZigzag,
        AddCaption<TextStuff>, AddCaption<FilledText>,
    };
    constexpr int kKinds = int(std::size(kAdders));
    PageBuilder builder(document, page);
    for (int i = 0; i < count; ++i) {
        const int style = i / kKinds % 2 == 0 ? PaintStuff::kBlinking : PaintStuff::kMoving;
        const float x = -0.95f + 1.8f * float(i % 40) / 40;
        const float y = -0.95f + 1.8f * float(i / 40 % 50) / 50;
        PaintStuff& object =
            kAdders[i % kKinds](builder, {x, y}, {x + 0.12f, y + 0.1f}, style, width);
        ShowProgress(object, Rgb(40, 140, 230), 1000);
    }
}

} // namespace vantrel::test
