// File > Export > Documentation in the running editor: the command's menu
// entry writes the open design's documentation as PDF or HTML, and a file
// that cannot be written is told without leaving anything behind.
#include "app_test_support.h"

#include "archive/text_codec.h"
#include "editing/command_ids.h"
#include "export/design_report.h"
#include "support/pdf_pages.h"
#include "support/report_design.h"

#include "cli/report_reading.h"

#include <QAction>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace vantrel::test {
namespace {

class DocumentationExport : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        CVantrelDoc design;
        BuildReportDesign(design, QtImageCodec());
        const QString path = FilePath(QStringLiteral("plant.lgc"));
        ASSERT_TRUE(SaveDesign(design, QFile::encodeName(path).toStdString(), QtImageCodec()));
        app = StartApp(notifier, {path});
        ASSERT_TRUE(started);
    }

    // Chooses the file in the dialog, then runs the command as its menu
    // entry does.
    void Export(const QString& answer)
    {
        fileDialogs.answers = {answer};
        QAction* entry = app->MainFrame().CommandAction(command::kExportDocumentation);
        ASSERT_NE(entry, nullptr);
        ASSERT_TRUE(entry->isEnabled());
        entry->trigger();
        EXPECT_TRUE(fileDialogs.answers.isEmpty()) << "the file dialog was not asked";
    }

    static std::filesystem::path Path(const QString& path)
    {
        return QFile::encodeName(path).toStdString();
    }

    RecordingNotifier notifier;
    std::unique_ptr<CVantrelApp> app;
};

TEST_F(DocumentationExport, WritesThePdfAndTheHtmlOfTheOpenDesign)
{
    Export(FilePath(QStringLiteral("plant.pdf")));
    Export(FilePath(QStringLiteral("plant.html")));
    // Beside the design, named after it, as PDF unless the user says otherwise.
    EXPECT_EQ(fileDialogs.proposedNames.first(), FilePath(QStringLiteral("plant.pdf")));
    EXPECT_TRUE(notifier.Messages().empty()) << notifier.Messages().front();
    EXPECT_FALSE(app->Document().IsModified());

    const std::vector<PdfPage> pages = ReadPdfPages(Path(FilePath(QStringLiteral("plant.pdf"))));
    ASSERT_FALSE(pages.empty());
    std::string text;
    for (const PdfPage& page : pages)
        text += page.Text() + "\n";
    // The inputs and outputs of every kind, the registers and the markers.
    for (const char* name : {"Start", "Jog", "Pulse", "Lamp", "Siren", "Done", "Alarm log", "Level",
                             "Valve", "G1", "G2", "Scaled", "Run", "Level copy", "Spare"})
        EXPECT_NE(text.find(name), std::string::npos) << name;
    EXPECT_NE(pages.front().Text().find("plant.lgc"), std::string::npos);

    const std::vector<ReportRow> rows = ReadHtmlRows(Path(FilePath(QStringLiteral("plant.html"))));
    const std::vector<ReportRow> expected =
        TableRows(BuildDesignReport(app->Document(), u"plant.lgc"));
    ASSERT_FALSE(expected.empty());
    for (const ReportRow& row : expected)
        EXPECT_NE(std::find(rows.begin(), rows.end(), row), rows.end())
            << "no row " << ::testing::PrintToString(row);
}

TEST_F(DocumentationExport, AFileThatCannotBeWrittenIsToldAndNothingIsLeft)
{
    const std::string advice = " The documentation was not written; export it into another file.";
    ASSERT_TRUE(QDir().mkpath(FilePath(QStringLiteral("folder.pdf"))));
    const struct
    {
        QString answer;
        std::string message;
    } cases[] = {
        {FilePath(QStringLiteral("gone/plant.pdf")),
         "Cannot write " + FilePath(QStringLiteral("gone/plant.pdf")).toStdString() +
             ": the folder " + FilePath(QStringLiteral("gone")).toStdString() +
             " does not exist. Create it or choose another folder."},
        {FilePath(QStringLiteral("plant.txt")),
         "The documentation is written as PDF or HTML: name the file .pdf or .html."},
        // A folder where the file should go stays a folder.
        {FilePath(QStringLiteral("folder.pdf")),
         FilePath(QStringLiteral("folder.pdf")).toStdString()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        notifier.Clear();
        Export(c.answer);
        ASSERT_EQ(notifier.Messages().size(), 1u);
        const std::string& message = notifier.Messages().front();
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_TRUE(message.ends_with(advice)) << message;
    }
    EXPECT_TRUE(QDir(FilePath(QStringLiteral("folder.pdf"))).isEmpty());
    EXPECT_EQ(QDir(FilePath({})).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plant.lgc")});
}

TEST_F(DocumentationExport, AFolderWithoutWritePermissionKeepsTheFileItHolds)
{
    const QString locked = FilePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkpath(locked));
    const QString earlier = locked + QStringLiteral("/plant.pdf");
    {
        QFile file(earlier);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("earlier");
    }
    ::chmod(QFile::encodeName(locked).constData(), 0500);
    if (::access(QFile::encodeName(locked).constData(), W_OK) == 0) {
        ::chmod(QFile::encodeName(locked).constData(), 0700);
        GTEST_SKIP() << "the user writes into any folder";
    }
    Export(earlier);
    ::chmod(QFile::encodeName(locked).constData(), 0700);
    ASSERT_EQ(notifier.Messages().size(), 1u);
    EXPECT_NE(notifier.Messages().front().find(earlier.toStdString()), std::string::npos)
        << notifier.Messages().front();
    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plant.pdf")});
    QFile file(earlier);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "earlier");
}

} // namespace
} // namespace vantrel::test
