#pragma once

#include "document/vantrel_doc.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace vantrel::test {

// Appends a new element to its list of the document, at grid cell (id, 0),
// with its input slots wired to the given ids. Nothing is checked or
// rebuilt, so large designs are quick to make.
template <class Kind, class... Args>
Kind& Place(CVantrelDoc& document, std::int32_t id, std::vector<std::int32_t> inputs,
            Args&&... args)
{
    auto element = std::make_unique<Kind>(Point{id, 0}, id, std::forward<Args>(args)...);
    for (std::size_t i = 0; i < inputs.size(); ++i)
        element->inputs[i] = inputs[i];
    Kind& placed = *element;
    document.elements[placed.ListKind()].push_back(std::move(element));
    return placed;
}

// A small plant that fills every section of the program image:
// main list   0 LogIn 10 "Start" #0, 1 LogUser 11 "Jog" #7, 2 LogAnd 12 (10, 11),
//             3 LogOut 13 "Lamp" #2 (12), 4 LogUserOut 14 "Done" #0 (12),
//             5 LogDelay 15 5 s (12);
// registers   Acc 20 "A" (0), Acc 21 "B" (1), NoOp 30 "N" (2), LogTimer 40 "T" (11) (3),
//             then the register list AccOp 50 "+" on 20 (60 while 12),
//             GP_Register 51 "G1" monitored 21 + 60 (4), GP_Register 52 "G2" 51 - 40 (5);
// constants   NL_Constant 60 = 1000;
// remote      one combined remote I/O module of 8 inputs and 16 outputs on port 1 at 57600.
// The design stamp is 0x12345678; 32 inputs and outputs, speed 64.
void BuildSmallPlant(CVantrelDoc& document);

// The small plant grown into a whole design for the golden export files,
// 64 inputs and outputs, speed 100:
// main list   + LogPulseUser 16 "Pulse" #8, LoggedUserOut 17 "Alarm log" #1 (12) logging 13
//             and 14, LogClock 18 (2 Hz), LogToggle 19 (10, 11, 16), LogOut 22 "Siren" #3 (71);
// indirect    LogStartMarker 70 "Run" (19), LogEndMarker 71 (70);
// registers   + Analog_Input 53 "Level" #0, Analog_Output 54 "Valve" #0 (52);
// NoOp list   + TempInput 31 (silo average, 15, "North");  comment 80 "Plant";
// commands    "Jog on" (11 on, 16 off) and "Stale" (11 off, 13 on: 13 is no user input);
// paint       a line, a filled square, a text and a curve on pages 0 and 1, bound to the
//             logic; two page images of the fake codec;
// simulation  a valve (10, none; 13, 22) and a rotary control (10; 13);
// remote      + a legacy module of 16 inputs and 8 outputs, a reading and a writing
//             register module and a bit module of 9 inputs at register address 10.
void BuildPlant(CVantrelDoc& document);

} // namespace vantrel::test
