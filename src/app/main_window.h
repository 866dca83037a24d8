#pragma once

#include <QMainWindow>

namespace vantrel {

// The editor's frame window. For now it only carries the title; the menus,
// toolbars and the view are added with the editor.
class CMainFrame : public QMainWindow
{
    Q_OBJECT
public:
    explicit CMainFrame(QWidget* parent = nullptr);
    void SetDocumentTitle(const QString& documentName);
};

} // namespace vantrel
