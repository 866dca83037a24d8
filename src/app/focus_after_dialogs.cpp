#include "app/focus_after_dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace vantrel {

FocusAfterDialogs::FocusAfterDialogs(QWidget& mainWindow, QWidget& home)
    : QObject(&home), mainWindow_(mainWindow), home_(home)
{
    QApplication::instance()->installEventFilter(this);
}

bool FocusAfterDialogs::IsOwnModal(const QWidget& widget) const
{
    if (!widget.isWindow() || !widget.isModal())
        return false;
    for (const QWidget* owner = widget.parentWidget(); owner; owner = owner->parentWidget())
        if (owner == &mainWindow_)
            return true;
    return false;
}

bool FocusAfterDialogs::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType() &&
        IsOwnModal(static_cast<QWidget&>(*watched)))
        ReturnFocus();
    return false;
}

void FocusAfterDialogs::ReturnFocus()
{
    // The window system need not activate the window below a closed dialog.
    if (QWidget* below = QApplication::activeModalWidget()) {
        below->activateWindow();
        return;
    }
    mainWindow_.activateWindow();
    home_.setFocus(Qt::OtherFocusReason);
}

} // namespace vantrel
