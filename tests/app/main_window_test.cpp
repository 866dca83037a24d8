#include "app/main_window.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(MainWindow, TitleNamesTheDocumentAndTheProgram)
{
    CMainFrame frame;
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Untitled - Vantrel v2"));
    frame.SetDocumentTitle(QStringLiteral("pump.lgc"));
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("pump.lgc - Vantrel v2"));
    frame.show();
    EXPECT_TRUE(frame.isVisible());
}

} // namespace
} // namespace vantrel
