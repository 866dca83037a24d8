// File > Import > I/O Names in the running editor: the file dialog opens in
// the design's folder with the sheet filters and the "create missing" check
// box, the report comes after as a message box, and one undo takes the
// names back.
#include "app_test_support.h"
#include "dialog_answers.h"

#include "editing/command_ids.h"
#include "elements/io_elements.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>

namespace vantrel::test {
namespace {

using namespace command;

class ImportIoNamesWindow : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        ASSERT_TRUE(QDir().mkpath(FilePath("plant")));
        // Inputs 1 "Old" and 2 without a name, output 1 "Lamp" (the I/O
        // elements are kept in one list).
        CVantrelDoc design;
        design.InsertElement(std::make_unique<LogIn>(Point{0, 0}, 1, 0, u"Old"));
        design.InsertElement(std::make_unique<LogIn>(Point{0, 1}, 2, 1, u""));
        design.InsertElement(std::make_unique<LogOut>(Point{3, 0}, 3, 0, u"Lamp"));
        design.nextElementId = 4;
        ASSERT_TRUE(SaveDesign(design, QFile::encodeName(FilePath("plant/pump.lgc")).toStdString(),
                               QtImageCodec()));
        // The program's own message boxes, answered below.
        app = std::make_unique<CVantrelApp>(
            AppServices{nullptr, &fileDialogs, nullptr, nullptr, nullptr, FilePath("recovery")});
        ASSERT_TRUE(app->InitInstance({FilePath("plant/pump.lgc")}));
    }

    std::vector<std::u16string> Names() const
    {
        std::vector<std::u16string> names;
        for (const auto& element : app->Document().elements[kMainList])
            names.push_back(static_cast<const LogIO&>(*element).name);
        return names;
    }

    void WriteSheet(const char* name, const char* text)
    {
        QFile file(FilePath(QStringLiteral("plant/") + QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // The report's message box: its text, and a picture of it to look at.
    void ReportBox(QString& text, const char* picture)
    {
        answers.Step([&text, picture](QWidget& widget) {
            auto* box = qobject_cast<QMessageBox*>(&widget);
            if (!box)
                return false;
            text = box->windowTitle() + QStringLiteral(": ") + box->text();
            QDir().mkpath(QStringLiteral(VANTREL_TEST_OUTPUT_DIR));
            box->grab().save(QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/") + picture);
            box->accept();
            return true;
        });
    }

    DialogAnswers answers;
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(ImportIoNamesWindow, NamesTheInputsReportsAndUndoesInOneStep)
{
    WriteSheet("inputs.csv", "Number,Board,Pin,Name\r\n1,1,1,Start\r\n2,1,2,Stop\r\n"
                             "5,1,5,Spare\r\n");
    SeenDialog seen;
    QString type;
    answers.Step([&seen, &type](QWidget& widget) {
        auto* dialog = qobject_cast<QFileDialog*>(&widget);
        auto* types =
            dialog ? dialog->findChild<QComboBox*>(QStringLiteral("ioNamesType")) : nullptr;
        auto* create =
            dialog ? dialog->findChild<QCheckBox*>(QStringLiteral("createMissing")) : nullptr;
        if (!types || !create)
            return false;
        seen = {dialog->directory().absolutePath(), {}, dialog->nameFilters()};
        QDir().mkpath(QStringLiteral(VANTREL_TEST_OUTPUT_DIR));
        dialog->grab().save(QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/import_io_names_dialog.png"));
        dialog->selectFile(QStringLiteral("inputs.csv"));
        types->setCurrentIndex(kInputList);
        type = types->currentText();
        EXPECT_FALSE(create->isChecked());
        create->setChecked(true);
        static_cast<QDialog*>(dialog)->accept();
        return true;
    });
    QString report;
    ReportBox(report, "import_io_names_report.png");
    answers.Run(app->MainFrame(), kImportIoNames);

    EXPECT_EQ(seen.folder, FilePath("plant"));
    EXPECT_EQ(seen.filters,
              (QStringList{"I/O name lists (*.csv *.txt)", "Comma-separated lists (*.csv)",
                           "Text lists (*.txt)", "All Files (*)"}));
    EXPECT_EQ(type, "Inputs");
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Start", u"Stop", u"Lamp", u"Spare"}));
    EXPECT_EQ(report.toStdString(),
              "Import I/O Names: line 2: input 1 \"Start\" assigned (was \"Old\")\n"
              "line 3: input 2 \"Stop\" assigned (was \"\")\n"
              "line 4: input 5 \"Spare\" created at cell 5,0\n"
              "2 assigned, 0 unchanged, 1 created, 0 unknown.\n");
    EXPECT_TRUE(app->Document().IsModified());

    ASSERT_TRUE(app->MainFrame().RunCommand(kEditUndo));
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Old", u"", u"Lamp"}));
}

TEST_F(ImportIoNamesWindow, AMalformedSheetChangesNothing)
{
    WriteSheet("names.csv", "1,Start\nfive,Stop\n");
    answers.Step([](QWidget& widget) {
        auto* dialog = qobject_cast<QFileDialog*>(&widget);
        if (!dialog)
            return false;
        dialog->selectFile(QStringLiteral("names.csv"));
        static_cast<QDialog*>(dialog)->accept();
        return true;
    });
    QString report;
    ReportBox(report, "import_io_names_malformed.png");
    answers.Run(app->MainFrame(), kImportIoNames);
    EXPECT_TRUE(report.contains("line 2: malformed")) << report.toStdString();
    EXPECT_EQ(Names(), (std::vector<std::u16string>{u"Old", u"", u"Lamp"}));
    EXPECT_FALSE(app->Document().IsModified());
}

} // namespace
} // namespace vantrel::test
