#include "app/view_printing.h"

#include "app/app_settings.h"
#include "editor/vantrel_view.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace vantrel {

namespace {

const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");

} // namespace

void PrintView(QPrinter& printer, CVantrelView& view, const QString& title, QWidget* owner)
{
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() == QDialog::Accepted)
        PrintDrawing(printer, view.Document(), view.State(), view.viewport()->size(), title);
}

void PreviewView(QPrinter& printer, CVantrelView& view, const QString& title, QWidget* owner)
{
    QPrintPreviewDialog dialog(&printer, owner);
    QObject::connect(
        &dialog, &QPrintPreviewDialog::paintRequested, [&view, &title](QPrinter* target) {
            PrintDrawing(*target, view.Document(), view.State(), view.viewport()->size(), title);
        });
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    const std::unique_ptr<QSettings> settings = UserSettings();
    if (preview && settings->value(kPreviewPagesKey, 1).toInt() == 2)
        preview->setViewMode(QPrintPreviewWidget::FacingPagesView);
    dialog.exec();
    if (preview) {
        const bool twoPages = preview->viewMode() == QPrintPreviewWidget::FacingPagesView;
        settings->setValue(kPreviewPagesKey, twoPages ? 2 : 1);
    }
}

void PrintSetup(QPrinter& printer, QWidget* owner)
{
    QPageSetupDialog dialog(&printer, owner);
    dialog.exec();
}

} // namespace vantrel
