#pragma once

#include "document/notifier.h"

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

} // namespace vantrel
