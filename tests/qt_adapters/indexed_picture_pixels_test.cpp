// The view's picture drawn through the spatial index is pixel for pixel the
// picture of the walk over every element, on the Qt surface the editor
// paints with: random designs, several zooms and places.
#include "document/vantrel_doc.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "qt_adapters/qpainter_surface.h"
#include "support/random_designs.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace vantrel {
namespace {

QImage Picture(CVantrelDoc& document, const ViewState& state, DesignWalk walk)
{
    QImage image(640, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterSurface surface(painter);
    surface.SetBrush(Brush::Hollow());
    surface.SetBackgroundMode(BackgroundMode::Transparent);
    DrawDesignElements(surface, document, state, {0, 0, image.width(), image.height()}, walk);
    return image;
}

bool Inked(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

TEST(IndexedPicturePixels, EqualTheWholeWalk)
{
    for (std::uint32_t seed : {11u, 12u}) {
        CVantrelDoc document;
        test::FillRandomDesign(document, seed, 500);
        // Folded into 40 x 25 cells: many elements and lines in each view.
        for (ElementList& list : document.elements)
            for (auto& element : list)
                element->pos = {element->pos.x % 40, element->pos.y % 25};
        int inkedViews = 0;
        ViewState state;
        state.logicSelection.push_back(document.elements[kMainList].front().get());
        struct View
        {
            double zoom;
            Point origin;
        };
        for (const View& view : {View{1.0, {0, 0}}, View{1.0, {20, 12}}, View{0.25, {-5, -5}},
                                 View{0.0625, {-10, -10}}, View{2.0, {35, 20}}}) {
            state.zoom = view.zoom;
            state.origin = view.origin;
            const QImage indexed = Picture(document, state, DesignWalk::Indexed);
            EXPECT_TRUE(indexed == Picture(document, state, DesignWalk::Whole))
                << "seed " << seed << " zoom " << view.zoom << " origin " << view.origin.x << ","
                << view.origin.y;
            inkedViews += Inked(indexed) ? 1 : 0;
        }
        // The comparisons are not of blank pictures.
        EXPECT_GE(inkedViews, 3) << "seed " << seed;
    }
}

} // namespace
} // namespace vantrel
