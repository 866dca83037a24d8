#pragma once

#include "dialogs/property_dialog.h"

#include <cstdint>

namespace vantrel {

class IntegerEdit;

// A dialog that asks for one integer within a range.
class SingleNumberDialog : public PropertyDialog
{
    Q_OBJECT
public:
    std::int32_t Value() const;

protected:
    SingleNumberDialog(const QString& title, int editId, std::int32_t value, std::int32_t lowest,
                       std::int32_t highest, QWidget* parent);

private:
    IntegerEdit* edit_;
};

// "Select time in seconds": lowest .. 2000 seconds.
class CDelayConfig : public SingleNumberDialog
{
    Q_OBJECT
public:
    static constexpr int kPresetSeconds = 10;
    static constexpr int kMaxSeconds = 2000;

    CDelayConfig(int seconds, int lowest, QWidget* parent = nullptr);
};

// "Enter number": any signed 32-bit integer.
class CNumBox : public SingleNumberDialog
{
    Q_OBJECT
public:
    explicit CNumBox(std::int32_t value, QWidget* parent = nullptr);
};

} // namespace vantrel
