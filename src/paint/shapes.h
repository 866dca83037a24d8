#pragma once

#include "paint/filled.h"

namespace vantrel {

// A straight line from `from` to `to`.
class Line : public PaintKind<Line>
{
public:
    static constexpr const char* kClassName = "Line";
    static constexpr int kTypeCode = 1;
    static constexpr std::u16string_view kTypeName = u"line";

    bool HitTest(const FPoint& point, const Rect& client) const override;
    void Straighten() override;
    void Draw(Surface& surface, const Rect& client, int state, int tick,
              int progress) const override;
};

// An ellipse inscribed in the rectangle `from`-`to`.
class Circle : public PaintKind<Circle>
{
public:
    static constexpr const char* kClassName = "Circle";
    static constexpr int kTypeCode = 2;
    static constexpr std::u16string_view kTypeName = u"circle";

    bool HitTest(const FPoint& point, const Rect& client) const override;
    void Draw(Surface& surface, const Rect& client, int state, int tick,
              int progress) const override;
};

class FilledCircle : public PaintKind<FilledCircle, Filled<Circle>>
{
public:
    static constexpr const char* kClassName = "FilledCircle";
    static constexpr int kTypeCode = 4;
    static constexpr std::u16string_view kTypeName = u"circle";

    void Draw(Surface& surface, const Rect& client, int state, int tick,
              int progress) const override;
};

// An axis-parallel rectangle with the corners `from` and `to`.
class Square : public PaintKind<Square>
{
public:
    static constexpr const char* kClassName = "Square";
    static constexpr int kTypeCode = 6;
    static constexpr std::u16string_view kTypeName = u"square";

    bool HitTest(const FPoint& point, const Rect& client) const override;
    void Draw(Surface& surface, const Rect& client, int state, int tick,
              int progress) const override;
};

class FilledSquare : public PaintKind<FilledSquare, Filled<Square>>
{
public:
    static constexpr const char* kClassName = "FilledSquare";
    static constexpr int kTypeCode = 5;
    static constexpr std::u16string_view kTypeName = u"square";

    void Draw(Surface& surface, const Rect& client, int state, int tick,
              int progress) const override;
};

} // namespace vantrel
