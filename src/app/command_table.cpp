#include "app/command_table.h"

#include "editing/command_ids.h"
#include "elements/element_kinds.h"
#include "paint/paint_kinds.h"

#include <algorithm>
#include <vector>

namespace vantrel {

namespace {

using namespace command;

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
    {kExportPicture, "Export the view's picture as a PNG, SVG or PDF file\nExport Picture"},
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
    {kToolConnect, "Connect Tool"},
    {kToolSelect, "Select Tool"},
};

// The prompt text of a command, or null when it has none.
const char* PromptText(int id)
{
    if (const ElementKindRow* kind = FindElementKind(id))
        return kind->prompt;
    if (const PaintKindRow* kind = FindPaintKind(id))
        return kind->prompt;
    const auto found = std::find_if(std::begin(kPrompts), std::end(kPrompts),
                                    [id](const Prompt& prompt) { return prompt.id == id; });
    return found != std::end(kPrompts) ? found->text : nullptr;
}

// The prompt's line (0 status, 1 tooltip), or the plain menu text when the
// command has no such line.
QString PromptLine(int id, const QString& menuText, int line)
{
    if (const char* text = PromptText(id)) {
        const QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
        if (line < lines.size())
            return lines[line];
    }
    return PlainMenuText(menuText);
}

} // namespace

std::span<const int> StandardToolbarLayout()
{
    static constexpr int kLayout[] = {kFileNew,  kFileOpen,  kFileSave, 0,          kEditCut,
                                      kEditCopy, kEditPaste, 0,         kFilePrint, kAppAbout};
    return kLayout;
}

std::vector<int> ElementToolbarCommands()
{
    std::vector<int> commands(2 + ElementKinds().size());
    commands[0] = kToolSelect;
    commands[1] = kToolConnect;
    for (const ElementKindRow& kind : ElementKinds())
        commands.at(2 + std::size_t(kind.toolbarSlot)) = kind.command;
    return commands;
}

std::span<const PaintToolCommand> PaintToolCommands()
{
    // Select, then the tools of the paint kinds.
    static const std::vector<PaintToolCommand> tools = [] {
        std::vector<PaintToolCommand> commands{{kPaintSelect, "Select"}};
        for (const PaintKindRow& kind : PaintKinds())
            commands.push_back({kind.command, kind.menuText});
        return commands;
    }();
    return tools;
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
