#include "export/report_text.h"

#include "archive/text_codec.h"
#include "elements/element_kinds.h"
#include "elements/log_element.h"

#include <chrono>
#include <cstdio>

namespace vantrel {

std::u16string CellText(Point cell)
{
    return u"(" + Decimal(cell.x) + u", " + Decimal(cell.y) + u")";
}

std::u16string ElementRef(const LogElement& element)
{
    return Decimal(element.id) + u" " + KindName(element);
}

std::u16string ElementRefs(std::span<const LogElement* const> elements, std::u16string_view none)
{
    if (elements.empty())
        return std::u16string(none);
    std::u16string text;
    const std::size_t listed = std::min(elements.size(), kListedElements);
    for (std::size_t i = 0; i < listed; ++i)
        text += (i > 0 ? u", " : u"") + ElementRef(*elements[i]);
    if (listed < elements.size())
        text += u" and " + Decimal(static_cast<long long>(elements.size() - listed)) + u" more";
    return text;
}

std::u16string NumberRange(std::int64_t first, std::int64_t count)
{
    if (count <= 1)
        return Decimal(first + 1);
    return Decimal(first + 1) + u"-" + Decimal(first + count);
}

std::u16string FreeNumbers(const std::vector<bool>& taken)
{
    std::u16string ranges;
    for (std::size_t at = 0; at < taken.size();) {
        if (taken[at]) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < taken.size() && !taken[end])
            ++end;
        ranges +=
            (ranges.empty() ? u"" : u", ") + NumberRange(std::int64_t(at), std::int64_t(end - at));
        at = end;
    }
    return u"free: " + (ranges.empty() ? u"none" : ranges);
}

std::u16string StampDate(std::int64_t seconds)
{
    using namespace std::chrono;
    const sys_seconds time{std::chrono::seconds(seconds)};
    const sys_days day = floor<days>(time);
    const year_month_day date(day);
    const hh_mm_ss clock(time - day);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d UTC", int(date.year()),
                  unsigned(date.month()), unsigned(date.day()), int(clock.hours().count()),
                  int(clock.minutes().count()), int(clock.seconds().count()));
    return Ascii(text);
}

std::u16string YesNo(bool yes)
{
    return yes ? u"yes" : u"no";
}

} // namespace vantrel
