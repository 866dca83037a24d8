#pragma once

#include "dialogs/qt_element_dialogs.h"

#include <QDialog>
#include <QListWidget>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <stdexcept>

namespace vantrel::test {

// The control with the given object name; throws (failing the test) when
// the dialog has none of that type.
template <class Control> Control& ControlNamed(QWidget& dialog, const QString& name)
{
    auto* control = dialog.findChild<Control*>(name);
    if (!control)
        throw std::runtime_error("no control " + name.toStdString());
    return *control;
}

// The lines of the list box with the given object name.
inline QStringList ListLines(QWidget& dialog, const QString& name)
{
    const auto& list = ControlNamed<QListWidget>(dialog, name);
    QStringList lines;
    for (int i = 0; i < list.count(); ++i)
        lines.append(list.item(i)->text());
    return lines;
}

// Answers the dialogs shown through a runner in turn: each step works the
// controls of the next dialog and presses OK, or leaves it, which counts as
// Cancel (and as closing a dialog without OK or Cancel); dialogs that the
// step opens take the following steps. Records every
// title shown.
class DialogScript
{
public:
    using Step = std::function<void(QDialog&)>;

    void Then(Step step) { steps_.push_back(std::move(step)); }
    DialogRunner Runner()
    {
        return [this](QDialog& dialog) { return Run(dialog); };
    }
    bool Done() const { return steps_.empty(); }

    QStringList titles;

private:
    int Run(QDialog& dialog)
    {
        titles.append(dialog.windowTitle());
        if (steps_.empty())
            throw std::runtime_error("no step for " + dialog.windowTitle().toStdString());
        Step step = std::move(steps_.front());
        steps_.pop_front();
        step(dialog);
        return dialog.result();
    }

    std::deque<Step> steps_;
};

} // namespace vantrel::test
