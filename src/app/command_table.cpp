#include "app/command_table.h"

#include "editing/command_ids.h"

#include <algorithm>
#include <array>

namespace vantrel {

namespace {

using namespace command;

constexpr std::array<ElementKindCommand, 45> kElementKinds{{
    {33001, "And", "LogAnd"},
    {33002, "Or", "LogOr"},
    {33028, "NAND", "LogNAND"},
    {33029, "NOR", "LogNOR"},
    {33030, "XOR", "LogXOR"},
    {33031, "NXOR", "LogNXOR"},
    {33011, "Not", "LogNot"},
    {33033, "Big And", "LogBigAnd"},
    {33034, "Big Or", "LogBigOr"},
    {33035, "Big Alarm", "LogBigAlarm"},
    {33003, "Input", "LogIn"},
    {33004, "Output", "LogOut"},
    {33010, "User Input", "LogUser"},
    {33012, "Pulse User Input", "LogPulseUser"},
    {33013, "User Output", "LogUserOut"},
    {33042, "Logged User Output", "LoggedUserOut"},
    {33023, "Analog Input", "Analog_Input"},
    {33024, "Analog Output", "Analog_Output"},
    {33046, "Temp Input", "TempInput"},
    {33006, "Delay", "LogDelay"},
    {33036, "Pulse Delay", "LogPulseDelay"},
    {33025, "Var Delay", "LogVarDelay"},
    {33040, "Var Pulse Delay", "LogVarPulseDelay"},
    {33041, "Filter", "LogFilter"},
    {33020, "Clock", "LogClock"},
    {33043, "Timer", "LogTimer"},
    {33045, "Speed", "LogSpeed"},
    {33007, "Mem", "LogMem"},
    {33009, "Switch", "LogSwitch"},
    {33037, "Delayed Stop Trigger", "LogDelayedSwitch"},
    {33038, "Toggle", "LogToggle"},
    {33021, "Comp ==", "LogCompEq"},
    {33022, "Comp >", "LogCompL"},
    {33016, "Accumulator", "Acc"},
    {33032, "NoOp Reg", "NoOp"},
    {33017, "Register", "GP_Register"},
    {33018, "Acc operation", "AccOp"},
    {33019, "Constant", "NL_Constant"},
    {33047, "In Replicator", "LogReplicator"},
    {33014, "In Marker", "LogStartMarker"},
    {33015, "Out Marker", "LogEndMarker"},
    {33026, "NL In Marker", "NLStartMarker"},
    {33027, "NL Out Marker", "NLEndMarker"},
    {33039, "Cycle breaker", "LogBreaker"},
    {33044, "Comment", "LogComment"},
}};

constexpr std::array<int, 47> kElementToolbar{
    kToolSelect, kToolConnect, 33001, 33002, 33028, 33029, 33030, 33031, 33003, 33004, 33010, 33012,
    33013,       33042,        33041, 33006, 33025, 33036, 33040, 33011, 33007, 33009, 33038, 33037,
    33047,       33014,        33015, 33016, 33017, 33018, 33019, 33022, 33021, 33020, 33023, 33024,
    33026,       33027,        33032, 33043, 33045, 33046, 33033, 33034, 33035, 33039, 33044};

constexpr std::array<PaintToolCommand, 9> kPaintTools{{
    {kPaintSelect, "Select"},
    {kPaintPen, "Pen"},
    {kPaintLine, "Line"},
    {kPaintEllipse, "Ellipse"},
    {kPaintFilledEllipse, "Filled Elipse"},
    {kPaintRectangle, "Rectangle"},
    {kPaintFilledRectangle, "Filled Rectangle"},
    {kPaintText, "Text"},
    {kPaintFilledText, "Filled Text"},
}};

struct Prompt
{
    int id;
    const char* text; // status line, then optionally "\n" and the tooltip
};

constexpr Prompt kPrompts[] = {
    {kFileNew, "Create a new document\nNew"},
    {kFileOpen, "Open an existing document\nOpen"},
    {kFileSave, "Save the active document\nSave"},
    {kFileSaveAs, "Save the active document with a new name\nSave As"},
    {kFilePrint, "Print the active document\nPrint"},
    {kFilePrintPreview, "Display full pages\nPrint Preview"},
    {kFilePrintSetup, "Change the printer and printing options\nPrint Setup"},
    {kFileRecent, "Open this document"},
    {kFileRecent + 1, "Open this document"},
    {kFileRecent + 2, "Open this document"},
    {kFileRecent + 3, "Open this document"},
    {kAppExit, "Quit the application; prompts to save documents\nExit"},
    {kEditUndo, "Undo the last action\nUndo"},
    {kEditRedo, "Redo the previously undone action\nRedo"},
    {kEditCut, "Cut the selection and put it on the Clipboard\nCut"},
    {kEditCopy, "Copy the selection and put it on the Clipboard\nCopy"},
    {kEditPaste, "Insert Clipboard contents\nPaste"},
    {kEditFind, "Find the specified text\nFind"},
    {kViewToolbar, "Show or hide the toolbar\nToggle ToolBar"},
    {kViewStatusBar, "Show or hide the status bar\nToggle StatusBar"},
    {kAppAbout, "Display program information, version number and copyright\nAbout"},
    {33001, "New AND"},
    {33002, "New OR"},
    {33003, "New INPUT"},
    {33004, "New OUTPUT"},
    {33005, "Connect Tool"},
    {33006, "New DELAY"},
    {33007, "New MEMORY"},
    {33008, "Select Tool"},
    {33009, "New SWITCH"},
    {33010, "New User INPUT"},
    {33011, "New NOT"},
    {33012, "New Pulse User INPUT"},
    {33013, "New User OUTPUT"},
    {33014, "New in MARKER"},
    {33015, "New Out MARKER"},
    {33016, "New Accumulator"},
    {33017, "New Register"},
    {33018, "New Accumulator Operation"},
    {33019, "New Constant"},
    {33020, "New Clock signal"},
    {33021, "New Comparator ( = )"},
    {33022, "New Comparator ( > )"},
    {33023, "New Analog Input"},
    {33024, "New Analog Output"},
    {33025, "New Var Delay"},
    {33026, "New NL In Marker"},
    {33027, "New NL Out Marker"},
    {33028, "New NAND"},
    {33029, "New NOR"},
    {33030, "New XOR"},
    {33031, "New NXOR"},
    {33032, "New NoOp Reg"},
    {33033, "Big And"},
    {33034, "New BigOr"},
    {33035, "Big Alarm"},
    {33036, "New Pulse Delay"},
    {33037, "New Delayed Stop Trigger"},
    {33038, "New Toggle Trigger"},
    {33039, "New Cycle Breaker"},
    {33040, "New Var Pulse Delay"},
    {33041, "New Filter Element"},
    {33043, "Timer"},
    {33044, "New Comment"},
    {33045, "Speed"},
    {33046, "New Temp Input"},
    {33047, "New Input Replicator"},
    {kPaintFilledText, "New Filled Text"},
};

// The prompt's line (0 status, 1 tooltip), or the plain menu text when the
// command has no such line.
QString PromptLine(int id, const QString& menuText, int line)
{
    const auto found = std::find_if(std::begin(kPrompts), std::end(kPrompts),
                                    [id](const Prompt& prompt) { return prompt.id == id; });
    if (found != std::end(kPrompts)) {
        const QStringList lines = QString::fromUtf8(found->text).split(QLatin1Char('\n'));
        if (line < lines.size())
            return lines[line];
    }
    return PlainMenuText(menuText);
}

} // namespace

std::span<const ElementKindCommand> ElementKindCommands()
{
    return kElementKinds;
}

const ElementKindCommand* FindElementKindCommand(int id)
{
    const auto found = std::find_if(kElementKinds.begin(), kElementKinds.end(),
                                    [id](const ElementKindCommand& kind) { return kind.id == id; });
    return found == kElementKinds.end() ? nullptr : &*found;
}

std::span<const int> ElementToolbarCommands()
{
    return kElementToolbar;
}

std::span<const PaintToolCommand> PaintToolCommands()
{
    return kPaintTools;
}

QString StatusPrompt(int id, const QString& menuText)
{
    return PromptLine(id, menuText, 0);
}

QString ToolTipPrompt(int id, const QString& menuText)
{
    return PromptLine(id, menuText, 1);
}

QString PlainMenuText(const QString& menuText)
{
    QString plain = menuText.section(QLatin1Char('\t'), 0, 0);
    plain.remove(QLatin1Char('&'));
    return plain.trimmed();
}

} // namespace vantrel
