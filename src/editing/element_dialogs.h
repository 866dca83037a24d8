#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vantrel {

class ElFinder;
class LoggedUserOut;
class PaintStuff;

// The values the element property dialogs exchange. Each dialog takes its
// input values and, on OK, yields its outputs; nullopt means Cancel.

struct TextBoxResult
{
    std::u16string text;
    bool checked = false;
};

struct InOutRequest
{
    std::u16string name;
    int number = 0;
    // Entries 0 .. count - 1 are offered.
    int count = 0;
    // number -> id of the element using it, -1 when free (may be shorter
    // than count: missing entries are free).
    std::vector<std::int32_t> usage;
    // Labels come from here (IoLabel on the given side), or are number + 1 without one.
    const ElFinder* labelSource = nullptr;
    bool isInput = true;
    // Numbers in use are listed with " in use" when set, else left out.
    bool showInUse = false;
};

struct InOutResult
{
    std::u16string name;
    int number = 0;
};

struct TimerValues
{
    std::u16string name;
    bool countUp = false;
};

struct NumOpValues
{
    int operation = 0;
    bool showInMonitor = false;
    std::u16string name;
};

struct AccBoxValues
{
    std::int32_t accumulatorId = 0;
    int operation = 0;
};

struct BigOpValues
{
    int first = 1;
    int last = 10;
    int side = 0; // 0 "Inputs", 1 "Outputs"
    bool invert = false;
};

struct TempInValues
{
    int type = 0;
    std::u16string siloName;
    std::int32_t defaultValue = 0;
};

struct LoggedOutputs
{
    std::u16string name;
    std::vector<std::int32_t> loggedIds;
};

// The property dialogs, behind one interface so that the editor's logic can
// be driven without a modal loop (tests answer them directly).
class ElementDialogs
{
public:
    virtual ~ElementDialogs() = default;

    // "Add Text": the check box is shown only with a non-empty caption.
    virtual std::optional<TextBoxResult>
    TextBox(const std::u16string& text, const std::u16string& checkCaption, bool checked) = 0;
    // "I/O properties"
    virtual std::optional<InOutResult> InOutConfig(const InOutRequest& request) = 0;
    // "Select time in seconds": lowest .. 2000.
    virtual std::optional<int> DelayConfig(int seconds, int lowest) = 0;
    // "Timer Properties"
    virtual std::optional<TimerValues> TimerConfig(const TimerValues& values) = 0;
    // "Select Frequency": index 0 .. 12.
    virtual std::optional<int> FreqBox(int index) = 0;
    // "Enter number": any signed 32-bit integer.
    virtual std::optional<std::int32_t> NumBox(std::int32_t value) = 0;
    // "Number Operation"
    virtual std::optional<NumOpValues> NumOpConfig(const NumOpValues& values) = 0;
    // "Select Accumulator" over (id, name) pairs; with none it cancels at once.
    virtual std::optional<AccBoxValues>
    AccBox(const std::vector<std::pair<std::int32_t, std::u16string>>& accumulators,
           const AccBoxValues& values) = 0;
    // "BigOp properties": first and last 1 .. 2048.
    virtual std::optional<BigOpValues> BigOpConfig(const BigOpValues& values) = 0;
    // "Temp In Config"
    virtual std::optional<TempInValues> TempInConfig(const TempInValues& values) = 0;
    // "Logged User Output" on a copy of the element.
    virtual std::optional<LoggedOutputs> LogDialog(const LoggedUserOut& copy,
                                                   const ElFinder& finder) = 0;
    // "Replicator Properties": an input or user input of the main list; -1
    // when there is none to choose.
    virtual std::optional<std::int32_t> RepDialog(const ElFinder& finder) = 0;
    // "Replicator Properties" listing the in markers of the given kind.
    virtual std::optional<std::int32_t> OutMarkerDialog(const ElFinder& finder, bool numeric) = 0;
    // "Color config" on a working copy of a paint object: the edited copy on
    // OK, none on Cancel.
    virtual std::unique_ptr<PaintStuff> ElColorConfig(std::unique_ptr<PaintStuff> copy,
                                                      const ElFinder& finder) = 0;
};

} // namespace vantrel
