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

} // namespace vantrel::test
