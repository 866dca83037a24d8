#include "support/corpus_files.h"

#include "support/archive_bytes.h"
#include "support/fake_image_codec.h"
#include "support/versioned_design_writer.h"

#include <cstdio>

namespace vantrel::test {

namespace {

constexpr std::int32_t kNewerVersion = 25;

StoredElement Based(std::string className, std::int32_t id, std::vector<std::int32_t> inputs,
                    std::vector<StoredValue> payload = {})
{
    return {std::move(className), true, id, id % 8 * 2, id / 8 * 2, std::move(inputs),
            std::move(payload)};
}

// Kinds that store position and id themselves; InputSlots in the payload
// says where their input slots go.
StoredElement Unbased(std::string className, std::int32_t id, std::vector<std::int32_t> inputs,
                      std::vector<StoredValue> payload)
{
    StoredElement element = Based(std::move(className), id, std::move(inputs), std::move(payload));
    element.basePart = false;
    return element;
}

// Ids of the corpus design, by list.
enum : std::int32_t
{
    kStart = 1,
    kStop = 2,
    kJog = 3,
    kPulse = 4,
    kAnd = 5,
    kOr = 6,
    kNand = 7,
    kNor = 8,
    kXor = 9,
    kNxor = 10,
    kNot = 11,
    kBigAlarm = 14,
    kDelay = 15,
    kClock = 20,
    kMem = 22,
    kSwitch = 23,
    kToggle = 24,
    kDelayedSwitch = 25,
    kLamp = 28,
    kBusy = 29,
    kHorn = 31,
    kRunMarker = 40,
    kLevelMarker = 41,
    kRunOut = 42,
    kTotal = 50,
    kScaled = 55,
    kThousand = 60,
    kMinusForty = 61,
    kNextId = 80,
};

std::vector<StoredElement> MainList(std::int32_t version)
{
    // Numbers and registers exist from version 6, markers from version 4.
    const std::int32_t constant = version >= 6 ? kThousand : 0;
    const std::int32_t accumulator = version >= 6 ? kTotal : 0;
    const std::int32_t scaled = version >= 6 ? kScaled : 0;
    const std::int32_t hornSource = version >= 4 ? kRunOut : kBigAlarm;
    return {
        Based("LogIn", kStart, {}, {0, u"Start"}),
        Based("LogIn", kStop, {}, {1, u"Stop"}),
        Based("LogUser", kJog, {}, {0, u"Jog", Restricted{1}}),
        Based("LogPulseUser", kPulse, {}, {1, u"Pulse", Restricted{0}}),
        Based("LogAnd", kAnd, {kStart, kJog}),
        Based("LogOr", kOr, {kStop, kPulse}),
        Based("LogNAND", kNand, {kAnd, kOr}),
        Based("LogNOR", kNor, {kAnd, kOr}),
        Based("LogXOR", kXor, {kNand, kNor}),
        Based("LogNXOR", kNxor, {kNand, kNor}),
        Based("LogNot", kNot, {kXor}),
        Unbased("LogBigAnd", 12, {}, {1, 8, 0, 0, InputSlots{}}),
        Unbased("LogBigOr", 13, {}, {1, 4, 1, 1, InputSlots{}}),
        Unbased("LogBigAlarm", kBigAlarm, {kNot}, {3, 4, 1, 0, InputSlots{}}),
        Based("LogDelay", kDelay, {kNot}, {10}),
        Based("LogPulseDelay", 16, {kDelay}, {2000}),
        Based("LogVarDelay", 17, {kNot, constant}),
        Based("LogVarPulseDelay", 18, {kNot, constant}),
        Based("LogFilter", 19, {kNot, constant}),
        Based("LogClock", kClock, {}, {7}),
        Based("LogTrigger", 21, {kStart, kStop}),
        Based("LogMem", kMem, {kClock, kStop}),
        Based("LogSwitch", kSwitch, {kMem, kStop}),
        Unbased("LogToggle", kToggle, {kStart, kStop, kJog}, {InputSlots{}}),
        Unbased("LogDelayedSwitch", kDelayedSwitch, {kStart, kStop, kJog, constant},
                {InputSlots{}}),
        Based("LogCompEq", 26, {scaled, constant}),
        Based("LogCompL", 27, {accumulator, constant}),
        Based("LogOut", kLamp, {kSwitch}, {0, u"Lamp"}),
        Based("LogUserOut", kBusy, {kToggle}, {0, u"Busy"}),
        Based("LoggedUserOut", 30, {kDelayedSwitch}, {1, u"Door \u00e9", IdArray{{1, 2, 3}}}),
        Based("LogOut", kHorn, {hornSource}, {1, u"Horn"}),
    };
}

std::vector<StoredElement> IndirectList(std::int32_t version)
{
    const std::int32_t accumulator = version >= 6 ? kTotal : 0;
    return {
        Based("LogStartMarker", kRunMarker, {kXor}, {u"Run"}),
        Based("NLStartMarker", kLevelMarker, {accumulator}, {u"Level"}),
        Based("LogEndMarker", kRunOut, {}, {kRunMarker}),
        Based("NLEndMarker", 43, {}, {kLevelMarker}),
        Based("LogReplicator", 44, {}, {kStart}),
        Based("LogBreaker", 45, {kNxor}),
    };
}

// Registers, accumulators and constants.
void AddNumericLists(StoredDesign& design)
{
    design.lists[2] = {
        Based("Analog_Input", 52, {}, {0, u"Level"}),
        Based("Analog_Output", 53, {kScaled}, {0, u"Valve"}),
        Unbased("AccOp", 54, {kThousand, kAnd}, {0, InputSlots{}, kTotal}),
        Unbased("GP_Register", kScaled, {kTotal, kMinusForty},
                {2, InputSlots{}, Flag{true}, u"Scaled"}),
        Unbased("MathOp", 56, {kScaled, kThousand}, {1, InputSlots{}}),
        Based("LogSpeed", 57, {kStart}, {u"Fan"}),
    };
    design.lists[3] = {
        Unbased("Acc", kTotal, {}, {u"Total", Restricted{1}}),
        Unbased("Acc", 51, {}, {u"Count", Restricted{0}}),
    };
    design.lists[5] = {
        Unbased("NL_Constant", kThousand, {}, {1000}),
        Unbased("NL_Constant", kMinusForty, {}, {-40}),
    };
}

// Up to version 10 readers rebuild the NoOp list from NoOps: an accumulator
// stored there comes back as a NoOp. Temperature inputs came later.
std::vector<StoredElement> NoOpList(std::int32_t version)
{
    StoredElement second = version <= 10 ? Unbased("Acc", 63, {}, {u"Old cell", Restricted{0}})
                                         : Based("TempInput", 63, {}, {0, 15, u"North"});
    return {Unbased("NoOp", 62, {}, {u"Spare", Restricted{1}}), std::move(second)};
}

StoredPaint Paint(std::string className, int n)
{
    StoredPaint paint;
    paint.className = std::move(className);
    paint.commandId = kJog;
    paint.activeId = kLamp;
    paint.commandNum = 100 + n;
    paint.activeNum = 200 + n;
    paint.normalColor = 0x102030u + std::uint32_t(n);
    paint.activeColor = 0x0000C0u + std::uint32_t(n);
    paint.hasCommand = n % 2;
    paint.hasActive = 1;
    paint.width = n;
    paint.style = n % 3;
    paint.active2Color = 0x00A000u + std::uint32_t(n);
    paint.hasActive2 = 1 - n % 2;
    paint.active2Num = 300 + n;
    paint.active2Id = kBusy;
    paint.progressId = kScaled;
    paint.progressColor = 0x303030u + std::uint32_t(n);
    paint.progressMax = 500 + n;
    paint.hasProgress = n % 2;
    paint.activeNeg = n % 2;
    paint.active2Neg = 1 - n % 2;
    paint.pageIndex = n % 3;
    paint.fromTo = {-0.5f + 0.125f * float(n), -0.25f, 0.75f, 0.0625f * float(n)};
    return paint;
}

std::vector<StoredPaint> PaintList()
{
    std::vector<StoredPaint> paint;
    int n = 0;
    for (const char* className : {"Line", "Circle", "Square", "Curve", "FilledCircle",
                                  "FilledSquare", "TextStuff", "FilledText"})
        paint.push_back(Paint(className, ++n));
    paint[3].points = {{0.125f, 0.25f}, {-0.375f, 0.5f}};
    for (int filled : {4, 5, 7})
        paint[std::size_t(filled)].fill = {0x0A0B0Cu, 0x0D0E0Fu, 0x101112u};
    paint[6].text = u"Level \u00e9";
    paint[7].text = u"Pump";
    return paint;
}

std::vector<StoredCommand> Commands()
{
    return {
        // The later setting of an id wins.
        {u"Start all", {{kPulse, false}, {kJog, true}, {kPulse, true}}},
        // Input 1 is no user input: exports drop it.
        {u"Stop", {{kJog, false}, {kStart, true}}},
        {u"noname", {}},
    };
}

std::vector<StoredSimElement> Simulation()
{
    return {{0, u"Valve", {kStart, kStop}, {kLamp, kHorn}}, {1, u"Dial", {kStop}, {-1}}};
}

void AddRemoteModules(StoredDesign& design)
{
    design.remoteModules = {{8, 16, 1, 57600, false}, {8, 0, 2, 19200, true}};
    design.customModules = {
        {4, 3, 1, 4, 100, 1, 38400, 2}, // reads four registers: analog inputs
        {5, 7, 3, 15, 200, 0, 9600, 1}, // writes five coils: outputs at the top
        {2, 9, 1, 16, 0, 0, 19200, 1},  // writes two registers: analog outputs
    };
}

std::vector<std::uint8_t> FakeImage(int width, int height)
{
    return FakeImageCodec().Encode(FakeImageCodec::Sample(width, height), ImageFormat::Png);
}

// Hand-made files around one damaged block. The blocks of version 19:
ArchiveBytes Header19()
{
    return ArchiveBytes().I32(19).I32(32).I32(32).I32(100).I32(0xFFFFFF).I32(64).I32(0);
}

// Blocks 3 to 9 (complex commands to simulation list), all empty.
ArchiveBytes& EmptyListsAfterMain(ArchiveBytes& bytes)
{
    for (int list = 0; list < 8; ++list)
        bytes.EmptyList();
    return bytes;
}

ArchiveBytes& EmptyRemoteBlock(ArchiveBytes& bytes)
{
    return bytes.I32(7).I32(0).I32(0);
}

// Comment list and page block with one empty slot.
ArchiveBytes& EmptyTail(ArchiveBytes& bytes)
{
    return bytes.EmptyList().I32(0).I32(1).I32(0);
}

// A version-19 file whose main list is `main` (count prefix included).
std::vector<std::uint8_t> AroundMainList(const ArchiveBytes& main)
{
    ArchiveBytes bytes = Header19().EmptyList();
    for (std::uint8_t byte : main.Bytes())
        bytes.Byte(byte);
    EmptyListsAfterMain(bytes);
    EmptyRemoteBlock(bytes);
    return EmptyTail(bytes).Bytes();
}

ArchiveBytes& NotObject(ArchiveBytes& bytes)
{
    return bytes.NewClass("LogNot").Base(11, 0, 0, 1).I32(0);
}

// A line of paint payload version 1: ids, numbers, colours, flags, width, corners.
ArchiveBytes& LineObject(ArchiveBytes& bytes)
{
    bytes.NewClass("Line").I32(1);
    for (int value = 0; value < 8; ++value)
        bytes.I32(0);
    return bytes.I32(1).Float(0).Float(0).Float(0.5f).Float(0.5f);
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t length)
{
    bytes.resize(length);
    return bytes;
}

// A file whose blocks before the remote block are empty, the remote block
// and what follows written by `rest`.
template <class Rest> std::vector<std::uint8_t> FromRemoteBlockOn(Rest rest)
{
    ArchiveBytes bytes = Header19().EmptyList().EmptyList();
    EmptyListsAfterMain(bytes);
    rest(bytes);
    return bytes.Bytes();
}

std::string Damaged(const char* what)
{
    return std::string("damaged_") + what + ".lgc";
}

std::vector<CorpusFile> DamagedArchives()
{
    const auto full = WriteDesignFile(CorpusDesign(19), 19);
    ArchiveBytes oneSlot = ArchiveBytes().Word(1);
    ArchiveBytes twoSlots = ArchiveBytes().Word(2);
    return {
        {Damaged("truncated_header"), Cut(full, 10)},
        {Damaged("truncated_in_elements"), Cut(full, full.size() / 2)},
        {Damaged("truncated_page_image"), Cut(full, full.size() - 3)},
        {Damaged("unknown_class"),
         AroundMainList(ArchiveBytes().Word(1).NewClass("LogWidget").Base(11, 0, 0, 1))},
        {Damaged("class_name_too_long"),
         AroundMainList(
             ArchiveBytes().Word(1).Word(0xFFFF).Word(1).Word(64).Hex(std::string(128, '4')))},
        {Damaged("bad_schema"),
         AroundMainList(
             ArchiveBytes().Word(1).Word(0xFFFF).Word(2).Word(6).Hex("4C 6F 67 4E 6F 74"))},
        {Damaged("reference_out_of_range"), AroundMainList(ArchiveBytes().Word(1).Word(5))},
        {Damaged("reference_to_class"), AroundMainList(NotObject(twoSlots).Word(1))},
        {Damaged("object_listed_twice"), AroundMainList(NotObject(twoSlots).Word(2))},
        {Damaged("paint_object_in_main_list"), AroundMainList(LineObject(oneSlot))},
        {Damaged("list_longer_than_file"), AroundMainList(ArchiveBytes().Word(40))},
        {Damaged("huge_count_prefix"), AroundMainList(ArchiveBytes().Word(0xFFFF).I32(0x7FFFFFFF))},
        {Damaged("text_length_huge"), AroundMainList(ArchiveBytes()
                                                         .Word(1)
                                                         .NewClass("LogIn")
                                                         .Base(11, 0, 0, 1)
                                                         .I32(0)
                                                         .Hex("FF FE FF FF FF FF FF FF FF FF")
                                                         .I32(0)
                                                         .I32(1))},
        {Damaged("text_cut_short"), AroundMainList(ArchiveBytes()
                                                       .Word(1)
                                                       .NewClass("LogIn")
                                                       .Base(11, 0, 0, 1)
                                                       .I32(0)
                                                       .Hex("FF FE FF C8 41 00"))},
        {Damaged("logged_ids_count_huge"), AroundMainList(ArchiveBytes()
                                                              .Word(1)
                                                              .NewClass("LoggedUserOut")
                                                              .Base(11, 0, 0, 1)
                                                              .I32(0)
                                                              .I32(0)
                                                              .Text(u"D")
                                                              .Word(0xFFFF)
                                                              .I32(0x100000))},
    };
}

std::vector<CorpusFile> DamagedBlocks()
{
    ArchiveBytes negativeCommand = Header19().EmptyList().EmptyList();
    negativeCommand.Word(1).NewClass("ComplexCommand").I32(1).Text(u"Go").I32(-1);
    // Version 12: header with the two ignored integers, eight empty lists.
    ArchiveBytes hugeSimulation = ArchiveBytes().I32(12).I32(32).I32(32).I32(1).I32(0xFFFFFF);
    hugeSimulation.I32(0).I32(0).I32(64);
    for (int list = 0; list < 8; ++list)
        hugeSimulation.EmptyList();
    hugeSimulation.Word(1).NewClass("SimElement").I32(0).I32(1000000).I32(0).I32(0).Text(u"V");
    StoredDesign negativeBackground;
    negativeBackground.legacyBackground = {-1, 2, {}};
    StoredDesign hugeBackground;
    hugeBackground.legacyBackground = {1000, 1000, {1, 2, 3}};
    return {
        {Damaged("negative_command_count"), negativeCommand.Bytes()},
        {Damaged("simulation_slot_count_huge"), hugeSimulation.I32(5).I32(0).Bytes()},
        {Damaged("remote_module_count_huge"),
         FromRemoteBlockOn([](ArchiveBytes& b) { b.I32(7).I32(0x01000000).I32(8).I32(8); })},
        {Damaged("page_count_huge"), FromRemoteBlockOn([](ArchiveBytes& b) {
             EmptyRemoteBlock(b).EmptyList().I32(0).I32(0x10000000).I32(0);
         })},
        {Damaged("negative_page_length"), FromRemoteBlockOn([](ArchiveBytes& b) {
             EmptyRemoteBlock(b).EmptyList().I32(0).I32(1).I32(-1);
         })},
        {Damaged("legacy_background_negative"), WriteDesignFile(negativeBackground, 9)},
        {Damaged("legacy_background_too_big"), WriteDesignFile(hugeBackground, 5)},
    };
}

// Bytes of no design at all, from a fixed seed.
std::vector<std::uint8_t> Garbage()
{
    std::vector<std::uint8_t> bytes;
    std::uint32_t state = 20240611;
    for (int i = 0; i < 256; ++i) {
        state = state * 1664525u + 1013904223u;
        bytes.push_back(std::uint8_t(state >> 24));
    }
    return bytes;
}

// Numbers no editor would let through, for the exports to cope with.
std::vector<std::uint8_t> OutOfRangeValues()
{
    StoredDesign design;
    design.numInputs = -8;
    design.numOutputs = 100000;
    design.speed = 1000;
    design.nextElementId = 9;
    design.lists[0] = {
        Based("LogIn", 1, {}, {-1, u"Minus"}),
        Based("LogOut", 2, {1}, {99999, u"Far"}),
        Based("LogUser", 3, {}, {5000, u"High", Restricted{7}}),
        Based("LogUserOut", 4, {3}, {-7, u"Low"}),
        Based("LogClock", 5, {}, {99}),
        Based("LogDelay", 6, {5}, {-1}),
        Unbased("LogBigOr", 7, {}, {0, 5000, 9, 1, InputSlots{}}),
    };
    design.lists[4] = {Based("TempInput", 8, {}, {77, 0, u"X"})};
    StoredPaint line = Paint("Line", 1);
    line.pageIndex = 99;
    line.style = 9;
    line.width = -3;
    line.activeId = 2;
    line.progressId = 8;
    line.progressMax = 0;
    design.paint = {line};
    design.commands = {{u"Far", {{3, true}}}};
    design.simulation = {{5, u"Unknown", {1}, {2}}};
    design.remoteModules = {{1000, -8, 7, -1, false}};
    design.customModules = {{255, 0, 9, 99, 65535, -1, 0, 0}};
    return WriteDesignFile(design, 19);
}

// Damage a reader survives: the file opens, with or without messages.
std::vector<CorpusFile> SurvivableDamage()
{
    auto trailing = WriteDesignFile(CorpusDesign(19), 19);
    trailing.insert(trailing.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0, 0, 0, 0});

