// Each configuration dialog opens with the keyboard in its first field.
#include "dialogs/board_num_config.h"
#include "dialogs/command_settings_dlg.h"
#include "dialogs/complex_commands_dlg.h"
#include "dialogs/dialog_script.h"
#include "dialogs/remote_io_config.h"
#include "dialogs/remote_nl_config.h"
#include "dialogs/remote_nl_dlg.h"
#include "dialogs/sim_element_dlg.h"
#include "dialogs/sim_elements_dlg.h"
#include "dialogs/speed_select_dlg.h"
#include "document/vantrel_doc.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace vantrel {
namespace {

// The widget that holds the keyboard once the dialog is shown.
QWidget* FocusOnOpening(QDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
    return QApplication::focusWidget();
}

TEST(ConfigDialogFocus, FirstFieldHasTheKeyboard)
{
    CVantrelDoc document;
    SilentNotifier notifier;
    using Make = std::function<std::unique_ptr<QDialog>()>;
    const std::pair<Make, const char*> cases[] = {
        {[] { return std::make_unique<CBoardNumConfig>(BoardCountRequest{}); }, "inCount"},
        {[] { return std::make_unique<SpeedSelectDlg>(64); }, "speed"},
        {[] { return std::make_unique<RemoteIOConfig>(std::vector<RemoteIoModule>{}, 32, 32); },
         "modules"},
        {[] { return std::make_unique<CRemoteNLConfig>(std::vector<CustomRemoteModule>{}); },
         "modules"},
        {[] { return std::make_unique<CRemoteNLDlg>(CustomRemoteModule{}); }, "modbusAddress"},
        {[&] {
             return std::make_unique<CComplexCommandsDlg>(std::vector<ComplexCommand>{}, document,
                                                          notifier);
         },
         "1016"},
        {[&] { return std::make_unique<CCommandSettingsDlg>(ComplexCommand(u"noname"), document); },
         "1022"},
        {[&] {
             return std::make_unique<CSimElementsDlg>(std::vector<SimElement>{}, document,
                                                      notifier);
         },
         "1043"},
        {[&] { return std::make_unique<CSimElementDlg>(SimElement(0, u"Enter name"), document); },
         "1000"},
    };
    for (const auto& [make, first] : cases) {
        const std::unique_ptr<QDialog> dialog = make();
        QWidget* focused = FocusOnOpening(*dialog);
        ASSERT_NE(focused, nullptr) << first;
        EXPECT_EQ(focused->objectName(), first);
        if (auto* edit = qobject_cast<QLineEdit*>(focused)) {
            EXPECT_EQ(edit->selectedText(), edit->text()) << first;
        }
    }
}

} // namespace
} // namespace vantrel
