#include "app/message_box_notifier.h"

#include <QMessageBox>
#include <QRegularExpression>

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

// Lines whose parts are separated by runs of tabs, such as the report's
// "Constants:\t%d/256", are shown as a table: tab stops in a proportional
// font would put a short label's value a column early. The text itself is
// not changed.
QString TableOf(const QString& text)
{
    static const QRegularExpression kTabs(QStringLiteral("\t+"));
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (const QString& line : text.split(u'\n')) {
        html += QStringLiteral("<tr>");
        for (const QString& cell : line.split(kTabs))
            html += QStringLiteral("<td style=\"padding-right: 1.5em; white-space: pre\">%1</td>")
                        .arg(cell.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

void PresentMessage(QMessageBox& box, const QString& text)
{
    if (text.contains(u'\t')) {
        box.setTextFormat(Qt::RichText);
        box.setText(TableOf(text));
    } else {
        box.setTextFormat(Qt::PlainText);
        box.setText(text);
    }
}

MessageAnswer MessageBoxNotifier::Message(const std::u16string& text, const std::u16string& caption,
                                          MessageButtons buttons)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdU16String(caption), QString(),
                    ButtonsFor(buttons), owner_);
    PresentMessage(box, QString::fromStdU16String(text));
    return AnswerFor(box.exec());
}

} // namespace vantrel
