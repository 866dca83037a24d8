#include "editing/logic_block.h"

#include "archive/archive_exception.h"
#include "archive/file_bytes.h"
#include "archive/text_codec.h"
#include "document/vantrel_doc.h"
#include "editing/clipboard_payload.h"
#include "editing/view_state.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace vantrel {

namespace {

constexpr std::string_view kMagic = "VTLBLOCK";

void PutCount(std::vector<std::uint8_t>& out, std::size_t count)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(std::uint8_t(count >> shift));
}

void PutText(std::vector<std::uint8_t>& out, const std::u16string& text)
{
    PutCount(out, text.size());
    for (const char16_t unit : text) {
        out.push_back(std::uint8_t(unit));
        out.push_back(std::uint8_t(unit >> 8));
    }
}

void PutBytes(std::vector<std::uint8_t>& out, std::span<const std::uint8_t> bytes)
{
    PutCount(out, bytes.size());
    out.insert(out.end(), bytes.begin(), bytes.end());
}

// Reads the parts of a block file in turn; the first part that does not fit
// its bound or the bytes left stops the reading with its reason.
class BlockCursor
{
public:
    explicit BlockCursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Magic()
    {
        if (bytes_.size() < kMagic.size() ||
            !std::equal(kMagic.begin(), kMagic.end(), bytes_.begin()))
            return Fail(u"it is no block file");
        bytes_ = bytes_.subspan(kMagic.size());
        return true;
    }

    std::optional<std::uint32_t> Count()
    {
        if (bytes_.size() < 4) {
            Fail(u"it ends too early");
            return std::nullopt;
        }
        const std::uint32_t count = std::uint32_t(bytes_[0]) | std::uint32_t(bytes_[1]) << 8 |
                                    std::uint32_t(bytes_[2]) << 16 | std::uint32_t(bytes_[3]) << 24;
        bytes_ = bytes_.subspan(4);
        return count;
    }

    // `limit` units of `unitBytes` bytes at the most.
    std::optional<std::span<const std::uint8_t>> Part(std::size_t limit, std::size_t unitBytes,
                                                      const char16_t* what)
    {
        const std::optional<std::uint32_t> count = Count();
        if (!count)
            return std::nullopt;
        if (*count > limit) {
            Fail(std::u16string(u"its ") + what + u" is longer than a block's");
            return std::nullopt;
        }
        if (std::size_t(*count) * unitBytes > bytes_.size()) {
            Fail(u"it ends too early");
            return std::nullopt;
        }
        const auto part = bytes_.first(std::size_t(*count) * unitBytes);
        bytes_ = bytes_.subspan(part.size());
        return part;
    }

    std::optional<std::u16string> Text(std::size_t limit, const char16_t* what)
    {
        const auto part = Part(limit, 2, what);
        if (!part)
            return std::nullopt;
        std::u16string text;
        for (std::size_t i = 0; i < part->size(); i += 2)
            text.push_back(char16_t((*part)[i] | (*part)[i + 1] << 8));
        return text;
    }

    std::optional<std::vector<std::uint8_t>> Bytes(std::size_t limit, const char16_t* what)
    {
        const auto part = Part(limit, 1, what);
        if (!part)
            return std::nullopt;
        return std::vector<std::uint8_t>(part->begin(), part->end());
    }

    bool AtEnd() { return bytes_.empty() || Fail(u"it holds more than a block"); }

    bool Fail(std::u16string reason)
    {
        if (problem.empty())
            problem = std::move(reason);
        return false;
    }

    std::u16string problem;

private:
    std::span<const std::uint8_t> bytes_;
};

BlockReading Damaged(const std::u16string& reason)
{
    return {std::nullopt, u"The block file is damaged: " + reason + u"."};
}

} // namespace

std::optional<std::vector<std::uint8_t>> BlockFileBytes(const LogicBlock& block)
{
    if (block.name.size() > kMaxBlockNameUnits ||
        block.description.size() > kMaxBlockDescriptionUnits ||
        block.thumbnail.size() > kMaxBlockThumbnailBytes ||
        block.payload.size() > kMaxBlockPayloadBytes)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(kMagic.begin(), kMagic.end());
    PutCount(bytes, kBlockFormatVersion);
    PutText(bytes, block.name);
    PutText(bytes, block.description);
    PutBytes(bytes, block.thumbnail);
    PutBytes(bytes, block.payload);
    return bytes;
}

