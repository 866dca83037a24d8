#include "support/element_contract.h"

#include "archive/text_codec.h"
#include "elements/log_element.h"
#include "support/recording_surface.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vantrel::test {

namespace {

constexpr int kSize = 20;

std::ostream& operator<<(std::ostream& out, Point p)
{
    return out << "(" << p.x << "," << p.y << ")";
}

} // namespace

std::string ContractOf(const LogElement& element, const ElFinder& finder)
{
    std::ostringstream out;
    out << "list " << element.ListKind() << ", in";
    if (element.InputCount() == 0)
        out << " -";
    for (int i = 0; i < element.InputCount(); ++i) {
        out << (i ? ", " : " ") << element.InputPinOffset(kSize, i);
        if (element.IsNumericPin(true, i))
            out << " num";
        if (element.IsDelayedInput(i))
            out << " delayed";
        if (element.IsBreakingInput(i))
            out << " breaking";
    }
    out << ", out ";
    if (element.HasOutput()) {
        out << element.OutputPinOffset(kSize);
        if (element.IsNumericPin(false, 0))
            out << " num";
    } else {
        out << "-";
    }
    if (element.UsesRegister())
        out << ", register";
    if (element.UsesDelay())
        out << ", delay";
    if (element.ShowInMonitor())
        out << ", monitor";
    if (element.IsEditable())
        out << ", editable";
    if (element.IsUserIo())
        out << ", user io";
    if (element.Restricted() != 0)
        out << ", restricted " << element.Restricted();
    if (element.NatureText() != u"number")
        out << ", nature \"" << ToUtf8(element.NatureText()) << "\"";
    if (!element.Name().empty())
        out << ", name \"" << ToUtf8(element.Name()) << "\"";
    const std::u16string description = element.Describe(finder);
    if (!description.empty())
        out << ", describes \"" << ToUtf8(description) << "\"";
    if (element.RequiredVersion() != 2)
        out << ", version " << element.RequiredVersion();
    if (element.WordCount() != 1)
        out << ", words " << element.WordCount();
    return out.str();
}

std::vector<std::string> FigureCalls(const LogElement& element, const ElFinder& finder, int x,
                                     int y, int r)
{
    RecordingSurface surface;
    element.DrawBody(surface, finder, x, y, r);
    return surface.Calls();
}

std::vector<std::uint32_t> WordsOf(const LogElement& element, const ElFinder& finder)
{
    std::vector<std::uint32_t> words;
    element.Encode(words, finder);
    EXPECT_EQ(int(words.size()), element.WordCount()) << element.ClassName();
    return words;
}

} // namespace vantrel::test
