#include "app/message_box_notifier.h"

#include <QMessageBox>

namespace vantrel {

namespace {

QMessageBox::StandardButtons ButtonsFor(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageAnswer AnswerFor(int clicked)
{
    switch (clicked) {
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

MessageAnswer MessageBoxNotifier::Message(const std::u16string& text, const std::u16string& caption,
                                          MessageButtons buttons)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdU16String(caption),
                    QString::fromStdU16String(text), ButtonsFor(buttons), owner_);
    return AnswerFor(box.exec());
}

} // namespace vantrel
