#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vantrel {

class CVantrelDoc;
class LogElement;
class PaintStuff;
struct ViewState;

// The clipboard's two private formats, by the names every instance of the
// editor registers: logic elements travel in Design mode, paint objects in
// Preview design.
inline constexpr char16_t kLogicDataFormat[] = u"Vantrel logic data";
inline constexpr char16_t kPaintDataFormat[] = u"Vantrel paint data";

// The format of the current layout mode.
const char16_t* ClipboardFormat(const ViewState& state);

// One object archive of eight object lists: list k holds the selected
// elements of the document's list k, in that list's order. Throws
// CArchiveException when an element cannot be stored.
std::vector<std::uint8_t> LogicPayload(const CVantrelDoc& document,
                                       const std::vector<LogElement*>& selection);
// How many elements the logic payload pastes (its I/O elements are never
// pasted). Throws CArchiveException when it cannot be read.
std::size_t PastedElementCount(std::span<const std::uint8_t> payload);

// One object archive of one object list: the paint objects in the given order.
std::vector<std::uint8_t> PaintPayload(const std::vector<PaintStuff*>& selection);

// The payload of the current mode's selection, or none when the selection
// is empty or the payload cannot be made (told through the notifier).
std::optional<std::vector<std::uint8_t>> CopySelection(CVantrelDoc& document,
                                                       const ViewState& state);

// Pastes a payload of the current mode's format into the document as one
// undoable edit and makes the pasted objects the selection. The payload is
// read completely before anything changes: one that cannot be read is told
// through the notifier and leaves the document as it was. Bytes after the
// payload's lists are ignored. Returns whether the document changed.
bool PastePayload(CVantrelDoc& document, ViewState& state, std::span<const std::uint8_t> payload);

// Pastes a logic payload as a block is placed: as PastePayload does in
// Design mode, and the other ids the elements name of each other (an
// operation's accumulator, a marker's partner, logged outputs) follow them
// to their new ids, as their inputs do; ids of elements not pasted are kept.
bool PasteBlockPayload(CVantrelDoc& document, ViewState& state,
                       std::span<const std::uint8_t> payload);

} // namespace vantrel
