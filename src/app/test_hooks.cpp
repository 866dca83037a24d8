#include "app/test_hooks.h"

#include "app/main_window.h"
#include "app/vantrel_app.h"
#include "editor/vantrel_view.h"
#include "qt_adapters/qt_text.h"

#include <QApplication>
#include <QMouseEvent>

#include <cstdio>

namespace vantrel {

namespace {

MessageAnswer ParseAnswer(const QString& word, MessageButtons buttons)
{
    const QString answer = word.trimmed().toLower();
    if (answer == QStringLiteral("yes"))
        return MessageAnswer::Yes;
    if (answer == QStringLiteral("no"))
        return MessageAnswer::No;
    if (answer == QStringLiteral("cancel"))
        return MessageAnswer::Cancel;
    if (answer == QStringLiteral("ok"))
        return MessageAnswer::Ok;
    return FirstButtonAnswer(buttons);
}

void Click(QWidget& target, QPoint at)
{
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, target.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&target, &event);
    }
}

} // namespace

TestHooks::TestHooks(AppServices& services)
{
    bool valid = false;
    const int interval = qEnvironmentVariableIntValue("VANTREL_AUTOSAVE_INTERVAL_MS", &valid);
    if (valid && interval > 0)
        services.autosaveInterval = std::chrono::milliseconds(interval);
    if (qEnvironmentVariableIsSet("VANTREL_SCRIPTED_ANSWERS")) {
        answers_ = std::make_unique<ScriptedAnswers>(
            qEnvironmentVariable("VANTREL_SCRIPTED_ANSWERS").split(u',', Qt::SkipEmptyParts));
        services.notifier = answers_.get();
    }
    edit_ = qEnvironmentVariable("VANTREL_SCRIPTED_EDIT");
}

TestHooks::~TestHooks() = default;

MessageAnswer ScriptedAnswers::Message(const std::u16string& text, const std::u16string& caption,
                                       MessageButtons buttons)
{
    std::fprintf(stderr, "%s: %s\n", ToQString(caption).toLocal8Bit().constData(),
                 ToQString(text).toLocal8Bit().constData());
    return ParseAnswer(answers_.isEmpty() ? QString() : answers_.takeFirst(), buttons);
}

bool RunScriptedEdit(CMainFrame& frame, const QString& script)
{
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList point = step.split(u',');
        bool x = false;
        bool y = point.size() == 2;
        const QPoint at(point.value(0).toInt(&x), point.value(1).toInt(&y));
        bool command = false;
        const int id = step.toInt(&command);
        if (command)
            frame.RunCommand(id);
        else if (x && y)
            Click(*frame.View().viewport(), at);
        else
            return false;
    }
    return true;
}

} // namespace vantrel