    ArchiveBytes misplaced = Header19().EmptyList();
    misplaced.Word(4).NewClass("LogNot").Base(11, 0, 0, 5).I32(0);
    misplaced.NewClass("LogStartMarker").Base(11, 0, 1, 7).I32(5).Text(u"M");
    misplaced.NewClass("LogReplicator").Base(11, 0, 2, 8).I32(5);
    misplaced.ClassRef(1).Base(11, 0, 3, 5).I32(0); // a second element with id 5
    misplaced.EmptyList().Word(1).ClassRef(3).Base(11, 1, 0, 5).I32(0).Text(u"Dup");
    for (int list = 0; list < 6; ++list)
        misplaced.EmptyList();
    EmptyRemoteBlock(misplaced);
    EmptyTail(misplaced);

    ArchiveBytes nulls = Header19().Word(2).Word(0);
    LineObject(nulls).Word(3).Word(0).NewClass("LogNot").Base(11, 0, 0, 1).I32(0).Word(0);
    nulls.Word(1).Word(0); // complex commands
    for (int list = 0; list < 6; ++list)
        nulls.EmptyList();
    nulls.Word(2).Word(0).Word(0); // simulation
    EmptyRemoteBlock(nulls);
    EmptyTail(nulls);

    const auto undecodable = FromRemoteBlockOn([](ArchiveBytes& b) {
        EmptyRemoteBlock(b).EmptyList().I32(0).I32(2).I32(4).Hex("89 50 4E 47").I32(0);
    });
    const auto noSlots =
        FromRemoteBlockOn([](ArchiveBytes& b) { EmptyRemoteBlock(b).EmptyList().I32(0).I32(0); });

