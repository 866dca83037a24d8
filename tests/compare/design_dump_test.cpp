#include "compare/design_dump.h"

#include "archive/archive.h"
#include "document/design_io.h"
#include "document/system_classes.h"
#include "document/vantrel_doc.h"
#include "elements/gates.h"
#include "elements/io_elements.h"
#include "paint/shapes.h"
#include "support/element_archive.h"
#include "support/every_kind_design.h"
#include "support/fake_image_codec.h"
#include "support/sample_designs.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <locale>
#include <optional>
#include <sstream>

namespace vantrel {
namespace {

namespace fs = std::filesystem;

std::string DumpText(const CVantrelDoc& document,
                     const std::locale& locale = std::locale::classic())
{
    std::ostringstream out;
    out.imbue(locale);
    WriteDump(DumpDesign(document), out);
    return out.str();
}

// Numbers as a German user's machine writes them: "1.000,5".
struct GermanNumbers : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

std::vector<std::uint8_t> StoreDesign(CVantrelDoc& document)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    document.Serialize(ar, test::FakeImageCodec(), ImageFormat::Png);
    return bytes;
}

void LoadDesignBytes(CVantrelDoc& document, const std::vector<std::uint8_t>& bytes)
{
    CArchive ar(LoadFrom, bytes, SystemClasses());
    document.Serialize(ar, test::FakeImageCodec(), ImageFormat::Png);
}

TEST(DesignDump, ADesignSavedLoadedAndSavedAgainDumpsTheSame)
{
    CVantrelDoc original;
    test::BuildEveryKindDesign(original);
    // As every opened or edited design has it.
    original.RaiseNextIdAboveIds();
    const std::string dumped = DumpText(original);
    CVantrelDoc loaded;
    LoadDesignBytes(loaded, StoreDesign(original));
    CVantrelDoc reloaded;
    LoadDesignBytes(reloaded, StoreDesign(loaded));
    EXPECT_EQ(DumpText(loaded), dumped);
    EXPECT_EQ(DumpText(reloaded), dumped);
}

// A file from before the design stamp opens with a stamp from the clock,
// which is no part of the file.
TEST(DesignDump, AFileWithoutStampDumpsTheSameAtAnyTime)
{
    CVantrelDoc document;
    ASSERT_EQ(OpenDesign(document, fs::path(VANTREL_TEST_DATA_DIR) / "corpus/design_v15.lgc",
                         test::FakeImageCodec()),
              OpenOutcome::Opened);
    const std::string text = DumpText(document);
    EXPECT_EQ(text.substr(0, text.find('\n')), "design version=15 stamp=none nextId=80");
    document.designStamp += 3600;
    EXPECT_EQ(DumpText(document), text);
}

// Two designs with the same content, built with their lists in a different
// order of allocation, give the same text, whatever the locale.
TEST(DesignDump, TheTextIsFixedByTheContentAlone)
{
    const auto build = [](CVantrelDoc& document, bool reversed) {
        auto in = std::make_unique<LogIn>(Point{0, 0}, 7, 2, u"Start \"A\"\n\u00e9");
        auto gate = std::make_unique<LogAnd>(Point{-2, 3}, 3);
        gate->inputs = {7, 0, 0, 0};
        auto& main = document.elements[kMainList];
        if (reversed) {
            main.push_back(std::move(gate));
            main.insert(main.begin(), std::move(in));
        } else {
            main.push_back(std::move(in));
            main.push_back(std::move(gate));
        }
        auto line = std::make_unique<Line>();
        line->from = {0.1f, -0.5f};
        line->to = {1.0f / 3.0f, 1e-7f};
        document.paintObjects.push_back(std::move(line));
        document.pageBackgrounds = {EncodedImage({0x33, 0x22, 0x11, 0xFF}), EncodedImage{}};
        document.designStamp = 1234567;
        document.nextElementId = 8;
    };
    CVantrelDoc first;
    build(first, false);
    const std::locale german(std::locale::classic(), new GermanNumbers);
    const std::locale previous = std::locale::global(german);
    CVantrelDoc second;
    build(second, true);
    const std::string text = DumpText(second, german);
    std::locale::global(previous);
    EXPECT_EQ(DumpText(first), text);
    EXPECT_EQ(
        text,
        "design version=19 stamp=1234567 nextId=8\n"
        "configuration numInputs=32 numOutputs=32 speed=64 background=#ffffff\n"
        "element 3 kind=LogAnd list=main after=7 cell=-2,3 inputs=7,0\n"
        "element 7 kind=LogIn list=main after=0 cell=0,0 number=2 name=\"Start "
        "\\\"A\\\"\\n\xC3\xA9\"\n"
        "paint 1 kind=Line page=0 from=0.1,-0.5 to=0.33333334,1e-07 width=1 style=0 "
        "normalColor=#000000 activeColor=#ff0000 active2Color=#00ffff hasCommand=0 commandId=0 "
        "hasActive=0 activeId=0 activeNeg=0 hasActive2=0 active2Id=0 active2Neg=0 hasProgress=0 "
        "progressId=0 progressColor=#ff0000 progressMax=1000\n"
        // SHA-256 of the image file's bytes 33 22 11 ff.
        "page 1 bytes=4 sha256=0392da569c92593e2cb47507feb8bf59de1144b0956747a694a92cc1c7a1034f\n"
        "page 2 image=none\n");
}

TEST(DesignDump, ElementsSharingAnIdAreAllListedAndTellApart)
{
    CVantrelDoc document;
    document.elements[kMainList].push_back(std::make_unique<LogAnd>(Point{1, 0}, 5));
    document.elements[kMainList].push_back(std::make_unique<LogOr>(Point{2, 0}, 5));
    std::vector<std::string> keys;
    for (const DumpRecord& record : DumpDesign(document))
        if (record.section == "element")
            keys.push_back(record.key + " " + std::string(record.Value("kind")));
    EXPECT_EQ(keys, (std::vector<std::string>{"5 LogAnd", "5#2 LogOr"}));
}

// Changes each byte of a stored payload in turn. `lineOf` loads the
// changed bytes into a copy of the object and gives the copy's line, or none
// when they do not load or store what the object stores.
using LineOfPayload = std::function<std::optional<std::string>(std::vector<std::uint8_t>)>;

void ExpectEveryChangedByteShows(const std::vector<std::uint8_t>& payload, const std::string& line,
                                 const LineOfPayload& lineOf, const std::string& what)
{
    for (std::size_t at = 0; at < payload.size(); ++at) {
        std::vector<std::uint8_t> changed = payload;
        changed[at] = std::uint8_t(changed[at] + 1);
        if (const std::optional<std::string> changedLine = lineOf(changed)) {
            EXPECT_NE(*changedLine, line) << what << " payload byte " << at;
        }
    }
}

std::string LineOf(CVantrelDoc& document, const char* section)
{
    for (const DumpRecord& record : DumpDesign(document))
        if (record.section == section)
            return record.Line();
    return {};
}

std::string ElementLine(std::unique_ptr<LogElement> element)
{
    CVantrelDoc document;
    document.elements[kMainList].push_back(std::move(element));
    return LineOf(document, "element");
}

// Whatever a stored field holds shows in the text: every byte of every
// kind's payload, changed, changes the element's line whenever it changes
// what the element stores.
TEST(DesignDump, EveryStoredFieldOfEveryElementKindShows)
{
    for (const auto& element : test::OneOfEveryKind()) {
        const std::vector<std::uint8_t> payload = test::StorePayload(*element->Clone());
        const auto lineOf = [&](std::vector<std::uint8_t> bytes) -> std::optional<std::string> {
            std::unique_ptr<LogElement> copy = element->Clone();
            if (test::LoadPayload(*copy, bytes) || test::StorePayload(*copy) == payload)
                return std::nullopt;
            return ElementLine(std::move(copy));
        };
        ExpectEveryChangedByteShows(payload, ElementLine(element->Clone()), lineOf,
                                    element->ClassName());
    }
}

std::vector<std::uint8_t> PaintPayload(PaintStuff& object)
{
    std::vector<std::uint8_t> bytes;
    CArchive ar(StoreTo, bytes, SystemClasses());
    object.Serialize(ar);
    return bytes;
}

std::string PaintLine(const PaintStuff& object)
{
    CVantrelDoc document;
    document.paintObjects.push_back(object.Clone());
    return LineOf(document, "paint");
}

// The same for paint objects, apart from the I/O numbers the exports
// resolve from the bound ids again before every use.
TEST(DesignDump, EveryStoredFieldOfEveryPaintClassShows)
{
    for (const auto& object : test::OneOfEveryPaintKind()) {
        const std::vector<std::uint8_t> payload = PaintPayload(*object);
        const auto lineOf = [&](std::vector<std::uint8_t> bytes) -> std::optional<std::string> {
            std::unique_ptr<PaintStuff> copy = object->Clone();
            try {
                CArchive ar(LoadFrom, bytes, SystemClasses());
                copy->Serialize(ar);
            } catch (const CArchiveException&) {
                return std::nullopt;
            }
            copy->commandNum = object->commandNum;
            copy->activeNum = object->activeNum;
            copy->active2Num = object->active2Num;
            if (PaintPayload(*copy) == payload)
                return std::nullopt;
            return PaintLine(*copy);
        };
        ExpectEveryChangedByteShows(payload, PaintLine(*object), lineOf, object->ClassName());
    }
}

} // namespace
} // namespace vantrel
