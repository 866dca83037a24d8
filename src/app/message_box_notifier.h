#pragma once

#include "document/notifier.h"

class QMessageBox;
class QString;
class QWidget;

namespace vantrel {

// Shows the system's messages as modal message boxes.
class MessageBoxNotifier final : public Notifier
{
public:
    explicit MessageBoxNotifier(QWidget* owner = nullptr) : owner_(owner) {}
    MessageAnswer Message(const std::u16string& text, const std::u16string& caption,
                          MessageButtons buttons) override;

private:
    QWidget* owner_;
};

// Puts the message's text into the box: as it is, or, for lines whose parts
// are separated by tabs (the report), as a table whose columns line up.
void PresentMessage(QMessageBox& box, const QString& text);

} // namespace vantrel
