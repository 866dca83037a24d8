#include "compare/dump_fields.h"
#include "paint/curve.h"
#include "paint/paint_kinds.h"
#include "paint/paint_stuff.h"

namespace vantrel {

namespace {

std::string PointText(const FPoint& point)
{
    return RealText(point.x) + ',' + RealText(point.y);
}

std::string ColourSetText(const ColorSet& colours)
{
    std::string text;
    for (Colour colour : colours)
        text += (text.empty() ? "" : ",") + ColourText(colour);
    return text;
}

void AddShapeExtras(const PaintStuff& object, DumpFields& fields)
{
    if (const ColorSet* fill = object.FillColors())
        fields.Raw("fillColors", ColourSetText(*fill));
    if (const std::u16string* text = object.TextRef())
        fields.Text("text", *text);
    if (object.KindRow().freehand) {
        std::string points;
        for (const auto& point : static_cast<const Curve&>(object).points)
            points += (points.empty() ? "" : ";") + PointText(*point);
        fields.Raw("points", points.empty() ? "-" : points);
    }
}

} // namespace

void AddPaintFields(const PaintStuff& object, DumpFields& fields)
{
    fields.Int("page", object.pageIndex);
    fields.Raw("from", PointText(object.from));
    fields.Raw("to", PointText(object.to));
    fields.Int("width", object.width);
    fields.Int("style", object.style);
    fields.ColourValue("normalColor", object.normalColor);
    fields.ColourValue("activeColor", object.activeColor);
    fields.ColourValue("active2Color", object.active2Color);
    fields.Int("hasCommand", object.hasCommand);
    fields.Int("commandId", object.commandId);
    fields.Int("hasActive", object.hasActive);
    fields.Int("activeId", object.activeId);
    fields.Int("activeNeg", object.activeNeg);
    fields.Int("hasActive2", object.hasActive2);
    fields.Int("active2Id", object.active2Id);
    fields.Int("active2Neg", object.active2Neg);
    fields.Int("hasProgress", object.hasProgress);
    fields.Int("progressId", object.progressId);
    fields.ColourValue("progressColor", object.progressColor);
    fields.Int("progressMax", object.progressMax);
    AddShapeExtras(object, fields);
}

} // namespace vantrel
