// A second editor for the clipboard test between processes. Run on a real
// display, it either opens a design, selects everything of one layout mode,
// copies it and stays to serve the clipboard until it is ended, or waits for
// data of that mode on the clipboard, pastes it into a new design and saves
// that.
//
//   vantrel_clipboard_peer copy design|preview DESIGN READY_FILE
//   vantrel_clipboard_peer paste design|preview OUT_FILE
#include "document/design_io.h"
#include "document/vantrel_doc.h"
#include "editor/vantrel_view.h"
#include "qt_adapters/qt_image_codec.h"
#include "support/scripted_config_dialogs.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_prompts.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <string>

namespace vantrel {
namespace {

using namespace command;

// Serving the clipboard ends after this at the latest, should no one end it.
constexpr int kServeMs = 120000;
constexpr int kWaitForDataMs = 30000;

class StderrNotifier final : public Notifier
{
public:
    MessageAnswer Message(const std::u16string& text, const std::u16string& caption,
                          MessageButtons buttons) override
    {
        std::fprintf(stderr, "%s: %s\n", QString::fromStdU16String(caption).toUtf8().constData(),
                     QString::fromStdU16String(text).toUtf8().constData());
        ++count;
        return FirstButtonAnswer(buttons);
    }
    int count = 0;
};

struct Editor
{
    explicit Editor(bool preview) { view.OnCommand(preview ? kLayoutPreview : kLayoutDesign); }

    StderrNotifier notifier;
    CVantrelDoc document{&notifier};
    test::ScriptedDialogs dialogs;
    test::ScriptedPrompts prompts;
    test::ScriptedConfigDialogs configDialogs;
    QtImageCodec codec;
    CVantrelView view{document, dialogs, configDialogs, prompts, codec};
};

int Copy(QApplication& app, bool preview, const QString& design, const QString& readyFile)
{
    Editor editor(preview);
    if (OpenDesign(editor.document, QFile::encodeName(design).toStdString(), editor.codec) !=
        OpenOutcome::Opened)
        return 3;
    editor.view.OnInitialUpdate();
    editor.view.OnCommand(kEditSelectAll);
    editor.view.OnCommand(kEditCopy);
    if (editor.notifier.count > 0 || !editor.view.IsCommandEnabled(kEditPaste))
        return 4;
    QFile ready(readyFile);
    if (!ready.open(QIODevice::WriteOnly))
        return 5;
    ready.close();
    QTimer::singleShot(kServeMs, &app, &QApplication::quit);
    return app.exec();
}

int Paste(bool preview, const QString& outFile)
{
    Editor editor(preview);
    const QDeadlineTimer deadline(kWaitForDataMs);
    while (!editor.view.IsCommandEnabled(kEditPaste)) {
        if (deadline.hasExpired())
            return 6;
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    editor.view.OnCommand(kEditPaste);
    if (editor.notifier.count > 0 || !editor.document.IsModified())
        return 7;
    return SaveDesign(editor.document, QFile::encodeName(outFile).toStdString(), editor.codec) ? 0
                                                                                               : 8;
}

} // namespace
} // namespace vantrel

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const bool copy = arguments.size() == 5 && arguments[1] == QStringLiteral("copy");
    const bool paste = arguments.size() == 4 && arguments[1] == QStringLiteral("paste");
    if (!copy && !paste) {
        std::fputs("usage: vantrel_clipboard_peer copy design|preview DESIGN READY_FILE\n"
                   "       vantrel_clipboard_peer paste design|preview OUT_FILE\n",
                   stderr);
        return 2;
    }
    const bool preview = arguments[2] == QStringLiteral("preview");
    return copy ? vantrel::Copy(app, preview, arguments[3], arguments[4])
                : vantrel::Paste(preview, arguments[3]);
}
