// Every element kind drawn on the Qt surface the way the editor draws it,
// saved as one picture to look at, with the gate figures checked pixel by
// pixel against their geometry.
#include "document/vantrel_doc.h"
#include "elements/big_gates.h"
#include "elements/element_drawing.h"
#include "elements/gates.h"
#include "qt_adapters/qpainter_surface.h"
#include "support/sample_designs.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

constexpr int kCell = 160;

// Draws the figure on white with the editor's black 1-pixel pen and hollow
// brush, with or without the pin stubs.
void DrawFigure(QImage& image, const LogElement& element, const ElFinder& finder, int x, int y,
                int r, bool withPins = false)
{
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetPen(Pen::Solid(1, 0));
    surface.SetBrush(Brush::Hollow());
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    if (withPins)
        DrawElementWithPins(surface, finder, element, x, y, r);
    else
        element.DrawBody(surface, finder, x, y, r);
}

bool Inked(const QImage& image, int x, int y)
{
    return image.pixel(x, y) != qRgb(255, 255, 255);
}

QImage BlankImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

TEST(ElementFigures, OneOfEveryKindIsSavedAsAPicture)
{
    CVantrelDoc document;
    for (auto& element : test::OneOfEveryKind())
        document.elements[element->ListKind()].push_back(std::move(element));
    std::vector<const LogElement*> all;
    for (const ElementList& list : document.elements)
        for (const auto& element : list)
            all.push_back(element.get());

    const int columns = 8;
    const int rows = int(all.size() + columns - 1) / columns;
    QImage picture = BlankImage(columns * kCell, rows * kCell);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int left = int(i % columns) * kCell;
        const int top = int(i / columns) * kCell;
        DrawFigure(picture, *all[i], document, left + kCell / 2, top + kCell / 2, 40, true);
        QPainter painter(&picture);
        painter.setPen(Qt::darkGray);
        painter.drawText(left + 4, top + 14, QString::fromUtf8(all[i]->ClassName()));
        painter.drawRect(left, top, kCell - 1, kCell - 1);
    }
    const QString folder = QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/elements");
    QDir().mkpath(folder);
    EXPECT_TRUE(picture.save(folder + QStringLiteral("/element_figures.png")));
    EXPECT_EQ(all.size(), 47u);
}

TEST(ElementFigures, GateShapesInkTheirGeometryAtZoomOne)
{
    CVantrelDoc document;
    struct Probe
    {
        int x;
        int y;
        bool inked;
    };
    struct Case
    {
        const char* kind;
        std::unique_ptr<LogElement> gate;
        std::vector<Probe> probes;
    };
    // Anchor (100, 50), r = 20.
    const std::vector<Probe> dShape = {
        {80, 35, true},   // the chord column
        {80, 65, true},   //
        {79, 50, false},  // nothing left of the chord
        {119, 50, true},  // the rightmost column of the 4r by 2r box
        {120, 50, false}, // the box excludes its right edge
        {100, 50, false}, // inside stays empty with a hollow brush
    };
    Case cases[] = {
        {"And", std::make_unique<LogAnd>(), dShape},
        {"Big And", std::make_unique<LogBigAnd>(), dShape},
        {"NAND",
         std::make_unique<LogNAND>(),
         {{80, 50, true}, {125, 50, true}, {126, 50, false}, {120, 44, true}}},
        {"Or",
         std::make_unique<LogOr>(),
         {{80, 30, true}, {80, 70, true}, {90, 50, true}, {85, 50, false}, {121, 50, false}}},
        {"XOR",
         std::make_unique<LogXOR>(),
         {{94, 50, true}, {84, 70, true}, {84, 30, false}, {88, 50, false}}},
        {"Not",
         std::make_unique<LogNot>(),
         {{80, 50, true}, {123, 50, true}, {124, 50, false}, {79, 50, false}}},
        {"Big Alarm",
         std::make_unique<LogBigAlarm>(),
         {{90, 50, true},
          {119, 50, true},
          {120, 50, false},
          {100, 30, true},
          {100, 29, false},
          {100, 69, true},
          {100, 70, false},
          {89, 50, false}}},
    };
    for (const Case& c : cases) {
        QImage image = BlankImage(200, 100);
        DrawFigure(image, *c.gate, document, 100, 50, 20);
        for (const Probe& probe : c.probes)
            EXPECT_EQ(Inked(image, probe.x, probe.y), probe.inked)
                << c.kind << " at " << probe.x << "," << probe.y;
    }
}

} // namespace
} // namespace vantrel
