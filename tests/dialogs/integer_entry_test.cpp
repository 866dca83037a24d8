// Integer fields: what counts as a number, and OK refused with a prompt
// while a field is out of range, the dialog staying open.
#include "dialogs/big_op_config.h"
#include "dialogs/dialog_driver.h"
#include "dialogs/integer_edit.h"
#include "dialogs/number_dialogs.h"
#include "dialogs/temp_in_config.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace vantrel {
namespace {

TEST(IntegerEntry, OnlySignedDecimalIntegersAreNumbers)
{
    const struct
    {
        const char* text;
        std::optional<std::int64_t> value;
    } cases[] = {
        {"0", 0},
        {"-17", -17},
        {"+17", 17},
        {"  42 ", 42},
        {"007", 7},
        {"-2147483649", -2147483649LL},
        {"999999999999999999", 999999999999999999LL},
        {"9999999999999999999", std::nullopt},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"-", std::nullopt},
        {"+-1", std::nullopt},
        {"1.5", std::nullopt},
        {"12a", std::nullopt},
        {"0x10", std::nullopt},
        {"1 000", std::nullopt},
        {"1e3", std::nullopt},
        {"\xd9\xa3", std::nullopt}, // an Arabic-Indic digit
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseDecimal(QString::fromUtf8(c.text)), c.value) << c.text;
}

struct EntryCase
{
    const char* name;
    std::function<std::unique_ptr<PropertyDialog>()> make;
    int edit;
    const char* text;
    // Accepted: the value read back; refused: the prompt.
    std::optional<std::int32_t> value;
    const char* prompt;
    std::function<std::int32_t(PropertyDialog&)> read;
};

std::int32_t NumberOf(PropertyDialog& dialog)
{
    return static_cast<SingleNumberDialog&>(dialog).Value();
}

TEST(IntegerEntry, OkAcceptsNumbersInRangeAndRefusesTheRest)
{
    auto delay = [](int lowest) {
        return [lowest] { return std::make_unique<CDelayConfig>(10, lowest); };
    };
    auto number = [] { return std::make_unique<CNumBox>(0); };
    auto bigOp = [] { return std::make_unique<BigOpConfig>(BigOpValues{5, 6, 0, false}); };
    auto first = [](PropertyDialog& d) { return static_cast<BigOpConfig&>(d).Values().first; };
    auto last = [](PropertyDialog& d) { return static_cast<BigOpConfig&>(d).Values().last; };
    auto tempIn = [] { return std::make_unique<CTempInConfig>(TempInValues{0, u"", 3}); };
    auto defaultValue = [](PropertyDialog& d) {
        return static_cast<CTempInConfig&>(d).Values().defaultValue;
    };
    const char* delayRange1 = "Enter an integer between 1 and 2000.";
    const char* delayRange0 = "Enter an integer between 0 and 2000.";
    const char* int32Range = "Enter an integer between -2147483648 and 2147483647.";
    const char* bigOpRange = "Enter an integer between 1 and 2048.";
    const std::vector<EntryCase> cases = {
        {"delay from 0 takes 0", delay(0), 1003, "0", 0, nullptr, NumberOf},
        {"delay from 1 refuses 0", delay(1), 1003, "0", std::nullopt, delayRange1, NumberOf},
        {"delay from 1 takes 2000", delay(1), 1003, "2000", 2000, nullptr, NumberOf},
        {"delay from 1 refuses 2001", delay(1), 1003, "2001", std::nullopt, delayRange1, NumberOf},
        {"delay from 0 refuses 2001", delay(0), 1003, "2001", std::nullopt, delayRange0, NumberOf},
        {"delay refuses text", delay(0), 1003, "ten", std::nullopt, delayRange0, NumberOf},
        {"delay refuses empty", delay(0), 1003, "", std::nullopt, delayRange0, NumberOf},
        {"number takes the lowest int32", number, 1029, "-2147483648", INT32_MIN, nullptr,
         NumberOf},
        {"number takes the highest int32", number, 1029, "2147483647", INT32_MAX, nullptr,
         NumberOf},
        {"number refuses past int32", number, 1029, "2147483648", std::nullopt, int32Range,
         NumberOf},
        {"number refuses a fraction", number, 1029, "1.5", std::nullopt, int32Range, NumberOf},
        {"big op first 2048", bigOp, 1034, "2048", 2048, nullptr, first},
        {"big op last 1", bigOp, 1032, "1", 1, nullptr, last},
        {"big op refuses first 0", bigOp, 1034, "0", std::nullopt, bigOpRange, first},
        {"big op refuses last 2049", bigOp, 1032, "2049", std::nullopt, bigOpRange, last},
        {"temp input default -5", tempIn, 1088, "-5", -5, nullptr, defaultValue},
        {"temp input refuses text", tempIn, 1088, "warm", std::nullopt, int32Range, defaultValue},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.name);
        test::RefusalLog refusals;
        std::unique_ptr<PropertyDialog> dialog = c.make();
        dialog->show();
        auto& edit = test::ControlById<QLineEdit>(*dialog, c.edit);
        edit.setText(QString::fromUtf8(c.text));
        test::PressOk(*dialog);
        if (c.value) {
            EXPECT_TRUE(refusals.prompts.isEmpty());
            EXPECT_EQ(dialog->result(), QDialog::Accepted);
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(c.read(*dialog), *c.value);
        } else {
            EXPECT_EQ(refusals.prompts, QStringList{c.prompt});
            EXPECT_EQ(refusals.lastDialog, dialog.get());
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_NE(dialog->result(), QDialog::Accepted);
            EXPECT_EQ(edit.selectedText(), edit.text());
        }
    }
}

