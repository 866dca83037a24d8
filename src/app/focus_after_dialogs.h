#pragma once

#include <QObject>

class QWidget;

namespace vantrel {

// Gives the keyboard focus back when a modal dialog or message box of the
// main window closes: to the dialog still open below it, else to the main
// window's home widget (the view), so that shortcuts and typed keys work at
// once without a click. Watches the whole application and lives as long as
// the home widget.
class FocusAfterDialogs final : public QObject
{
public:
    FocusAfterDialogs(QWidget& mainWindow, QWidget& home);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the widget is a modal window over the main window.
    bool IsOwnModal(const QWidget& widget) const;
    void ReturnFocus();

    QWidget& mainWindow_;
    QWidget& home_;
};

} // namespace vantrel
