#pragma once

#include "elements/element_kind.h"
#include "elements/log_indirect.h"

#include <string>

namespace vantrel {

// Markers carry a signal between distant places of the drawing without a
// wire: an In Marker takes the signal under a label, every Out Marker that
// names it offers the signal again. The NL kinds do the same for numbers.

class LogStartMarker : public ElementKind<LogStartMarker, LogIndirect>
{
public:
    static constexpr const char* kClassName = "LogStartMarker";
    using ElementKind::ElementKind;
    LogStartMarker(Point position, std::int32_t elementId, std::u16string markerLabel);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    Point InputPinOffset(int r, int) const override { return {-r, -r / 4}; }
    int InputCount() const override { return 1; }
    bool HasOutput() const override { return false; }
    std::u16string Describe(const ElFinder&) const override { return u"In Marker: " + label; }
    std::u16string Name() const override { return label; }
    std::int32_t SourceId() const override { return inputs[0]; }

    std::u16string label;
};

class NLStartMarker : public ElementKind<NLStartMarker, LogStartMarker>
{
public:
    static constexpr const char* kClassName = "NLStartMarker";
    using ElementKind::ElementKind;
    bool IsNumericPin(bool, int) const override { return true; }
};

// Stands for the In Marker `startId`; "invalid" when that is no In Marker.
class LogEndMarker : public ElementKind<LogEndMarker, LogIndirect>
{
public:
    static constexpr const char* kClassName = "LogEndMarker";
    using ElementKind::ElementKind;
    LogEndMarker(Point position, std::int32_t elementId, std::int32_t startMarker);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    Point OutputPinOffset(int r) const override { return {r, -r / 4}; }
    int InputCount() const override { return 0; }
    std::u16string Describe(const ElFinder& finder) const override;
    std::int32_t SourceId() const override { return startId; }

    std::int32_t startId = 0;
};

class NLEndMarker : public ElementKind<NLEndMarker, LogEndMarker>
{
public:
    static constexpr const char* kClassName = "NLEndMarker";
    using ElementKind::ElementKind;
    bool IsNumericPin(bool, int) const override { return true; }
};

// Shows an input or user input a second time; "invalid" when `sourceId` is
// no I/O element.
// Whether a replicator may stand for the element: the board's inputs and
// the user inputs (an I/O element numbered from one of those two ranges).
bool CanBeReplicated(const LogElement& element);

class LogReplicator : public ElementKind<LogReplicator, LogIndirect>
{
public:
    static constexpr const char* kClassName = "LogReplicator";
    using ElementKind::ElementKind;
    LogReplicator(Point position, std::int32_t elementId, std::int32_t source);

    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    Point OutputPinOffset(int r) const override { return {r, -r / 2}; }
    int InputCount() const override { return 0; }
    std::u16string Describe(const ElFinder& finder) const override;
    std::int32_t SourceId() const override { return sourceId; }

    std::int32_t sourceId = 0;
};

// Passes its input through but declares the connection loop-free for sorting.
class LogBreaker : public ElementKind<LogBreaker, LogIndirect>
{
public:
    static constexpr const char* kClassName = "LogBreaker";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    int InputCount() const override { return 1; }
    bool IsBreakingInput(int) const override { return true; }
    std::int32_t SourceId() const override { return inputs[0]; }
};

} // namespace vantrel
