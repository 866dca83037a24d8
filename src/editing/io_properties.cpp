// The properties of the I/O kinds: the numbered inputs and outputs choose a
// number in "I/O properties", the user I/O kinds take the lowest free one and
// ask for a name.
#include "document/vantrel_doc.h"
#include "editing/element_dialogs.h"
#include "editing/io_numbering.h"
#include "editing/property_adapter.h"
#include "elements/io_elements.h"

#include <algorithm>
#include <variant>

namespace vantrel {

namespace {

constexpr char16_t kRestrictAccess[] = u"Restrict access";
constexpr char16_t kRestrictedAccess[] = u"Restricted access";

// The I/O kinds numbered from a fixed count: placing offers the free numbers
// (and says so when none is left), a double click every number, those of
// other elements marked as in use; choosing one of them swaps the numbers.
struct NumberedIoProperties
{
    using Element = LogIO;
    using Shown = InOutRequest;
    using Answer = InOutResult;

    IoNumbering numbering;
    const char16_t* noneLeft;

    // Stops only when the check counts exactly as many elements as numbers:
    // with more elements than numbers (some out of range) the user may still
    // choose. The dialog opens on the lowest free number.
    std::optional<Shown> Defaults(NewElement& placement) const
    {
        CVantrelDoc& document = placement.document;
        if (document.CheckNumbers(numbering.numbers) == 0) {
            document.GetNotifier().Message(noneLeft, kApplicationTitle, MessageButtons::Ok);
            return std::nullopt;
        }
        InOutRequest request = NumberChoice(document, numbering);
        // Numbers past the end of the usage table are free too.
        const auto lowestFree = std::find(request.usage.begin(), request.usage.end(), -1);
        const int firstFree = int(lowestFree - request.usage.begin());
        request.number = firstFree < request.count ? firstFree : 0;
        return request;
    }

    // The element's own number is offered as free.
    std::optional<Shown> Read(CVantrelDoc& document, const ElementKindRow&, const LogIO& io) const
    {
        document.CheckNumbers(numbering.numbers);
        InOutRequest request = NumberChoice(document, numbering);
        if (io.number >= 0 && std::size_t(io.number) < request.usage.size())
            request.usage[std::size_t(io.number)] = -1;
        request.name = io.name;
        request.number = io.number;
        request.showInUse = true;
        return request;
    }

    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc&, const Shown& request) const
    {
        return dialogs.InOutConfig(request);
    }

    // A number shown as in use belongs to another element, which takes the
    // edited element's number in exchange.
    void MakeRoom(EditTransaction& edit, CVantrelDoc& document, const LogIO& io,
                  const Shown& request, const Answer& chosen) const
    {
        const auto& usage = request.usage;
        const int number = chosen.number;
        if (number < 0 || std::size_t(number) >= usage.size() || usage[std::size_t(number)] == -1)
            return;
        if (auto* holder = KindAs<LogIO>(document.FindById(usage[std::size_t(number)]))) {
            edit.Remember(*holder);
            holder->number = io.number;
        }
    }

    void Apply(LogIO& io, const Shown&, const Answer& chosen) const
    {
        io.name = chosen.name;
        io.number = chosen.number;
    }
};

// The bare I/O class, which only old files hold, has no numbers to offer.
struct UnnumberedIoProperties
{
    using Element = LogIO;
    using Shown = std::monostate;
    using Answer = std::monostate;

    static std::optional<Shown> Refuse(CVantrelDoc& document)
    {
        document.GetNotifier().Message(u"Should not be here", u"Internal error",
                                       MessageButtons::Ok);
        return std::nullopt;
    }
    std::optional<Shown> Defaults(NewElement& placement) const
    {
        return Refuse(placement.document);
    }
    std::optional<Shown> Read(CVantrelDoc& document, const ElementKindRow&, const LogIO&) const
    {
        return Refuse(document);
    }
    std::optional<Answer> Ask(ElementDialogs&, CVantrelDoc&, const Shown&) const
    {
        return std::nullopt;
    }
    void Apply(LogIO&, const Shown&, const Answer&) const {}
};

// The user I/O kinds: a new one takes the lowest free number of its kind;
// when all are in use nothing is placed and nothing is said.
struct UserNumbered
{
    int number;
    TextRequest text;
};

std::optional<UserNumbered> FreeUserNumber(NewElement& placement, NumberKind numbers,
                                           const char16_t* caption)
{
    const int number = placement.document.FirstFreeNumber(numbers);
    if (number < 0)
        return std::nullopt;
    return UserNumbered{number, TextRequest(u"", caption)};
}

// User inputs: a name and "Restrict access" ("Restricted access" when edited).
struct UserInputProperties
{
    using Element = LogUser;
    using Shown = UserNumbered;
    using Answer = TextBoxResult;

