// An export that raises many messages shows twenty, one box listing the
// rest, then its report.
#include "editor/vantrel_view.h"

#include "document/vantrel_doc.h"
#include "editing/command_ids.h"
#include "elements/gates.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/recording_notifier.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"
#include "support/test_folder.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

TEST(ExportMessages, MoreThanTwentyComeInOneListBeforeTheReport)
{
    test::RecordingNotifier notifier;
    CVantrelDoc document(&notifier);
    for (std::int32_t id = 1; id <= 30; ++id)
        document.InsertElement(std::make_unique<LogAnd>(Point{id, 0}, id));
    test::ScriptedDialogs dialogs;
    test::ScriptedPrompts prompts;
    prompts.folder = test::FreshTestFolder("export_messages");
    test::ScriptedConfigDialogs configDialogs;
    QtImageCodec codec;
    CVantrelView view(document, dialogs, configDialogs, prompts, codec);
    view.OnCommand(command::kExportFlash);
    ASSERT_EQ(notifier.Messages().size(), 22u);
    EXPECT_EQ(notifier.Messages()[19], "Warning!: There is an unconnected input.");
    EXPECT_EQ(notifier.Messages()[20], "Vantrel v2: 40 more messages:\n"
                                       "Warning!: There is an unconnected input. (40 times)");
    EXPECT_EQ(notifier.Messages()[21].rfind("Report: Logic elements:\t30/12228", 0), 0u);
}

} // namespace
} // namespace vantrel
