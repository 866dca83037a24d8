#pragma once

#include "document/complex_command.h"
#include "hardware/io_counts.h"
#include "hardware/remote_io.h"
#include "hardware/sim_element.h"

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

class ElFinder;
class Notifier;

// What the count dialog offers: counts in steps of eight from the lowest to
// the highest allowed, the current ones chosen. A module's serial port,
// legacy flag and baud rate are shown only with a port of 0 or more.
struct BoardCountRequest
{
    static constexpr int kStep = 8;

    std::u16string title;
    int minInputs = 0;
    int maxInputs = kMaxBoardIo;
    int minOutputs = 0;
    int maxOutputs = kMaxBoardIo;
    int inputs = 0;
    int outputs = 0;
    int port = -1;
    bool legacy = true;
    std::int32_t baud = 19200;
};

// The count dialog's answer on OK.
struct BoardCounts
{
    int inputs = 0;
    int outputs = 0;
    int port = -1;
    bool legacy = true;
    std::int32_t baud = 19200;
    friend bool operator==(const BoardCounts&, const BoardCounts&) = default;
};

// The hardware and design configuration dialogs, behind one interface so
// that the configuration commands can be driven without a modal loop. Each
// takes its values and yields the edited ones; nullopt means Cancel. The
// dialogs that edit a whole list without OK or Cancel always yield the list
// as it is when they close, and ask their deletion questions through the
// notifier.
class ConfigDialogs
{
public:
    virtual ~ConfigDialogs() = default;

    // "Select expansion board count" under the request's title.
    virtual std::optional<BoardCounts> BoardNumConfig(const BoardCountRequest& request) = 0;
    // "Select Speed": a setting 1 .. 255.
    virtual std::optional<std::int32_t> SpeedSelect(std::int32_t setting) = 0;
    // "Remote I/O modules" over the board's input and output counts.
    virtual std::optional<std::vector<RemoteIoModule>>
    RemoteIoConfig(const std::vector<RemoteIoModule>& modules, int numInputs, int numOutputs) = 0;
    // "Remote I/O modules" of the custom MODBUS modules.
    virtual std::optional<std::vector<CustomRemoteModule>>
    CustomRemoteConfig(const std::vector<CustomRemoteModule>& modules) = 0;
    // "Complex Commands" over the design's user inputs.
    virtual std::vector<ComplexCommand> ComplexCommands(const std::vector<ComplexCommand>& commands,
                                                        const ElFinder& finder,
                                                        Notifier& notifier) = 0;
    // "Simulator elements" over the design's inputs and outputs.
    virtual std::vector<SimElement> SimulatorElements(const std::vector<SimElement>& elements,
                                                      const ElFinder& finder,
                                                      Notifier& notifier) = 0;
};

} // namespace vantrel
