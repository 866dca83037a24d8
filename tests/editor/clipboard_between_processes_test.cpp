// Two editor processes exchange a selection through the real clipboard of an
// X display of the test's own (the offscreen platform's clipboard stays in
// its process).
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editing/clipboard_payload.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "paint/shapes.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/element_archive.h"
#include "support/every_kind_design.h"
#include "support/hex.h"
#include "support/recording_notifier.h"
#include "support/test_folder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <unordered_map>

namespace vantrel {
namespace {

QString Native(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// An X server on a display number of its own choosing (so that tests running
// side by side never share one), ended with the test.
class OwnXServer
{
public:
    OwnXServer()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (program.isEmpty())
            return;
        // -displayfd 1: the server writes the display it took to its standard output.
        server_.start(program, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                QStringLiteral("-screen"), QStringLiteral("0"),
                                QStringLiteral("640x480x24")});
        const QDeadlineTimer deadline(20000);
        QByteArray output;
        while (!output.contains('\n') && !deadline.hasExpired() &&
               server_.state() != QProcess::NotRunning) {
            server_.waitForReadyRead(200);
            output += server_.readAllStandardOutput();
        }
        bool ok = false;
        const int number = output.trimmed().toInt(&ok);
        if (ok)
            display_ = QStringLiteral(":%1").arg(number);
    }
    ~OwnXServer() { End(server_); }

    // Empty when no server could be started.
    const QString& Display() const { return display_; }

    static void End(QProcess& process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

private:
    QProcess server_;
    QString display_;
};

class ClipboardBetweenProcesses : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            << "Xvfb is needed (scripts/setup.sh installs it)";
        ASSERT_FALSE(server.Display().isEmpty()) << "Xvfb did not start";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), server.Display());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("XAUTHORITY"));
        copier.setProcessEnvironment(environment);
        paster.setProcessEnvironment(environment);
        copier.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        paster.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    void TearDown() override { OwnXServer::End(copier); }

    // Copies everything of the mode in one process, pastes it in another and
    // loads what the second one saved.
    void Exchange(CVantrelDoc& source, const QString& mode, CVantrelDoc& pasted)
    {
        const auto design = folder / "source.lgc";
        const auto ready = folder / "ready";
        const auto result = folder / "pasted.lgc";
        ASSERT_TRUE(SaveDesign(source, design, codec));

        copier.start(QStringLiteral(VANTREL_CLIPBOARD_PEER_PATH),
                     {QStringLiteral("copy"), mode, Native(design), Native(ready)});
        const QDeadlineTimer deadline(30000);
        while (!std::filesystem::exists(ready)) {
            ASSERT_NE(copier.state(), QProcess::NotRunning)
                << "the copying process ended with " << copier.exitCode();
            ASSERT_FALSE(deadline.hasExpired()) << "the copying process never copied";
            copier.waitForFinished(100);
        }

        paster.start(QStringLiteral(VANTREL_CLIPBOARD_PEER_PATH),
                     {QStringLiteral("paste"), mode, Native(result)});
        ASSERT_TRUE(paster.waitForFinished(60000));
        ASSERT_EQ(paster.exitStatus(), QProcess::NormalExit);
        ASSERT_EQ(paster.exitCode(), 0);
        ASSERT_EQ(OpenDesign(pasted, result, codec), OpenOutcome::Opened);
    }

    OwnXServer server;
    QProcess copier;
    QProcess paster;
    QtImageCodec codec;
    test::RecordingNotifier notifier;
    std::filesystem::path folder = test::FreshTestFolder("clipboard_between_processes");
};