BlockReading ReadLogicBlock(std::span<const std::uint8_t> bytes)
{
    BlockCursor cursor(bytes);
    if (!cursor.Magic())
        return Damaged(cursor.problem);
    const std::optional<std::uint32_t> version = cursor.Count();
    if (version && (*version == 0 || *version > kBlockFormatVersion))
        return {std::nullopt, u"The block file was written by a newer version of the program "
                              u"(block format " +
                                  Decimal(*version) + u"): update the program to use it."};
    LogicBlock block;
    std::optional<std::u16string> name = cursor.Text(kMaxBlockNameUnits, u"name");
    std::optional<std::u16string> description =
        name ? cursor.Text(kMaxBlockDescriptionUnits, u"description") : std::nullopt;
    std::optional<std::vector<std::uint8_t>> thumbnail =
        description ? cursor.Bytes(kMaxBlockThumbnailBytes, u"picture") : std::nullopt;
    std::optional<std::vector<std::uint8_t>> payload =
        thumbnail ? cursor.Bytes(kMaxBlockPayloadBytes, u"logic") : std::nullopt;
    if (!version || !payload || !cursor.AtEnd())
        return Damaged(cursor.problem);
    try {
        if (PastedElementCount(*payload) == 0)
            return Damaged(u"it holds no element that can be placed");
    } catch (const CArchiveException& failure) {
        return Damaged(u"its logic cannot be read (" + failure.Message() + u")");
    } catch (const std::exception&) {
        return Damaged(u"its logic cannot be read");
    }
    block.name = std::move(*name);
    block.description = std::move(*description);
    block.thumbnail = std::move(*thumbnail);
    block.payload = std::move(*payload);
    return {std::move(block), {}};
}

LogicBlock MakeLogicBlock(const CVantrelDoc& document, const std::vector<LogElement*>& selection,
                          std::u16string name, std::u16string description)
{
    return {std::move(name), std::move(description), {}, LogicPayload(document, selection)};
}

bool PlaceLogicBlock(CVantrelDoc& document, ViewState& state, const LogicBlock& block, Point cell)
{
    // A paste lands one cell right of and below the view's top-left cell.
    const Point origin = state.origin;
    state.origin = {int(std::max<std::int64_t>(std::int64_t(cell.x) - 1, INT_MIN)),
                    int(std::max<std::int64_t>(std::int64_t(cell.y) - 1, INT_MIN))};
    const bool placed = PasteBlockPayload(document, state, block.payload);
    state.origin = origin;
    return placed;
}

std::vector<BlockEntry> ListBlocks(const std::filesystem::path& folder)
{
    std::vector<BlockEntry> entries;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (entry.path().extension() != kBlockExtension || !entry.is_regular_file(error))
            continue;
        BlockEntry listed{entry.path(), {}};
        if (entry.file_size(error) > kMaxBlockFileBytes)
            listed.reading = Damaged(u"it is larger than any block");
        else
            try {
                listed.reading = ReadLogicBlock(ReadFileBytes(entry.path()));
            } catch (const FileError& failure) {
                listed.reading = {std::nullopt, failure.Message()};
            }
        entries.push_back(std::move(listed));
    }
    std::sort(entries.begin(), entries.end(),
              [](const BlockEntry& a, const BlockEntry& b) { return a.file < b.file; });
    return entries;
}

std::filesystem::path UserBlockFolder()
{
    const char* data = std::getenv("XDG_DATA_HOME");
    std::filesystem::path base;
    if (data && std::filesystem::path(data).is_absolute())
        base = data;
    else if (const char* home = std::getenv("HOME"))
        base = std::filesystem::path(home) / ".local" / "share";
    return base / "vantrel" / "blocks";
}

std::filesystem::path DesignBlockFolder(const std::filesystem::path& design)
{
    return design.parent_path() / "blocks";
}

} // namespace vantrel
