#pragma once

#include "document/edit_transaction.h"
#include "editing/element_dialogs.h"
#include "elements/element_kind.h"
#include "elements/element_kinds.h"
#include "graphics/geometry.h"

#include <array>
#include <concepts>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vantrel {

class CVantrelDoc;

// What placing knows while it asks for a new element's properties.
struct NewElement
{
    NewElement(CVantrelDoc& placingDocument, ElementDialogs& placingDialogs, Point placingCell,
               const ElementKindRow& placedKind)
        : document(placingDocument), dialogs(placingDialogs), cell(placingCell), kind(placedKind)
    {}

    CVantrelDoc& document;
    ElementDialogs& dialogs;
    Point cell;
    const ElementKindRow& kind;

    // The element of the kind in the cell, empty but for its position and id,
    // built at the first call under the document's next element id. The id
    // is used up from then on, also when the placement stops afterwards.
    LogElement& Element();
    // The element built, handed over to the caller.
    std::unique_ptr<LogElement> Take() { return std::move(built_); }

private:
    std::unique_ptr<LogElement> built_;
};

// How the properties of the kinds of one table row are asked for and set:
// placing is "defaults, dialog, apply", a double click "read, dialog, apply".
class PropertyAdapter
{
public:
    virtual ~PropertyAdapter() = default;

    // The new element with the answers of its dialog, or none when the user
    // or a missing number stopped the placement.
    virtual std::unique_ptr<LogElement> Place(NewElement& placement) const = 0;
    // Writes the answer of the element's dialog into it as one "changed" undo
    // step; false on Cancel and for kinds that a double click does not edit.
    virtual bool Edit(CVantrelDoc& document, ElementDialogs& dialogs,
                      LogElement& element) const = 0;

protected:
    PropertyAdapter() = default;
    PropertyAdapter(const PropertyAdapter&) = default;
    PropertyAdapter& operator=(const PropertyAdapter&) = default;
};

// The adapter a row names.
const PropertyAdapter& PropertiesOf(const ElementKindRow& kind);

// The adapters by the value of the rows that name them; each family of
// adapters enters its own.
using PropertyTable = std::array<const PropertyAdapter*, kElementPropertiesCount>;
struct PropertyEntry
{
    ElementProperties properties;
    const PropertyAdapter& adapter;
};
void Enter(PropertyTable& table, std::initializer_list<PropertyEntry> entries);
void EnterIoProperties(PropertyTable& table);
void EnterValueProperties(PropertyTable& table);
void EnterIndirectProperties(PropertyTable& table);

// What "Add Text" shows: the text, and the check box with its caption (hidden
// without one).
struct TextRequest
{
    explicit TextRequest(std::u16string shown = {}, std::u16string checkCaption = {},
                         bool isChecked = false)
        : text(std::move(shown)), caption(std::move(checkCaption)), checked(isChecked)
    {}

    std::u16string text;
    std::u16string caption;
    bool checked;
};
std::optional<TextBoxResult> AskText(ElementDialogs& dialogs, const TextRequest& request);

// A kind whose "Add Text", without check box, sets the text field `text`;
// a new one opens empty (see ShapeAdapter for the parts of a shape).
template <class Kind, std::u16string Kind::*text> struct TextFieldShape
{
    using Element = Kind;
    using Shown = TextRequest;
    using Answer = TextBoxResult;

    std::optional<Shown> Defaults(NewElement&) const { return TextRequest(); }
    std::optional<Shown> Read(CVantrelDoc&, const ElementKindRow&, const Kind& element) const
    {
        return TextRequest(element.*text);
    }
    std::optional<Answer> Ask(ElementDialogs& dialogs, CVantrelDoc&, const Shown& shown) const
    {
        return AskText(dialogs, shown);
    }
    void Apply(Kind& element, const Shown&, const Answer& answer) const
    {
        element.*text = answer.text;
    }
};

// A double click edits the kinds whose shape can read their values.
template <class Shape>
concept ReadableShape = requires(const Shape& shape, CVantrelDoc& document,
                                 const ElementKindRow& kind, const typename Shape::Element& element)
{
    {
        shape.Read(document, kind, element)
        } -> std::same_as<std::optional<typename Shape::Shown>>;
};

// Whether a placement goes on with the answer; every answer unless the shape
// says otherwise (an empty comment, a replicator of nothing).
template <class Shape> bool Places(const Shape& shape, const typename Shape::Answer& answer)
{
    if constexpr (requires { shape.Places(answer); })
        return shape.Places(answer);
    else
        return true;
}

// An adapter made of a shape, which says for the class Shape::Element it fills:
//   Defaults(NewElement&) -> optional<Shown>: what a new element's dialog
//       shows; none stops the placement (the shape has said why, if at all).
//   Read(CVantrelDoc&, const ElementKindRow&, const Element&) -> optional<Shown>:
//       what the element's dialog shows (only for kinds a double click edits).
//   Ask(ElementDialogs&, CVantrelDoc&, const Shown&) -> optional<Answer>:
//       the dialog; none on Cancel.
//   Apply(Element&, const Shown&, const Answer&): writes the answer.
// and may add Places (above) and MakeRoom(EditTransaction&, CVantrelDoc&,
// Element&, const Shown&, const Answer&), which changes other elements before
// an edited one takes the answer.
template <class Shape> class ShapeAdapter final : public PropertyAdapter
{
public:
    using Element = typename Shape::Element;

    constexpr explicit ShapeAdapter(Shape shape) : shape_(std::move(shape)) {}

    std::unique_ptr<LogElement> Place(NewElement& placement) const override
    {
        const std::optional<typename Shape::Shown> shown = shape_.Defaults(placement);
        if (!shown)
            return nullptr;
        const auto answer = shape_.Ask(placement.dialogs, placement.document, *shown);
        if (!answer || !Places(shape_, *answer))
            return nullptr;
        auto* element = KindAs<Element>(&placement.Element());
        if (!element)
            return nullptr;
        shape_.Apply(*element, *shown, *answer);
        return placement.Take();
    }

    bool Edit(CVantrelDoc& document, ElementDialogs& dialogs, LogElement& element) const override
    {
        if constexpr (ReadableShape<Shape>) {
            auto* edited = KindAs<Element>(&element);
            const ElementKindRow* kind = element.KindRow();
            if (!edited || !kind)
                return false;
            const std::optional<typename Shape::Shown> shown =
                shape_.Read(document, *kind, *edited);
            if (!shown)
                return false;
            const auto answer = shape_.Ask(dialogs, document, *shown);
            if (!answer)
                return false;
            EditTransaction edit(document, UndoRecord::kChanged);
            edit.Remember(element);
            if constexpr (requires { shape_.MakeRoom(edit, document, *edited, *shown, *answer); })
                shape_.MakeRoom(edit, document, *edited, *shown, *answer);
            shape_.Apply(*edited, *shown, *answer);
            edit.Commit();
            return true;
        } else {
            return false;
        }
    }

private:
    Shape shape_;
};

} // namespace vantrel