// The desktop's own prompt, answered as it shows.
TEST(IntegerEntry, TheRefusalBoxIsCaptionedLikeEveryOtherBox)
{
    CNumBox dialog(0);
    dialog.show();
    test::ControlById<QLineEdit>(dialog, 1029).setText("many");
    QString caption;
    QString text;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            caption = box->windowTitle();
            text = box->text();
            box->accept();
        }
    });
    test::PressOk(dialog);
    EXPECT_EQ(caption, "Vantrel v2");
    EXPECT_EQ(text, "Enter an integer between -2147483648 and 2147483647.");
    EXPECT_TRUE(dialog.isVisible());
}

TEST(IntegerEntry, BigOpTakesTheEndsInEitherOrderWithItsSideAndInvert)
{
    BigOpConfig dialog({1, 10, 0, false});
    test::ControlById<QLineEdit>(dialog, 1034).setText("2048");
    test::ControlById<QLineEdit>(dialog, 1032).setText("1");
    test::ControlById<QComboBox>(dialog, 1033).setCurrentIndex(1);
    test::ControlById<QCheckBox>(dialog, 1035).setChecked(true);
    test::PressOk(dialog);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    const BigOpValues values = dialog.Values();
    EXPECT_EQ(values.first, 2048);
    EXPECT_EQ(values.last, 1);
    EXPECT_EQ(values.side, 1);
    EXPECT_TRUE(values.invert);
}

TEST(IntegerEntry, ARefusedFieldCanBeCorrectedAndThenAccepted)
{
    test::RefusalLog refusals;
    CDelayConfig dialog(CDelayConfig::kPresetSeconds, 1);
    EXPECT_EQ(dialog.Value(), 10);
    auto& edit = test::ControlById<QLineEdit>(dialog, 1003);
    edit.setText("0");
    test::PressOk(dialog);
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    edit.setText("25");
    test::PressOk(dialog);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Value(), 25);
    EXPECT_EQ(refusals.prompts.size(), 1);
}

TEST(IntegerEntry, OnlyTheFirstBadFieldIsReported)
{
    test::RefusalLog refusals;
    BigOpConfig dialog({1, 10, 0, false});
    test::ControlById<QLineEdit>(dialog, 1034).setText("0");
    test::ControlById<QLineEdit>(dialog, 1032).setText("x");
    test::PressOk(dialog);
    EXPECT_EQ(refusals.prompts.size(), 1);
    EXPECT_TRUE(test::ControlById<QLineEdit>(dialog, 1034).hasSelectedText());
    EXPECT_FALSE(test::ControlById<QLineEdit>(dialog, 1032).hasSelectedText());
}

} // namespace
} // namespace vantrel
