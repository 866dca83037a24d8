#pragma once

#include "document/vantrel_doc.h"
#include "support/recording_notifier.h"

#include <cstdint>
#include <vector>

namespace vantrel::test {

// A design whose elements sit at known operand indices, for checking
// instruction words: main-list positions 0 to 9, accumulator registers 0 to
// 7 and constants 0 to 3 (operands 256 to 259). Unconnected-input warnings
// go to `notifier`.
class OperandDesign
{
public:
    static constexpr int kMainCount = 10;
    static constexpr int kRegisterCount = 8;
    static constexpr int kConstantCount = 4;

    OperandDesign();

    // The id of the element at each operand index.
    static std::int32_t Main(int position) { return 1 + position; }
    static std::int32_t Register(int number) { return 101 + number; }
    static std::int32_t Constant(int number) { return 201 + number; }

    // The words the element emits into the program image (WordCount of them).
    std::vector<std::uint32_t> Words(const LogElement& element);

    RecordingNotifier notifier;
    CVantrelDoc document;
};

} // namespace vantrel::test
