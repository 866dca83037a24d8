#pragma once

#include <QLineEdit>

#include <cstdint>
#include <functional>
#include <optional>

namespace vantrel {

// An edit field for one integer within a range. The text is free while the
// user types; the dialog checks it when OK is pressed.
class IntegerEdit : public QLineEdit
{
    Q_OBJECT
public:
    IntegerEdit(std::int32_t value, std::int32_t lowest, std::int32_t highest,
                QWidget* parent = nullptr);

    // The number when the text is a signed decimal integer within the range.
    std::optional<std::int32_t> Entered() const;
    // The entered number, or the preset while the text is not one.
    std::int32_t Value() const { return Entered().value_or(preset_); }
    // What the user is told when the text is refused.
    QString RangePrompt() const;

private:
    std::int32_t preset_;
    std::int32_t lowest_;
    std::int32_t highest_;
};

// The value of a text that is a signed decimal integer (sign optional,
// surrounding blanks allowed), or none; none also for values beyond 64 bits.
std::optional<std::int64_t> ParseDecimal(const QString& text);

// Tells the user why an entry was refused; a warning box unless replaced.
using RefusalPrompt = std::function<void(QWidget* dialog, const QString& text)>;

void ShowRefusal(QWidget* dialog, const QString& text);

// Replaces the refusal prompt while it exists, so that a refusal can be
// observed without a modal box.
class ScopedRefusalPrompt
{
public:
    explicit ScopedRefusalPrompt(RefusalPrompt prompt);
    ~ScopedRefusalPrompt();
    ScopedRefusalPrompt(const ScopedRefusalPrompt&) = delete;
    ScopedRefusalPrompt& operator=(const ScopedRefusalPrompt&) = delete;

private:
    RefusalPrompt previous_;
};

} // namespace vantrel
