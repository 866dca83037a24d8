#include "app/main_window.h"

namespace vantrel {

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    SetDocumentTitle(QStringLiteral("Untitled"));
    resize(1024, 768);
}

void CMainFrame::SetDocumentTitle(const QString& documentName)
{
    setWindowTitle(QStringLiteral("%1 - Vantrel v2").arg(documentName));
}

} // namespace vantrel
