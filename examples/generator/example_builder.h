#pragma once

#include "document/vantrel_doc.h"
#include "editing/config_dialogs.h"
#include "editing/element_dialogs.h"
#include "editing/view_state.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace vantrel::examples {

// What the next property dialog answers: the name or text, the I/O number
// (or, for a remote terminal, its label such as "Remote 0: 3"), the seconds
// of a delay and the value of a constant.
struct Answers
{
    std::u16string text;
    int number = 0;
    std::u16string label;
    int seconds = 1;
    std::int32_t value = 0;
};

// The answers for the dialog of an I/O element (or the text of another; the
// number is an accumulator operation's index too), of a terminal on a
// remote module, of a delay and of a constant.
Answers Io(std::u16string name, int number = 0);
Answers RemoteIo(std::u16string name, std::u16string label);
Answers Seconds(int seconds);
Answers Value(std::int32_t value);

// The element dialogs as a user fills them in while drawing an example.
class AnsweringDialogs final : public ElementDialogs
{
public:
    std::optional<TextBoxResult> TextBox(const std::u16string&, const std::u16string&,
                                         bool) override;
    std::optional<InOutResult> InOutConfig(const InOutRequest& request) override;
    std::optional<int> DelayConfig(int, int) override { return next.seconds; }
    std::optional<TimerValues> TimerConfig(const TimerValues&) override;
    std::optional<int> FreqBox(int index) override { return index; }
    std::optional<std::int32_t> NumBox(std::int32_t) override { return next.value; }
    std::optional<NumOpValues> NumOpConfig(const NumOpValues& values) override { return values; }
    std::optional<AccBoxValues>
    AccBox(const std::vector<std::pair<std::int32_t, std::u16string>>& accumulators,
           const AccBoxValues& values) override;
    std::optional<BigOpValues> BigOpConfig(const BigOpValues& values) override { return values; }
    std::optional<TempInValues> TempInConfig(const TempInValues& values) override { return values; }
    std::optional<LoggedOutputs> LogDialog(const LoggedUserOut& copy,
                                           const ElFinder& finder) override;
    std::optional<std::int32_t> RepDialog(const ElFinder&) override { return std::nullopt; }
    std::optional<std::int32_t> OutMarkerDialog(const ElFinder&, bool) override
    {
        return std::nullopt;
    }
    // Binds the object to `next.number` as the element id that lights it
    // (none for 0).
    std::unique_ptr<PaintStuff> ElColorConfig(std::unique_ptr<PaintStuff> copy,
                                              const ElFinder&) override;

    Answers next;
};

// The configuration dialogs answering with the settings an example needs.
class ConfiguringDialogs final : public ConfigDialogs
{
public:
    std::optional<BoardCounts> BoardNumConfig(const BoardCountRequest& request) override;
    std::optional<std::int32_t> SpeedSelect(std::int32_t setting) override { return setting; }
    std::optional<std::vector<RemoteIoModule>> RemoteIoConfig(const std::vector<RemoteIoModule>&,
                                                              int, int) override
    {
        return modules;
    }
    std::optional<std::vector<CustomRemoteModule>>
    CustomRemoteConfig(const std::vector<CustomRemoteModule>&) override
    {
        return customModules;
    }
    std::vector<ComplexCommand> ComplexCommands(const std::vector<ComplexCommand>& commands,
                                                const ElFinder&, Notifier&) override;
    std::vector<SimElement> SimulatorElements(const std::vector<SimElement>& elements,
                                              const ElFinder&, Notifier&) override
    {
        return elements;
    }

    std::vector<RemoteIoModule> modules;
    std::vector<CustomRemoteModule> customModules;
    std::vector<ComplexCommand> commands;
};

// Draws an example design the way a user does in the editor: each element
// placed with the Action > New tool of its kind at a cell and its dialog
// answered, each wire dragged from an output pin to an input pin, the
// configuration set through its dialogs, then Auto sort.
class ExampleBuilder
{
public:
    ExampleBuilder();

    // Places an element of the class at the cell, the dialog answered with
    // `answers`; its id.
    std::int32_t Place(const char* className, Point cell, Answers answers = {});
    // Drags a wire from the output of the element at `from` to input `input`
    // of the element at `to`.
    void Wire(Point from, Point to, int input);
    // On the first preview page, a rectangle dragged between two points of
    // an 800x600 view, and a text clicked at a point that lights up in red
    // while the element `lightId` is on.
    void Rectangle(Point from, Point to);
    void Text(Point at, std::u16string text, std::int32_t lightId);
    // Runs a configuration command (command ids) with the dialogs' answers.
    void Configure(int command);
    // Sorts and saves the design as `path`.
    void Save(const std::filesystem::path& path);
    // Saves every element drawn as a block file, with its picture, as
    // "Save Selection as Block..." does after Select All.
    void SaveBlock(const std::filesystem::path& path, std::u16string name,
                   std::u16string description);

    CVantrelDoc document;
    AnsweringDialogs dialogs;
    ConfiguringDialogs configuration;

private:
    ViewState view_;
};

} // namespace vantrel::examples
