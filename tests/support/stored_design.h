#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace vantrel::test {

// A design as a design file stores it, in plain values and independent of
// the classes that read it, so that files of every stored version can be
// written by hand (versioned_design_writer.h) and what a reader should make
// of them can be stated without asking the reader.

// Values of an element payload that are not plain 32-bit integers or texts.
struct Flag // one byte, 0 or 1
{
    bool value = false;
};
struct IdArray // a count prefix and that many 32-bit ids
{
    std::vector<std::int32_t> ids;
};
struct Restricted // a 32-bit value stored only from element version 11 on
{
    std::int32_t value = 0;
};
struct InputSlots // where a kind without base part stores its input slots
{};
using StoredValue =
    std::variant<std::int32_t, std::u16string, Flag, IdArray, Restricted, InputSlots>;

struct StoredElement
{
    std::string className;
    // Kinds without a base part store position and id themselves, no version.
    bool basePart = true;
    std::int32_t id = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    // Exactly the kind's input count of slots.
    std::vector<std::int32_t> inputs;
    std::vector<StoredValue> payload;
};

// A paint object with every field of its newest payload; the defaults are
// the values a reader keeps for the fields an older payload lacks.
struct StoredPaint
{
    std::string className;
    std::int32_t commandId = 0;
    std::int32_t activeId = 0;
    std::int32_t commandNum = -1;
    std::int32_t activeNum = -1;
    std::uint32_t normalColor = 0x000000;
    std::uint32_t activeColor = 0x0000FF;
    std::int32_t hasCommand = 0;
    std::int32_t hasActive = 0;
    std::int32_t width = 1;
    std::int32_t style = 0;                // from payload version 2
    std::uint32_t active2Color = 0xFFFF00; // from 3, with the two below
    std::int32_t hasActive2 = 0;
    std::int32_t active2Num = -1;
    std::int32_t active2Id = 0;  // from 4
    std::int32_t progressId = 0; // from 5, with the three below
    std::uint32_t progressColor = 0x0000FF;
    std::int32_t progressMax = 1000;
    std::int32_t hasProgress = 0;
    std::int32_t activeNeg = 0; // from 6, with the one below
    std::int32_t active2Neg = 0;
    std::int32_t pageIndex = 0;                  // from 7
    std::array<float, 4> fromTo{};               // from.x, from.y, to.x, to.y
    std::vector<std::pair<float, float>> points; // curves only
    // The filled classes; the state-2 colour from version 3.
    std::optional<std::array<std::uint32_t, 3>> fill;
    // The text classes; stored from version 3.
    std::optional<std::u16string> text;
};

struct StoredCommand
{
    std::u16string name;
    // As stored: an id may occur twice, the later state counting.
    std::vector<std::pair<std::int32_t, bool>> settings;
};

struct StoredSimElement
{
    std::int32_t type = 0;
    std::u16string name;
    std::vector<std::int32_t> inputs;
    std::vector<std::int32_t> outputs;
};

struct StoredRemoteModule
{
    std::int32_t inputBits = 0;
    std::int32_t outputBits = 0;
    std::int32_t port = 0;     // from block version 4
    std::int32_t baud = 19200; // from 7, with the flag
    bool legacyCommands = true;
};

struct StoredCustomModule
{
    std::uint8_t registerCount = 8;
    std::uint8_t modbusAddress = 1;
    std::uint8_t registerType = 1;
    std::uint8_t modbusCommand = 4;
    std::uint16_t registerAddress = 0; // from block version 3
    std::int32_t port = 0;             // from 4
    std::int32_t baud = 19200;         // from 5
    std::uint8_t stopBits = 1;         // from 6
};

// The raw background of versions 5 to 9, which readers skip.
struct LegacyBackground
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes
};

inline constexpr int kStoredListCount = 8;

struct StoredDesign
{
    std::int32_t numInputs = 32;
    std::int32_t numOutputs = 32;
    std::int32_t nextElementId = 1;
    std::uint32_t backgroundColour = 0xFFFFFF; // from version 2
    std::int32_t speed = 64;                   // from 9
    std::int32_t designStamp = 0;              // from 16
    // Indexed by list kind; comments live in list 7 here whatever the
    // version, the writer puts them where the version kept them.
    std::array<std::vector<StoredElement>, kStoredListCount> lists;
    std::vector<StoredPaint> paint;
    std::vector<StoredCommand> commands;           // from 3
    std::vector<StoredSimElement> simulation;      // from 12
    std::vector<StoredRemoteModule> remoteModules; // from 14
    std::vector<StoredCustomModule> customModules; // from block version 2
    LegacyBackground legacyBackground;             // versions 5 to 9
    // Encoded page images; an empty one is a slot without image. Versions
    // 10 to 18 keep only the first.
    std::vector<std::vector<std::uint8_t>> pages{{}};
};

} // namespace vantrel::test
