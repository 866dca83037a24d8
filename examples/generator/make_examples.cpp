// Draws the example designs and the example blocks through the editor's own
// operations and saves them into the folder given as the only argument, the
// blocks into its blocks/ folder:
//   vantrel_make_examples examples/
#include "example_builder.h"

#include "editing/command_ids.h"

#include <QGuiApplication>

#include <exception>
#include <iostream>

namespace vantrel::examples {

namespace {

// Two pumps empty a sump: a high level starts the duty pump, a low level
// stops it, and every start hands the duty to the other pump (a toggle). A
// faulty pump is passed over; any fault latches an alarm that sounds the
// horn and lights the display page until it is reset from the panel.
void PumpStation(const std::filesystem::path& folder)
{
    ExampleBuilder b;
    b.Place("LogIn", {0, 0}, Io(u"Level high", 0));
    b.Place("LogIn", {0, 1}, Io(u"Level low", 1));
    b.Place("LogIn", {0, 3}, Io(u"Pump 1 fault", 2));
    b.Place("LogIn", {0, 4}, Io(u"Pump 2 fault", 3));
    b.Place("LogUser", {0, 6}, Io(u"Alarm reset"));
    b.Place("LogNot", {1, 1});
    b.Wire({0, 1}, {1, 1}, 0);
    b.Place("LogMem", {2, 0}); // demand: set at high level, reset below low level
    b.Wire({0, 0}, {2, 0}, 0);
    b.Wire({1, 1}, {2, 0}, 1);
    b.Place("LogToggle", {3, 2}); // the pump on duty changes with every demand
    b.Wire({2, 0}, {3, 2}, 0);
    b.Wire({0, 6}, {3, 2}, 1);
    b.Wire({2, 0}, {3, 2}, 2);
    b.Place("LogNot", {4, 3});
    b.Wire({3, 2}, {4, 3}, 0);
    b.Place("LogNot", {2, 4});
    b.Wire({0, 3}, {2, 4}, 0);
    b.Place("LogNot", {2, 5});
    b.Wire({0, 4}, {2, 5}, 0);
    b.Place("LogAnd", {5, 1});
    b.Wire({2, 0}, {5, 1}, 0);
    b.Wire({3, 2}, {5, 1}, 1);
    b.Place("LogAnd", {5, 3});
    b.Wire({2, 0}, {5, 3}, 0);
    b.Wire({4, 3}, {5, 3}, 1);
    b.Place("LogAnd", {6, 1});
    b.Wire({5, 1}, {6, 1}, 0);
    b.Wire({2, 5}, {6, 1}, 1);
    b.Place("LogAnd", {6, 3});
    b.Wire({5, 3}, {6, 3}, 0);
    b.Wire({2, 4}, {6, 3}, 1);
    b.Place("LogOut", {7, 3}, Io(u"Pump 1", 0));
    b.Wire({6, 3}, {7, 3}, 0);
    b.Place("LogOut", {7, 1}, Io(u"Pump 2", 1));
    b.Wire({6, 1}, {7, 1}, 0);
    b.Place("LogOr", {2, 7});
    b.Wire({0, 3}, {2, 7}, 0);
    b.Wire({0, 4}, {2, 7}, 1);
    b.Place("LogMem", {3, 7}); // the alarm stays until it is reset
    b.Wire({2, 7}, {3, 7}, 0);
    b.Wire({0, 6}, {3, 7}, 1);
    b.Place("LogOut", {5, 7}, Io(u"Alarm horn", 2));
    b.Wire({3, 7}, {5, 7}, 0);
    const std::int32_t pumpAlarm = b.Place("LogUserOut", {5, 8}, Io(u"Pump alarm"));
    b.Wire({3, 7}, {5, 8}, 0);
    b.Place("LogDelay", {3, 9}, Seconds(30)); // high level for 30 s: the pumps cannot keep up
    b.Wire({0, 0}, {3, 9}, 0);
    const std::int32_t levelAlarm = b.Place("LogUserOut", {5, 9}, Io(u"High level alarm"));
    b.Wire({3, 9}, {5, 9}, 0);
    b.Rectangle({40, 40}, {760, 560});
    b.Text({80, 80}, u"Pump station", 0);
    b.Text({80, 200}, u"PUMP FAULT", pumpAlarm);
    b.Text({80, 300}, u"HIGH LEVEL", levelAlarm);
    b.Save(folder / "pump_station.lgc");
}

// A belt runs from start until stop or a jam; it halts while a box waits at
// its end. The jam sensor, the end sensor and the warning light sit on a
// remote I/O module at the far end of the belt.
void Conveyor(const std::filesystem::path& folder)
{
    ExampleBuilder b;
    b.configuration.modules = {RemoteIoModule{8, 8, 1, 57600, false}};
    b.Configure(command::kRemoteIo);
    b.Place("LogIn", {0, 0}, Io(u"Start", 0));
    b.Place("LogIn", {0, 1}, Io(u"Stop", 1));
    b.Place("LogIn", {0, 3}, RemoteIo(u"Jam sensor", u"Remote 0: 1"));
    b.Place("LogIn", {0, 5}, RemoteIo(u"Box at end", u"Remote 0: 2"));
    b.Place("LogOr", {1, 2});
    b.Wire({0, 1}, {1, 2}, 0);
    b.Wire({0, 3}, {1, 2}, 1);
    b.Place("LogMem", {2, 0});
    b.Wire({0, 0}, {2, 0}, 0);
    b.Wire({1, 2}, {2, 0}, 1);
    b.Place("LogNot", {2, 5});
    b.Wire({0, 5}, {2, 5}, 0);
    b.Place("LogAnd", {3, 1});
    b.Wire({2, 0}, {3, 1}, 0);
    b.Wire({2, 5}, {3, 1}, 1);
    b.Place("LogOut", {4, 1}, Io(u"Belt motor", 0));
    b.Wire({3, 1}, {4, 1}, 0);
    b.Place("LogUserOut", {4, 0}, Io(u"Running"));
    b.Wire({2, 0}, {4, 0}, 0);
    b.Place("LogClock", {2, 7}); // the warning light flashes
    b.Place("LogAnd", {3, 4});
    b.Wire({0, 3}, {3, 4}, 0);
    b.Wire({2, 7}, {3, 4}, 1);
    b.Place("LogOut", {4, 4}, RemoteIo(u"Warning light", u"Remote 0: 1"));
    b.Wire({3, 4}, {4, 4}, 0);
    b.Save(folder / "conveyor.lgc");
}

// A room is heated while it is colder than its set point and it is not mild
// outside; two temperatures come from a MODBUS sensor module as analog
// inputs (tenths of a degree). "Comfort" and "Away" are complex commands
// that set the panel's two switches at once.
void Heating(const std::filesystem::path& folder)
{
    ExampleBuilder b;
    CustomRemoteModule sensors;
    sensors.registerCount = 2;
    sensors.registerType = 2; // two bytes a register
    sensors.modbusCommand = 4;
    sensors.port = 2;
    b.configuration.customModules = {sensors};
    b.Configure(command::kCustomRemoteIo);
    b.Place("Analog_Input", {0, 0}, Io(u"Room temperature", 0));
    b.Place("Analog_Input", {0, 2}, Io(u"Outside temperature", 1));
    b.Place("NL_Constant", {0, 1}, Value(210));
    b.Place("NL_Constant", {0, 3}, Value(150));
    b.Place("LogCompL", {2, 0}); // set point above the room: too cold
    b.Wire({0, 1}, {2, 0}, 0);
    b.Wire({0, 0}, {2, 0}, 1);
    b.Place("LogCompL", {2, 2}); // mild outside
    b.Wire({0, 2}, {2, 2}, 0);
    b.Wire({0, 3}, {2, 2}, 1);
    const std::int32_t on = b.Place("LogUser", {0, 5}, Io(u"Heating on"));
    const std::int32_t away = b.Place("LogUser", {0, 6}, Io(u"Holiday"));
    b.Place("LogNot", {1, 6});
    b.Wire({0, 6}, {1, 6}, 0);
    b.Place("LogAnd", {2, 5});
    b.Wire({0, 5}, {2, 5}, 0);
    b.Wire({1, 6}, {2, 5}, 1);
    b.Place("LogNot", {3, 2});
    b.Wire({2, 2}, {3, 2}, 0);
    b.Place("LogAnd", {3, 0});
    b.Wire({2, 0}, {3, 0}, 0);
    b.Wire({2, 5}, {3, 0}, 1);
    b.Place("LogAnd", {4, 1});
    b.Wire({3, 0}, {4, 1}, 0);
    b.Wire({3, 2}, {4, 1}, 1);
    b.Place("LogOut", {6, 1}, Io(u"Burner", 0));
    b.Wire({4, 1}, {6, 1}, 0);
    b.Place("LogDelay", {5, 3}, Seconds(120)); // the pump runs on after the burner
    b.Wire({4, 1}, {5, 3}, 0);
    b.Place("LogOr", {6, 3});
    b.Wire({4, 1}, {6, 3}, 0);
    b.Wire({5, 3}, {6, 3}, 1);
    b.Place("LogOut", {7, 3}, Io(u"Circulation pump", 1));
    b.Wire({6, 3}, {7, 3}, 0);
    ComplexCommand comfort(u"Comfort");
    comfort.settings = {{on, true}, {away, false}};
    ComplexCommand holiday(u"Away");
    holiday.settings = {{on, false}, {away, true}};
    b.configuration.commands = {comfort, holiday};
    b.Configure(command::kComplexCommands);
    b.Save(folder / "heating.lgc");
}

// A memory set by a start pulse on its first input and reset through an Or
// by either of two stops.
void StartStopLatch(const std::filesystem::path& folder)
{
    ExampleBuilder b;
    b.Place("LogOr", {0, 1});
    b.Place("LogMem", {1, 0});
    b.Wire({0, 1}, {1, 0}, 1);
    b.SaveBlock(folder / "start_stop_latch.lgb", u"Start/stop latch",
                u"Wire the start button to the memory's first input and the stop buttons to the "
                u"Or: the memory holds from a start until a stop.");
}

// A one-second pulse when a signal rises: the signal, and not yet the signal
// of a second ago.
void RisingEdgePulse(const std::filesystem::path& folder)
{
    ExampleBuilder b;
    b.Place("LogDelay", {0, 1}, Seconds(1));
    b.Place("LogNot", {1, 1});
    b.Wire({0, 1}, {1, 1}, 0);
    b.Place("LogAnd", {2, 0});
    b.Wire({1, 1}, {2, 0}, 1);
    b.SaveBlock(folder / "rising_edge_pulse.lgb", u"Pulse on rising edge",
                u"Wire the signal to the And's first input and to the delay: the And gives a "
                u"pulse of one second each time the signal comes on.");
}

// An alarm that latches when its cause comes, flashes until it is
// acknowledged and clears once acknowledged with the cause gone.
void AlarmWithAcknowledge(const std::filesystem::path& folder)
{
    ExampleBuilder b;
    b.Place("LogNot", {0, 1});
    b.Place("LogAnd", {1, 1});
    b.Wire({0, 1}, {1, 1}, 1);
    b.Place("LogMem", {2, 0});
    b.Wire({1, 1}, {2, 0}, 1);
    b.Place("LogClock", {2, 2});
    b.Place("LogAnd", {3, 1});
    b.Wire({2, 0}, {3, 1}, 0);
    b.Wire({2, 2}, {3, 1}, 1);
    b.SaveBlock(folder / "alarm_with_acknowledge.lgb", u"Alarm with acknowledge",
                u"Wire the alarm's cause to the memory's first input and to the Not, the "
                u"acknowledge button to the first And: the last And flashes the alarm lamp from "
                u"the cause until it is acknowledged with the cause gone.");
}

// An accumulator counting pulses and set back to 0 by a reset.
void CounterWithReset(const std::filesystem::path& folder)
{
    ExampleBuilder b;
    b.Place("Acc", {0, 0}, Io(u"Count"));
    b.Place("NL_Constant", {0, 2}, Value(1));
    b.Place("NL_Constant", {0, 4}, Value(0));
    b.Place("AccOp", {2, 2}, Io(u"", 0)); // +
    b.Wire({0, 2}, {2, 2}, 0);
    b.Place("AccOp", {2, 4}, Io(u"", 2)); // =
    b.Wire({0, 4}, {2, 4}, 0);
    b.SaveBlock(folder / "counter_with_reset.lgb", u"Counter with reset",
                u"Wire the pulses to count to the bit input of the upper operation and the reset "
                u"to the lower one: the accumulator Count adds 1 for each pulse and goes back to "
                u"0 on reset.");
}

} // namespace

} // namespace vantrel::examples

int main(int argc, char** argv)
{
    // Saving page images needs the image codec, which needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: vantrel_make_examples FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        vantrel::examples::PumpStation(folder);
        vantrel::examples::Conveyor(folder);
        vantrel::examples::Heating(folder);
        vantrel::examples::StartStopLatch(folder / "blocks");
        vantrel::examples::RisingEdgePulse(folder / "blocks");
        vantrel::examples::AlarmWithAcknowledge(folder / "blocks");
        vantrel::examples::CounterWithReset(folder / "blocks");
    } catch (const std::exception& failure) {
        std::cerr << "vantrel_make_examples: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
