#pragma once

#include "elements/element_kind.h"

#include <string>
#include <vector>

namespace vantrel {

// Elements that connect the program to the outside: they carry an I/O number
// (0-based within their kind) and a user-given name. The digital and user
// kinds are main-list bit elements; the analog kinds are registers.
class LogIO : public ElementKind<LogIO>
{
public:
    static constexpr const char* kClassName = "LogIO";
    using ElementKind::ElementKind;
    LogIO(Point position, std::int32_t elementId, std::int32_t ioNumber, std::u16string ioName);

    void Serialize(CArchive& archive) override;
    std::u16string Name() const override { return name; }
    // Output at (r, -r/2), inputs at (-r, -r/2).
    Point OutputPinOffset(int r) const override { return {r, -r / 2}; }
    Point InputPinOffset(int r, int) const override { return {-r, -r / 2}; }

    std::int32_t number = 0;
    std::u16string name;

protected:
    // The name under the figure, where every I/O kind writes it.
    void DrawName(Surface& surface, int x, int y, int r) const;
    // number << 14 under the given opcode bits, with input 0's operand when wired.
    std::uint32_t NumberWord(std::uint32_t opcode, const ElFinder* inputFinder) const;
};

class LogIn : public ElementKind<LogIn, LogIO>
{
public:
    static constexpr const char* kClassName = "LogIn";
    using ElementKind::ElementKind;
    int InputCount() const override { return 0; }
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder&) const override
    {
        return NumberWord(0xF0000000u, nullptr);
    }
    std::u16string Describe(const ElFinder& finder) const override;
};

class LogOut : public ElementKind<LogOut, LogIO>
{
public:
    static constexpr const char* kClassName = "LogOut";
    using ElementKind::ElementKind;
    int InputCount() const override { return 1; }
    bool HasOutput() const override { return false; }
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& f) const override
    {
        return NumberWord(0xF2000000u, &f);
    }
    std::u16string Describe(const ElFinder& finder) const override;
};

// A bit set from outside the logic; `restricted` is its "Restrict access".
class LogUser : public ElementKind<LogUser, LogIO>
{
public:
    static constexpr const char* kClassName = "LogUser";
    using ElementKind::ElementKind;
    void Serialize(CArchive& archive) override;
    int InputCount() const override { return 0; }
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder&) const override
    {
        return NumberWord(0xF8000000u, nullptr);
    }
    std::u16string Describe(const ElFinder& finder) const override;
    bool IsUserIo() const override { return true; }
    int Restricted() const override { return restricted; }

    std::int32_t restricted = 0;
};

class LogPulseUser : public ElementKind<LogPulseUser, LogUser>
{
public:
    static constexpr const char* kClassName = "LogPulseUser";
    using ElementKind::ElementKind;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder&) const override
    {
        return NumberWord(0xFA000000u, nullptr);
    }
};

// A bit watched from outside the logic.
class LogUserOut : public ElementKind<LogUserOut, LogIO>
{
public:
    static constexpr const char* kClassName = "LogUserOut";
    using ElementKind::ElementKind;
    int InputCount() const override { return 1; }
    bool HasOutput() const override { return false; }
    Point InputPinOffset(int r, int) const override { return {0, -r / 2}; }
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& f) const override
    {
        return NumberWord(0xFC000000u, &f);
    }
    std::u16string Describe(const ElFinder& finder) const override;
    bool IsUserIo() const override { return true; }
};

// A user output whose changes are logged together with further elements.
class LoggedUserOut : public ElementKind<LoggedUserOut, LogUserOut>
{
public:
    static constexpr const char* kClassName = "LoggedUserOut";
    using ElementKind::ElementKind;
    void Serialize(CArchive& archive) override;
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::u16string Describe(const ElFinder& finder) const override;
    int RequiredVersion() const override { return 5; }

    // The "Additional logged outputs".
    std::vector<std::int32_t> loggedIds;
};

class Analog_Input : public ElementKind<Analog_Input, LogIO>
{
public:
    static constexpr const char* kClassName = "Analog_Input";
    using ElementKind::ElementKind;
    int ListKind() const override { return kRegisterList; }
    int InputCount() const override { return 0; }
    bool UsesRegister() const override { return true; }
    bool ShowInMonitor() const override { return true; }
    bool IsNumericPin(bool, int) const override { return true; }
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    std::u16string Describe(const ElFinder& finder) const override;
};

class Analog_Output : public ElementKind<Analog_Output, LogIO>
{
public:
    static constexpr const char* kClassName = "Analog_Output";
    using ElementKind::ElementKind;
    int ListKind() const override { return kRegisterList; }
    int InputCount() const override { return 1; }
    bool HasOutput() const override { return false; }
    bool UsesRegister() const override { return true; }
    bool ShowInMonitor() const override { return true; }
    bool IsNumericPin(bool, int) const override { return true; }
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::uint32_t EncodeWord(const ElFinder& finder) const override;
    std::u16string Describe(const ElFinder& finder) const override;
};

// A temperature or silo reading held in a register; it emits no word.
class TempInput : public ElementKind<TempInput>
{
public:
    static constexpr const char* kClassName = "TempInput";
    static constexpr int kReadingCount = 21;
    using ElementKind::ElementKind;
    TempInput(Point position, std::int32_t elementId, std::int32_t type, std::int32_t value,
              std::u16string silo);

    // The reading name of a type, empty outside 0..20.
    static std::u16string ReadingName(std::int32_t type);

    void Serialize(CArchive& archive) override;
    int ListKind() const override { return kNoOpList; }
    int InputCount() const override { return 0; }
    bool UsesRegister() const override { return true; }
    bool ShowInMonitor() const override { return true; }
    bool IsNumericPin(bool, int) const override { return true; }
    void DrawBody(Surface& surface, const ElFinder& finder, int x, int y, int r) const override;
    std::u16string Describe(const ElFinder&) const override { return Name(); }
    std::u16string Name() const override;

    std::int32_t tempType = 0;
    std::int32_t defaultValue = 0;
    std::u16string siloName;
};

} // namespace vantrel
