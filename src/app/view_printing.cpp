#include "app/view_printing.h"

#include "app/app_settings.h"
#include "editor/vantrel_view.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

namespace vantrel {

namespace {

const QString kPreviewPagesKey = QStringLiteral("Settings/PreviewPages");

} // namespace

void PrintPicture(QPrinter& printer, CVantrelView& view)
{
    const QSize client = view.viewport()->size().expandedTo(QSize(1, 1));
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const qreal scale = std::min(page.width() / client.width(), page.height() / client.height());
    painter.translate((page.width() - client.width() * scale) / 2,
                      (page.height() - client.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(0, 0), client));
    view.RenderPicture(painter, client);
}

void PrintView(QPrinter& printer, CVantrelView& view, QWidget* owner)
{
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() == QDialog::Accepted)
        PrintPicture(printer, view);
}

void PreviewView(QPrinter& printer, CVantrelView& view, QWidget* owner)
{
    QPrintPreviewDialog dialog(&printer, owner);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&view](QPrinter* target) { PrintPicture(*target, view); });
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
