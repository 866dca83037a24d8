#include "dialogs/io_names_file_dialog.h"

#include "dialogs/file_name_dialog.h"
#include "export/io_name_sheet.h"
#include "qt_adapters/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>

namespace vantrel {

std::optional<IoNamesChoice> AskIoNamesFile(QWidget* owner, DialogFolders* folders)
{
    QFileDialog dialog(owner, QStringLiteral("Import I/O Names"),
                       folders ? folders->StartFolder() : QDir::currentPath());
    // The platform's own dialog takes no fields of ours.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("I/O name lists (*.csv *.txt)"),
                           QStringLiteral("Comma-separated lists (*.csv)"),
                           QStringLiteral("Text lists (*.txt)"), kAllFilesFilter});

    auto* type = new QComboBox(&dialog);
    type->setObjectName(QStringLiteral("ioNamesType"));
    // In the order of the I/O list types.
    type->addItems({QStringLiteral("Inputs"), QStringLiteral("Outputs"),
                    QStringLiteral("Analog inputs"), QStringLiteral("Analog outputs")});
    auto* typeLabel = new QLabel(QStringLiteral("&Names of:"), &dialog);
    typeLabel->setBuddy(type);
    auto* createMissing = new QCheckBox(QStringLiteral("&Create missing elements"), &dialog);
    createMissing->setObjectName(QStringLiteral("createMissing"));
    createMissing->setToolTip(QStringLiteral(
        "Place a new element for every number with a name that no element of the design has"));
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
        const int row = grid->rowCount();
        grid->addWidget(typeLabel, row, 0);
        grid->addWidget(type, row, 1);
        grid->addWidget(createMissing, row + 1, 1);
    }
    QObject::connect(&dialog, &QFileDialog::currentChanged, type, [type](const QString& file) {
        if (const std::optional<IoListType> named = IoListTypeOfFile(FileSystemPath(file)))
            type->setCurrentIndex(*named);
    });

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    if (folders)
        folders->Chose(chosen);
    return IoNamesChoice{FileSystemPath(chosen), IoListType(type->currentIndex()),
                         createMissing->isChecked()};
}

} // namespace vantrel