    std::optional<Shown> Defaults(NewElement& placement) const
    {
        return FreeUserNumber(placement, NumberKind::UserInputs, kRestrictAccess);
    }
    std::optional<Shown> Read(CVantrelDoc&, const ElementKindRow&, const LogUser& user) const
    {
        return UserNumbered{user.number,
                            TextRequest(user.name, kRestrictedAccess, user.restricted != 0)};
    }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc&, const Shown& shown) const
    {
        return AskText(dialogs, shown.text);
    }
    void Apply(LogUser& user, const Shown& shown, const Answer& text) const
    {
        user.number = shown.number;
        user.name = text.text;
        user.restricted = text.checked;
    }
};

// User outputs: a name only.
struct UserOutputProperties
{
    using Element = LogUserOut;
    using Shown = UserNumbered;
    using Answer = TextBoxResult;

    std::optional<Shown> Defaults(NewElement& placement) const
    {
        return FreeUserNumber(placement, NumberKind::UserOutputs, u"");
    }
    std::optional<Shown> Read(CVantrelDoc&, const ElementKindRow&, const LogUserOut& user) const
    {
        return UserNumbered{user.number, TextRequest(user.name)};
    }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc&, const Shown& shown) const
    {
        return AskText(dialogs, shown.text);
    }
    void Apply(LogUserOut& user, const Shown& shown, const Answer& text) const
    {
        user.number = shown.number;
        user.name = text.text;
    }
};

// Its dialog edits an element that already exists, so a new one is built
// before the dialog opens and its id is used up also when it is cancelled.
struct LoggedOutputProperties
{
    using Element = LoggedUserOut;
    using Shown = const LoggedUserOut*;
    using Answer = LoggedOutputs;

    std::optional<Shown> Defaults(NewElement& placement) const
    {
        const int number = placement.document.FirstFreeNumber(NumberKind::UserOutputs);
        if (number < 0)
            return std::nullopt;
        auto* user = KindAs<LoggedUserOut>(&placement.Element());
        if (!user)
            return std::nullopt;
        user->number = number;
        return user;
    }
    std::optional<Shown> Read(CVantrelDoc&, const ElementKindRow&, const LoggedUserOut& user) const
    {
        return &user;
    }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc& document,
                              const Shown& user) const
    {
        return dialogs.LogDialog(*user, document);
    }
    void Apply(LoggedUserOut& user, const Shown&, const Answer& logged) const
    {
        user.name = logged.name;
        user.loggedIds = logged.loggedIds;
    }
};

const ShapeAdapter kInputs{NumberedIoProperties{kInputNumbering, u"No available inputs"}};
const ShapeAdapter kOutputs{NumberedIoProperties{kOutputNumbering, u"No available Outputs"}};
const ShapeAdapter kAnalogInputs{
    NumberedIoProperties{kAnalogInputNumbering, u"No available Analog Inputs"}};
const ShapeAdapter kAnalogOutputs{
    NumberedIoProperties{kAnalogOutputNumbering, u"No available Analog Outputs"}};
const ShapeAdapter kUnnumberedIo{UnnumberedIoProperties{}};
const ShapeAdapter kUserInputs{UserInputProperties{}};
const ShapeAdapter kUserOutputs{UserOutputProperties{}};
const ShapeAdapter kLoggedUserOutputs{LoggedOutputProperties{}};

} // namespace

void EnterIoProperties(PropertyTable& table)
{
    using enum ElementProperties;
    Enter(table, {{Input, kInputs},
                  {Output, kOutputs},
                  {AnalogInput, kAnalogInputs},
                  {AnalogOutput, kAnalogOutputs},
                  {UnnumberedIo, kUnnumberedIo},
                  {UserInput, kUserInputs},
                  {UserOutput, kUserOutputs},
                  {LoggedUserOutput, kLoggedUserOutputs}});
}

} // namespace vantrel
