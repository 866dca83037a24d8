#include "document/complex_command.h"

#include "archive/archive.h"
#include "archive/byte_buffer.h"
#include "document/notifier.h"
#include "elements/el_finder.h"
#include "elements/io_elements.h"

#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

constexpr std::int32_t kPayloadVersion = 1;
constexpr std::size_t kFlashNameBytes = 128;

LogUser* UserInput(const ElFinder& finder, std::int32_t id)
{
    return KindAs<LogUser>(finder.FindById(id));
}

} // namespace

void ComplexCommand::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt32(kPayloadVersion);
        ar.WriteText(name);
        ar.WriteInt32(std::int32_t(settings.size()));
        for (const auto& [id, on] : settings) {
            ar.WriteInt32(id);
            ar.WriteFlag(on);
        }
        return;
    }
    ar.ReadInt32(); // the version changes nothing yet
    name = ar.ReadText();
    const std::int32_t count = ar.ReadInt32();
    if (count < 0)
        ar.Fail(ArchiveCause::BadIndex);
    settings.clear();
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t id = ar.ReadInt32();
        settings[id] = ar.ReadFlag();
    }
}

void ComplexCommand::DropDeletedUserInputs(const ElFinder& finder, Notifier& notifier)
{
    const std::size_t before = settings.size();
    std::erase_if(settings, [&](const auto& setting) { return !UserInput(finder, setting.first); });
    if (settings.size() != before)
        notifier.Message(u"Deleted user inputs removed from complex command.", u"Error correction",
                         MessageButtons::Ok);
}

void ComplexCommand::AppendFlashRecord(std::vector<std::uint8_t>& out, const ElFinder& finder,
                                       Notifier& notifier)
{
    DropDeletedUserInputs(finder, notifier);
    std::as_const(*this).AppendFlashRecord(out, finder);
}

void ComplexCommand::AppendFlashRecord(std::vector<std::uint8_t>& out, const ElFinder& finder) const
{
    ByteWriter writer(out);
    writer.FixedText16(name, kFlashNameBytes);
    writer.Put(std::int32_t(settings.size()));
    for (const auto& [id, on] : settings) {
        writer.Put(UserInput(finder, id)->number);
        writer.Byte(on ? 1 : 0);
    }
}

} // namespace vantrel
