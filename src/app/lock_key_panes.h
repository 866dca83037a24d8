#pragma once

#include <QObject>

class QLabel;
class QStatusBar;

namespace vantrel {

// The CAP, NUM and SCRL panes at the right of the status bar. Qt does not
// report the lock keys' states, so they are inferred from the keys typed:
// a letter whose case differs from what Shift asks for means caps lock is
// on, a keypad digit means num lock is on, a keypad cursor key that it is
// off. A pane whose state is off or not known yet is greyed.
class LockKeyPanes : public QObject
{
    Q_OBJECT
public:
    explicit LockKeyPanes(QStatusBar& statusBar);

    QLabel* CapsPane() const { return caps_; }
    QLabel* NumPane() const { return num_; }
    QLabel* ScrollPane() const { return scroll_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* caps_;
    QLabel* num_;
    QLabel* scroll_;
};

} // namespace vantrel
