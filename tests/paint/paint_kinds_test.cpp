#include "paint/paint_kinds.h"

#include "document/system_classes.h"
#include "editing/command_ids.h"
#include "paint/curve.h"
#include "paint/shapes.h"
#include "paint/text_stuff.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vantrel {
namespace {

using namespace command;

// Every paint class of the registry has exactly one row, which names it and
// makes an object of it; the registry knows nothing else but the points.
TEST(PaintKinds, EveryPaintClassOfTheRegistryHasItsOwnRow)
{
    std::set<const PaintKindRow*> rows;
    for (const ClassEntry& entry : SystemClasses().Entries()) {
        std::unique_ptr<Serializable> object = entry.factory ? entry.factory() : nullptr;
        const auto* paint = dynamic_cast<const PaintStuff*>(object.get());
        if (!paint)
            continue;
        SCOPED_TRACE(std::string(entry.name));
        const PaintKindRow& row = paint->KindRow();
        EXPECT_EQ(&row, &PaintKindOfClass(paint->ClassName()));
        EXPECT_STREQ(row.className, paint->ClassName());
        EXPECT_STREQ(row.make()->ClassName(), row.className);
        EXPECT_EQ(row.filled, paint->FillColors() != nullptr);
        EXPECT_TRUE(rows.insert(&row).second);
    }
    EXPECT_EQ(rows.size(), PaintKinds().size());
    EXPECT_STREQ(PaintKindOfClass("Elsewhere").className, "PaintStuff");
}

// The Paint Tool commands besides Select each make one kind: the shapes by a
// drag, the texts by a click, the pen nothing.
TEST(PaintKinds, EachToolMakesItsKindByItsAction)
{
    struct Tool
    {
        int command;
        const char* className;
        PaintToolAction action;
    };
    const Tool tools[] = {
        {kPaintPen, "Curve", PaintToolAction::None},
        {kPaintLine, "Line", PaintToolAction::Drag},
        {kPaintEllipse, "Circle", PaintToolAction::Drag},
        {kPaintFilledEllipse, "FilledCircle", PaintToolAction::Drag},
        {kPaintRectangle, "Square", PaintToolAction::Drag},
        {kPaintFilledRectangle, "FilledSquare", PaintToolAction::Drag},
        {kPaintText, "TextStuff", PaintToolAction::Click},
        {kPaintFilledText, "FilledText", PaintToolAction::Click},
    };
    ASSERT_EQ(PaintKinds().size(), std::size(tools));
    for (std::size_t i = 0; i < std::size(tools); ++i) {
        SCOPED_TRACE(tools[i].className);
        const PaintKindRow* row = FindPaintKind(tools[i].command);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row, &PaintKinds()[i]) << "menu order";
        EXPECT_STREQ(row->className, tools[i].className);
        EXPECT_EQ(row->tool, tools[i].action);
        EXPECT_EQ(row->makeText != nullptr, row->tool == PaintToolAction::Click);
    }
    EXPECT_EQ(FindPaintKind(kPaintSelect), nullptr);

    const Rect client{0, 0, 200, 100};
    const auto text = FindPaintKind(kPaintFilledText)->makeText({100, 50}, client, u"Hi", 3);
    EXPECT_STREQ(text->ClassName(), "FilledText");
    EXPECT_EQ(*text->TextRef(), u"Hi");
    EXPECT_EQ(text->pageIndex, 3);
    EXPECT_EQ(text->from, FPoint::FromDevice({100, 50}, client));
}

// Ellipses go beneath the page's other objects when drawn; ellipses and
// rectangles when pasted; curves, which designs before version 13 cannot
// hold, keep points of their own.
TEST(PaintKinds, WhereNewObjectsGoAndWhatOnlyCurvesHave)
{
    for (const PaintKindRow& row : PaintKinds()) {
        SCOPED_TRACE(row.className);
        const std::unique_ptr<PaintStuff> object = row.make();
        const bool ellipse = dynamic_cast<const Circle*>(object.get()) != nullptr;
        const bool rectangle = dynamic_cast<const Square*>(object.get()) != nullptr;
        const bool curve = dynamic_cast<const Curve*>(object.get()) != nullptr;
        EXPECT_EQ(row.drawnBeneath, ellipse);
        EXPECT_EQ(row.pastedBeneath, ellipse || rectangle);
        EXPECT_EQ(row.freehand, curve);
        EXPECT_EQ(row.firstDesignVersion, curve ? 13 : 0);
    }
}

} // namespace
} // namespace vantrel
