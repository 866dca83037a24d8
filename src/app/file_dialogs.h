#pragma once

#include <QString>

class QWidget;

namespace vantrel {

// The file name questions of Open and Save As, behind one interface so that
// the commands can be driven without a modal loop (tests answer directly).
// An empty name means Cancel.
class FileDialogs
{
public:
    virtual ~FileDialogs() = default;
    virtual QString OpenFileName(QWidget* owner) = 0;
    virtual QString SaveFileName(QWidget* owner, const QString& proposed) = 0;
};

// The platform's file dialogs for design files (".lgc").
class QtFileDialogs final : public FileDialogs
{
public:
    QString OpenFileName(QWidget* owner) override;
    QString SaveFileName(QWidget* owner, const QString& proposed) override;
};

} // namespace vantrel
