// How a message box shows the system's texts: as they are, and the report,
// whose lines are separated by tabs, as columns that line up.
#include "app/message_box_notifier.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <set>

namespace vantrel {
namespace {

const QString kReport =
    QStringLiteral("Logic elements:\t31/12228\nAccs:\t\t2/64\nConstants:\t2/256\n"
                   "Registers:\t\t7/256\nDelays:\t\t6/1024\nFlash:\t\t1%\nRam:\t\t0%");

TEST(MessageBox, TheReportsColumnsLineUp)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Report"), QString(), QMessageBox::Ok);
    PresentMessage(box, kReport);
    EXPECT_EQ(box.textFormat(), Qt::RichText);

    // Laid out as the box lays it out: every value starts at the same place.
    QTextDocument document;
    document.setDefaultFont(box.font());
    document.setHtml(box.text());
    QStringList labels;
    QStringList values;
    std::set<int> valueStarts;
    int cell = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().isEmpty())
            continue;
        const bool value = cell++ % 2 == 1;
        (value ? values : labels).append(block.text());
        if (value)
            valueStarts.insert(int(document.documentLayout()->blockBoundingRect(block).left()));
    }
    EXPECT_EQ(labels, QStringList({"Logic elements:", "Accs:", "Constants:", "Registers:",
                                   "Delays:", "Flash:", "Ram:"}));
    EXPECT_EQ(values, QStringList({"31/12228", "2/64", "2/256", "7/256", "6/1024", "1%", "0%"}));
    EXPECT_EQ(valueStarts.size(), 1u);

    box.show();
    QApplication::processEvents();
    const QString folder = QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/app");
    QDir().mkpath(folder);
    EXPECT_TRUE(box.grab().save(folder + QStringLiteral("/report_box.png")));
}

TEST(MessageBox, OtherTextsAreShownAsTheyAre)
{
    QMessageBox box;
    for (const QString& text : {QStringLiteral("There is an unconnected input."),
                                QStringLiteral("<b>pump.lgc</b> was not found.")}) {
        PresentMessage(box, text);
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.text(), text);
    }
}

} // namespace
} // namespace vantrel
