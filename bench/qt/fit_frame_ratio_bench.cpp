// What the surface costs on top of QPainter: the full-size design at Fit is
// drawn once through the surface, and once by replaying on QPainter the very
// lines, ellipses, fills and texts the frame drew, in the same run. The
// counter "ratio" is the surface frame's time over the raw replay's.
#include "document/vantrel_doc.h"
#include "editing/canvas_geometry.h"
#include "editing/schematic_renderer.h"
#include "editing/view_state.h"
#include "graphics/surface_rules.h"
#include "qt_adapters/qpainter_surface.h"
#include "qt_adapters/qt_arc_angles.h"
#include "qt_adapters/qt_text.h"
#include "support/full_size_design.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace vantrel {
namespace {

const QSize kClient(1280, 800);

QColor ToColour(Colour colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// One primitive of the frame, in QPainter's terms.
struct Primitive
{
    enum Kind
    {
        kLine,
        kPolyline,
        kPolygon,
        kRectangle,
        kEllipse,
        kArc,
        kChord,
        kFill,
        kText
    } kind;
    QPen pen;
    QColor fill;
    QPolygon points;
    QRect box;
    QString text;
    // Arcs and chords: the ellipse and the angles in 1/16 degree.
    QRectF curve = {};
    int start16 = 0;
    int span16 = 0;
    // The figure's brush, made once like the pen.
    QBrush brush = {};
};

// Records the frame's primitives with the pen they were drawn with; angle
// arcs and images (none at Fit) are left out.
class PrimitiveRecorder final : public Surface
{
public:
    explicit PrimitiveRecorder(const QFontMetrics& metrics) : metrics_(metrics) {}

    std::vector<Primitive> primitives;

    Pen SetPen(const Pen& pen) override { return std::exchange(state_.pen, pen); }
    Brush SetBrush(const Brush& brush) override { return std::exchange(state_.brush, brush); }
    Colour SetTextColour(Colour colour) override
    {
        return std::exchange(state_.textColour, colour);
    }
    Colour SetTextBackground(Colour colour) override
    {
        return std::exchange(state_.textBackground, colour);
    }
    BackgroundMode SetBackgroundMode(BackgroundMode mode) override
    {
        return std::exchange(state_.backgroundMode, mode);
    }
    ArcDirection SetArcDirection(ArcDirection direction) override
    {
        return std::exchange(state_.arcDirection, direction);
    }
    Point MoveTo(int x, int y) override { return std::exchange(state_.position, Point{x, y}); }
    void LineTo(int x, int y) override
    {
        Add(Primitive::kLine, QPolygon({{state_.position.x, state_.position.y}, {x, y}}));
        state_.position = {x, y};
    }
    void DrawPolyline(std::span<const Point> points) override
    {
        Add(Primitive::kPolyline, Polygon(points));
    }
    void DrawPolygon(std::span<const Point> points) override
    {
        Add(Primitive::kPolygon, Polygon(points));
    }
    void DrawRectangle(int left, int top, int right, int bottom) override
    {
        Add(Primitive::kRectangle, {}, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    }
    void DrawEllipse(int left, int top, int right, int bottom) override
    {
        Add(Primitive::kEllipse, {}, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
    }
    void DrawArc(const Rect& box, Point start, Point end) override
    {
        AddCurve(Primitive::kArc, box, start, end);
    }
    void DrawChord(const Rect& box, Point start, Point end) override
    {
        AddCurve(Primitive::kChord, box, start, end);
    }
    void DrawAngleArc(int, int, int, float, float) override {}
    void FillRectangle(const Rect& rect, Colour colour) override
    {
        primitives.push_back({Primitive::kFill,
                              {},
                              ToColour(colour),
                              {},
                              QRect(rect.left, rect.top, rect.Width(), rect.Height()),
                              {}});
    }
    void DrawText(int x, int y, const std::u16string& text) override
    {
        primitives.push_back({Primitive::kText,
                              QPen(ToColour(state_.textColour)),
                              {},
                              {},
                              QRect(x, y + metrics_.ascent(), 0, 0),
                              ToQString(text)});
    }
    Size TextExtent(const std::u16string& text) override
    {
        return {metrics_.horizontalAdvance(ToQString(text)), metrics_.height()};
    }
    void DrawImageStretched(const Image&, const Rect&) override {}

private:
    static QPolygon Polygon(std::span<const Point> points)
    {
        QPolygon polygon;
        for (Point p : points)
            polygon << QPoint(p.x, p.y);
        return polygon;
    }

    void Add(Primitive::Kind kind, QPolygon points, QRect box = {})
    {
        QPen pen(ToColour(state_.pen.colour), std::max(state_.pen.width, 0));
        const QColor fill = state_.brush.hollow ? QColor() : ToColour(state_.brush.colour);
        primitives.push_back({kind, pen, fill, std::move(points), box, {}});
        primitives.back().brush = fill.isValid() ? QBrush(fill) : QBrush();
    }

    // Angles as the surface works them out, so that the replay draws the
    // same curve.
    void AddCurve(Primitive::Kind kind, const Rect& box, Point start, Point end)
    {
        Add(kind, {});
        const int start16 = RayAngle16(box, start);
        primitives.back().curve = EllipseRect(box);
        primitives.back().start16 = start16;
        primitives.back().span16 = ArcSpan16(start16, RayAngle16(box, end), state_.arcDirection);
    }

    QFontMetrics metrics_;
    SurfaceState state_;
};

// The primitives straight on QPainter, setting the pen and brush only when
// they change, as hand-written drawing code would.
void Replay(QPainter& painter, const std::vector<Primitive>& primitives)
{
    for (const Primitive& p : primitives) {
        if (p.kind == Primitive::kFill) {
            painter.fillRect(p.box, p.fill);
            continue;
        }
        if (painter.pen() != p.pen)
            painter.setPen(p.pen);
        if (painter.brush() != p.brush)
            painter.setBrush(p.brush);
        switch (p.kind) {
        case Primitive::kLine:
            painter.drawLine(p.points[0], p.points[1]);
            break;
        case Primitive::kPolyline:
            painter.drawPolyline(p.points);
            break;
        case Primitive::kPolygon:
            painter.drawPolygon(p.points);
            break;
        case Primitive::kRectangle:
            painter.drawRect(p.box);
            break;
        case Primitive::kEllipse:
            painter.drawEllipse(p.box);
            break;
        case Primitive::kArc:
            painter.drawArc(p.curve, p.start16, p.span16);
            break;
        case Primitive::kChord:
            painter.drawChord(p.curve, p.start16, p.span16);
            break;
        case Primitive::kText:
            painter.drawText(p.box.topLeft(), p.text);
            break;
        case Primitive::kFill:
            break;
        }
    }
}

void BM_FitFrameOverRawQPainter(benchmark::State& state)
{
    CVantrelDoc document;
    test::FillFullSizeDesign(document, 0);
    ViewState view;
    FitToMainList(view, document, {kClient.width(), kClient.height()});
    const Rect client{0, 0, kClient.width(), kClient.height()};
    QImage picture(kClient, QImage::Format_RGB32);

    std::vector<Primitive> primitives;
    {
        QPainter painter(&picture);
        PrimitiveRecorder recorder(painter.fontMetrics());
        DrawViewPicture(recorder, document, view, client, nullptr);
        primitives = std::move(recorder.primitives);
    }

    using Clock = std::chrono::steady_clock;
    Clock::duration surfaceTime{};
    Clock::duration rawTime{};
    for (auto _ : state) {
        const auto start = Clock::now();
        {
            QPainter painter(&picture);
            QPainterSurface surface(painter);
            DrawViewPicture(surface, document, view, client, nullptr);
        }
        const auto middle = Clock::now();
        {
            QPainter painter(&picture);
            Replay(painter, primitives);
        }
        surfaceTime += middle - start;
        rawTime += Clock::now() - middle;
    }
    state.counters["ratio"] = double(surfaceTime.count()) / double(rawTime.count());
    using Milliseconds = std::chrono::duration<double, std::milli>;
    const double frames = double(state.iterations());
    state.counters["surface_ms"] = Milliseconds(surfaceTime).count() / frames;
    state.counters["raw_ms"] = Milliseconds(rawTime).count() / frames;
    state.counters["primitives"] = double(primitives.size());
    const auto count = [&](Primitive::Kind kind) {
        return double(std::count_if(primitives.begin(), primitives.end(),
                                    [kind](const Primitive& p) { return p.kind == kind; }));
    };
    state.counters["lines"] = count(Primitive::kLine);
    state.counters["ellipses"] = count(Primitive::kEllipse);
    state.counters["texts"] = count(Primitive::kText);
    state.counters["curves"] = count(Primitive::kArc) + count(Primitive::kChord);
}
BENCHMARK(BM_FitFrameOverRawQPainter)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vantrel