// Every pasted element equals its original in every stored field but the
// id, the cell (all moved alike) and the inputs (renumbered among the
// pasted, unconnected otherwise); the I/O elements stay behind.
TEST_F(ClipboardBetweenProcesses, LogicElementsArriveFieldByField)
{
    CVantrelDoc source(&notifier);
    test::BuildEveryKindDesign(source);
    source.InsertElement(std::make_unique<LogAnd>(Point{40, 40}, 900));
    auto consumer = std::make_unique<LogNot>(Point{41, 40}, 901);
    consumer->inputs[0] = 900;
    source.InsertElement(std::move(consumer));
    CVantrelDoc pasted(&notifier);
    Exchange(source, QStringLiteral("design"), pasted);

    std::vector<const LogElement*> originals;
    std::vector<const LogElement*> copies;
    for (int list = 0; list < kElementListCount; ++list) {
        for (const auto& element : source.elements[std::size_t(list)])
            if (!dynamic_cast<const LogIO*>(element.get()))
                originals.push_back(element.get());
        for (const auto& element : pasted.elements[std::size_t(list)])
            copies.push_back(element.get());
    }
    ASSERT_EQ(copies.size(), originals.size());
    ASSERT_GT(copies.size(), 30u);

    std::unordered_map<std::int32_t, std::int32_t> newIds;
    for (std::size_t i = 0; i < copies.size(); ++i)
        newIds[originals[i]->id] = copies[i]->id;
    const Point shift{copies[0]->pos.x - originals[0]->pos.x,
                      copies[0]->pos.y - originals[0]->pos.y};
    for (std::size_t i = 0; i < copies.size(); ++i) {
        const LogElement& original = *originals[i];
        const LogElement& copy = *copies[i];
        SCOPED_TRACE(original.ClassName());
        EXPECT_EQ(copy.id, std::int32_t(i + 1));
        EXPECT_EQ(copy.pos, (Point{original.pos.x + shift.x, original.pos.y + shift.y}));
        for (int input = 0; input < original.InputCount(); ++input) {
            const auto found = newIds.find(original.inputs[std::size_t(input)]);
            EXPECT_EQ(copy.inputs[std::size_t(input)],
                      found == newIds.end() || original.inputs[std::size_t(input)] == 0
                          ? 0
                          : found->second);
        }
        // Everything else: the stored payloads agree once the three are put back.
        std::unique_ptr<LogElement> restored = copy.Clone();
        restored->id = original.id;
        restored->pos = original.pos;
        restored->inputs = original.inputs;
        std::unique_ptr<LogElement> originalClone = original.Clone();
        EXPECT_EQ(test::ToHex(test::StorePayload(*restored)),
                  test::ToHex(test::StorePayload(*originalClone)));
    }
    EXPECT_EQ(pasted.FindById(newIds[901])->inputs[0], newIds[900]);
}

// The pasted objects keep every setting; the figures went beneath (each to
// the front in turn), the rest on top, all moved alike onto page 0.
TEST_F(ClipboardBetweenProcesses, PaintObjectsArriveFieldByField)
{
    CVantrelDoc source(&notifier);
    test::BuildEveryKindDesign(source);
    CVantrelDoc pasted(&notifier);
    Exchange(source, QStringLiteral("preview"), pasted);

    std::vector<PaintStuff*> beneath;
    std::vector<PaintStuff*> above;
    for (const auto& object : source.paintObjects) {
        const bool figure =
            dynamic_cast<Circle*>(object.get()) || dynamic_cast<Square*>(object.get());
        (figure ? beneath : above).push_back(object.get());
    }
    std::vector<PaintStuff*> expected(beneath.rbegin(), beneath.rend());
    expected.insert(expected.end(), above.begin(), above.end());
    ASSERT_EQ(pasted.paintObjects.size(), expected.size());

    const float dx = pasted.paintObjects[0]->from.x - expected[0]->from.x;
    const float dy = pasted.paintObjects[0]->from.y - expected[0]->from.y;
    std::vector<PaintStuff*> copies;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        PaintStuff& copy = *pasted.paintObjects[i];
        SCOPED_TRACE(copy.ClassName());
        EXPECT_EQ(copy.pageIndex, 0);
        EXPECT_NEAR(copy.from.x - expected[i]->from.x, dx, 1e-6);
        EXPECT_NEAR(copy.to.y - expected[i]->to.y, dy, 1e-6);
        // Everything else: the stored payloads agree once place and page are put back.
        copy.from = expected[i]->from;
        copy.to = expected[i]->to;
        copy.pageIndex = expected[i]->pageIndex;
        copies.push_back(&copy);
    }
    EXPECT_EQ(test::ToHex(PaintPayload(copies)), test::ToHex(PaintPayload(expected)));
}

} // namespace
} // namespace vantrel