    // Inputs naming absent ids, one of them beyond the id range the load check covers.
    ArchiveBytes dangling = Header19().EmptyList().Word(3);
    dangling.NewClass("LogAnd").Base(11, 0, 0, 1).I32(77).I32(2000000);
    dangling.NewClass("LogOut").Base(11, 0, 1, 2000000).I32(1).I32(0).Text(u"Far");
    dangling.NewClass("LogNot").Base(11, 0, 2, 3).I32(-5);
    EmptyListsAfterMain(dangling);
    EmptyRemoteBlock(dangling);
    EmptyTail(dangling);

    return {
        {Damaged("empty_file"), {}},
        {Damaged("trailing_bytes"), trailing},
        {Damaged("misplaced_indirect_elements"), misplaced.Bytes()},
        {Damaged("null_entries"), nulls.Bytes()},
        {Damaged("undecodable_page"), undecodable},
        {Damaged("page_block_without_slots"), noSlots},
        {Damaged("dangling_inputs"), dangling.Bytes()},
        {Damaged("out_of_range_values"), OutOfRangeValues()},
        {Damaged("garbage"), Garbage()},
    };
}

} // namespace

StoredDesign CorpusDesign(std::int32_t version)
{
    StoredDesign design;
    design.numInputs = 40;
    design.numOutputs = 48;
    design.nextElementId = kNextId;
    design.backgroundColour = 0x00123456;
    design.speed = 50;
    design.designStamp = 0x5F000000 + version;
    design.lists[0] = MainList(version);
    design.lists[7] = {Based("LogComment", 70, {}, {u"First note"}),
                       Based("LogComment", 71, {}, {u"Second note, 5 \u20AC"})};
    design.paint = PaintList();
    if (version >= 3)
        design.commands = Commands();
    if (version >= 4)
        design.lists[1] = IndirectList(version);
    if (version >= 5 && version <= 9)
        design.legacyBackground = {2, 1, {1, 2, 3, 4, 5, 6}};
    if (version >= 6)
        AddNumericLists(design);
    if (version >= 8)
        design.lists[4] = NoOpList(version);
    if (version >= 10)
        design.pages = {FakeImage(3, 2)};
    if (version >= 12)
        design.simulation = Simulation();
    if (version >= 14)
        AddRemoteModules(design);
    if (version >= 17)
        design.lists[6] = {Based("LogTimer", 64, {kJog}, {u"Run time", Flag{true}})};
    if (version >= 19)
        design.pages = {FakeImage(3, 2), {}, FakeImage(2, 2)};
    return design;
}

std::vector<std::int32_t> CorpusVersions()
{
    std::vector<std::int32_t> versions;
    for (std::int32_t version = 0; version <= 19; ++version)
        versions.push_back(version);
    versions.push_back(kNewerVersion);
    return versions;
}

std::string CorpusFileName(std::int32_t version)
{
    char name[32];
    std::snprintf(name, sizeof name, "design_v%02d.lgc", int(version));
    return name;
}

std::vector<CorpusFile> CorpusFiles()
{
    std::vector<CorpusFile> files;
    for (std::int32_t version : CorpusVersions())
        files.push_back({CorpusFileName(version), WriteDesignFile(CorpusDesign(version), version)});
    for (auto* group : {&DamagedArchives, &DamagedBlocks, &SurvivableDamage})
        for (CorpusFile& file : group())
            files.push_back(std::move(file));
    return files;
}

} // namespace vantrel::test
