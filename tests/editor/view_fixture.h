#pragma once

#include "document/vantrel_doc.h"
#include "editor/vantrel_view.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/recording_notifier.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"

#include <gtest/gtest.h>

namespace vantrel::test {

// The view shown offscreen with a client area of 800 x 600 pixels, on a
// document of its own, its questions answered by scripted dialogs and
// prompts and its messages recorded.
class ViewFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document.SetNotifier(&notifier);
        view.show();
        view.resize(800 + view.width() - view.viewport()->width(),
                    600 + view.height() - view.viewport()->height());
        ASSERT_EQ(view.viewport()->size(), QSize(800, 600));
    }

    RecordingNotifier notifier;
    CVantrelDoc document;
    ScriptedDialogs dialogs;
    ScriptedPrompts prompts;
    QtImageCodec codec;
    ScriptedConfigDialogs configDialogs;
    CVantrelView view{document, dialogs, configDialogs, prompts, codec};
};

} // namespace vantrel::test
