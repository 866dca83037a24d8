#include "dialogs/dialog_driver.h"

#include <QComboBox>
#include <QDir>
#include <QPixmap>

namespace vantrel::test {

QStringList Entries(const QComboBox& list)
{
    QStringList labels;
    for (int i = 0; i < list.count(); ++i)
        labels.append(list.itemText(i));
    return labels;
}

RefusalLog::RefusalLog()
    : scope_([this](QWidget* dialog, const QString& text) {
          prompts.append(text);
          lastDialog = dialog;
      })
{}

bool SaveDialogPicture(QDialog& dialog, const QString& fileName)
{
    const QString folder = QStringLiteral(VANTREL_TEST_OUTPUT_DIR "/dialogs");
    QDir().mkpath(folder);
    dialog.adjustSize();
    return dialog.grab().save(folder + u'/' + fileName);
}

} // namespace vantrel::test
