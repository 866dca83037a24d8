#pragma once

#include "elements/element_kind.h"

namespace vantrel {

// Gates over a whole range of controller inputs or outputs, addressed by
// number instead of by wires. Their stored form has no element version and
// no base part: position, id and the range fields, then the input slots.
class LogBigOp : public ElementKind<LogBigOp>
{
public:
    static constexpr const char* kClassName = "LogBigOp";
    enum IoKind : std::int32_t
    {
        kInputs = 0,
        kOutputs = 1,
    };

    using ElementKind::ElementKind;
    LogBigOp(Point position, std::int32_t elementId, std::int32_t from, std::int32_t to,
             std::int32_t kind, bool inverted);

    void Serialize(CArchive& archive) override;

    // First and last I/O number of the range, counted from 1.
    std::int32_t rangeFrom = 0;
    std::int32_t rangeTo = 0;
    std::int32_t ioKind = kInputs;
    std::int32_t invert = 0;

protected:
    // The big-gate word with the given sub-operation bits (31-25).
    std::uint32_t RangeWord(std::uint32_t operationBits) const;
};

class LogBigAnd : public ElementKind<LogBigAnd, LogBigOp>
{
public:
    static constexpr const char* kClassName = "LogBigAnd";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    int InputCount() const override { return 0; }
};

class LogBigOr : public ElementKind<LogBigOr, LogBigOp>
{
public:
    static constexpr const char* kClassName = "LogBigOr";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    int InputCount() const override { return 0; }
};

// Raises an alarm over the range; its one wired input follows as a full
// second word.
class LogBigAlarm : public ElementKind<LogBigAlarm, LogBigOp>
{
public:
    static constexpr const char* kClassName = "LogBigAlarm";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    void Encode(std::vector<std::uint32_t>& words, const ElFinder& finder) const override;
    int InputCount() const override { return 1; }
    int WordCount() const override { return 2; }
};

} // namespace vantrel
