#pragma once

#include <array>
#include <cstdint>

namespace vantrel {

// The picture on a command's toolbar button, drawn by the editor's icon
// painter; element kinds show their figure, paint kinds their kind's picture.
enum class ButtonPicture : std::uint8_t
{
    None,
    Pointer,
    ConnectWire,
    NewSheet,
    OpenFolder,
    Disk,
    Scissors,
    Copy,
    Paste,
    Printer,
    Help,
    ElementFigure,
    PaintKind,
};

// Whether a command's menu item carries a check mark.
enum class CommandCheck : std::uint8_t
{
    Plain,
    Checkable,
};

// What every command shows, wherever it is reached: the menu item, the
// toolbar button, the status line and the keys.
struct CommandLook
{
    int id;
    // The menu text: "&" marks the mnemonic, a tab the shown shortcut.
    const char* menuText;
    // The status line, optionally followed by "\n" and the tooltip; null when
    // the plain menu text serves as both.
    const char* prompt;
    // Up to two key chords in the portable form ("Ctrl+Z", "Shift+Ins"),
    // the first the one the menu shows.
    std::array<const char*, 2> keys;
    CommandCheck check;
    ButtonPicture icon;
};

// The look of a command that carries no check mark.
constexpr CommandLook PlainLook(int id, const char* menuText, const char* prompt = nullptr,
                                std::array<const char*, 2> keys = {},
                                ButtonPicture icon = ButtonPicture::None)
{
    return {id, menuText, prompt, keys, CommandCheck::Plain, icon};
}

// The look of a command whose menu item carries a check mark while it holds.
constexpr CommandLook CheckableLook(int id, const char* menuText, const char* prompt = nullptr)
{
    return {id, menuText, prompt, {}, CommandCheck::Checkable, ButtonPicture::None};
}

// One command of the table: its look and what it does in `Context`, the world
// its handler works on. A null `enabled` means always enabled, a null
// `checked` never checked. A command without a handler exists only to be
// shown: it is always disabled.
template <class Context, class Query, class Result> struct CommandRow
{
    CommandLook look;
    Result (*run)(Context& context, int id);
    bool (*enabled)(const Query& query, int id);
    bool (*checked)(const Query& query, int id);
};

} // namespace vantrel
