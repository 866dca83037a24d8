// File > Examples in the running editor: the example designs listed by name,
// the chosen one opened as an untitled design that Save writes elsewhere,
// never over the example.
#include "app_test_support.h"
#include "dialog_answers.h"

#include "editing/command_ids.h"

#include <QCryptographicHash>
#include <QInputDialog>

namespace vantrel::test {
namespace {

using namespace command;

QByteArray Digest(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

TEST_F(AppTest, AnExampleOpensAsAnUntitledTemplateThatSaveWritesElsewhere)
{
    RecordingNotifier notifier;
    const std::unique_ptr<CVantrelApp> app = StartApp(notifier);
    ASSERT_TRUE(started);
    const QString example = QStringLiteral(VANTREL_EXAMPLES_DIR "/pump_station.lgc");
    const QByteArray before = Digest(example);

    QStringList offered;
    DialogAnswers answers;
    answers.Step([&offered](QWidget& widget) {
        auto* dialog = qobject_cast<QInputDialog*>(&widget);
        if (!dialog)
            return false;
        offered = dialog->comboBoxItems();
        dialog->setTextValue(QStringLiteral("pump_station"));
        dialog->accept();
        return true;
    });
    answers.Run(app->MainFrame(), kFileExamples);

    EXPECT_EQ(offered, (QStringList{"conveyor", "heating", "pump_station"}));
    EXPECT_FALSE(app->Document().elements[kMainList].empty());
    EXPECT_TRUE(app->PathName().isEmpty());
    EXPECT_EQ(app->Title(), "Untitled");
    EXPECT_TRUE(app->RecentFiles().Files().isEmpty());

    const QString copy = FilePath("my_pumps.lgc");
    fileDialogs.answers = {copy};
    ASSERT_TRUE(app->MainFrame().RunCommand(kFileSave));
    EXPECT_EQ(fileDialogs.proposedNames, QStringList{"Untitled.lgc"});
    EXPECT_EQ(app->PathName(), copy);
    EXPECT_EQ(Digest(copy), before);
    EXPECT_EQ(Digest(example), before);
    EXPECT_TRUE(notifier.Messages().empty());
}

} // namespace
} // namespace vantrel::test
