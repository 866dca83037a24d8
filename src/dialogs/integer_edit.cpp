#include "dialogs/integer_edit.h"

#include "document/notifier.h"

#include <QMessageBox>

#include <utility>

namespace vantrel {

namespace {

// More digits than this cannot be an int64 and are refused as a whole.
constexpr int kMaxDigits = 18;

// Captioned like every other box of the program.
void WarningBox(QWidget* dialog, const QString& text)
{
    QMessageBox::warning(dialog, QString::fromStdU16String(kApplicationTitle), text);
}

RefusalPrompt& CurrentPrompt()
{
    static RefusalPrompt prompt = WarningBox;
    return prompt;
}

} // namespace

std::optional<std::int64_t> ParseDecimal(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype at = 0;
    const bool negative = trimmed.startsWith(u'-');
    if (negative || trimmed.startsWith(u'+'))
        ++at;
    const qsizetype digits = trimmed.size() - at;
    if (digits < 1 || digits > kMaxDigits)
        return std::nullopt;
    std::int64_t value = 0;
    for (; at < trimmed.size(); ++at) {
        const char16_t c = trimmed[at].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

IntegerEdit::IntegerEdit(std::int32_t value, std::int32_t lowest, std::int32_t highest,
                         QWidget* parent)
    : QLineEdit(QString::number(value), parent), preset_(value), lowest_(lowest), highest_(highest)
{}

std::optional<std::int32_t> IntegerEdit::Entered() const
{
    const std::optional<std::int64_t> value = ParseDecimal(text());
    if (!value || *value < lowest_ || *value > highest_)
        return std::nullopt;
    return std::int32_t(*value);
}

QString IntegerEdit::RangePrompt() const
{
    return QStringLiteral("Enter an integer between %1 and %2.").arg(lowest_).arg(highest_);
}

void ShowRefusal(QWidget* dialog, const QString& text)
{
    CurrentPrompt()(dialog, text);
}

ScopedRefusalPrompt::ScopedRefusalPrompt(RefusalPrompt prompt)
    : previous_(std::exchange(CurrentPrompt(), std::move(prompt)))
{}

ScopedRefusalPrompt::~ScopedRefusalPrompt()
{
    CurrentPrompt() = std::move(previous_);
}

} // namespace vantrel
