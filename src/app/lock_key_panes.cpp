#include "app/lock_key_panes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace vantrel {

namespace {

QLabel* AddPane(QStatusBar& statusBar, const QString& text)
{
    auto* pane = new QLabel(text, &statusBar);
    pane->setAlignment(Qt::AlignCenter);
    pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 12);
    pane->setEnabled(false);
    statusBar.addPermanentWidget(pane);
    return pane;
}

bool IsKeypadCursorKey(int key)
{
    switch (key) {
    case Qt::Key_Insert:
    case Qt::Key_Delete:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

} // namespace

LockKeyPanes::LockKeyPanes(QStatusBar& statusBar)
    : QObject(&statusBar), caps_(AddPane(statusBar, QStringLiteral("CAP"))),
      num_(AddPane(statusBar, QStringLiteral("NUM"))),
      scroll_(AddPane(statusBar, QStringLiteral("SCRL")))
{
    qApp->installEventFilter(this);
}

bool LockKeyPanes::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        if (key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z && key->text().size() == 1)
            caps_->setEnabled(key->text()[0].isUpper() != shift);
        if (key->modifiers() & Qt::KeypadModifier) {
            if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9)
                num_->setEnabled(true);
            else if (IsKeypadCursorKey(key->key()))
                num_->setEnabled(false);
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vantrel
