#include "app/command_table.h"

#include "editing/command_ids.h"
#include "editing/editing_commands.h"
#include "elements/element_kinds.h"
#include "paint/paint_kinds.h"

#include <QStringList>

#include <algorithm>
#include <map>

namespace vantrel {

namespace {

using namespace command;

// The prompt's line (0 status, 1 tooltip), or the plain menu text when the
// command has no such line.
QString PromptLine(const CommandLook& look, int line)
{
    if (look.prompt) {
        const QStringList lines = QString::fromUtf8(look.prompt).split(QLatin1Char('\n'));
        if (line < lines.size())
            return lines[line];
    }
    return PlainMenuText(QString::fromUtf8(look.menuText));
}

MenuEntry Menu(const char* title)
{
    return {MenuEntryKind::Menu, 0, title};
}
MenuEntry Item(int id)
{
    return {MenuEntryKind::Command, id, nullptr};
}
constexpr MenuEntry kSeparator{MenuEntryKind::Separator, 0, nullptr};
constexpr MenuEntry kEnd{MenuEntryKind::End, 0, nullptr};

std::vector<MenuEntry> Items(std::initializer_list<int> ids)
{
    std::vector<MenuEntry> entries;
    for (int id : ids)
        entries.push_back(id == 0 ? kSeparator : Item(id));
    return entries;
}

// A submenu holding the commands (0 for a separator).
std::vector<MenuEntry> Submenu(const char* title, std::initializer_list<int> ids)
{
    std::vector<MenuEntry> entries{Menu(title)};
    const std::vector<MenuEntry> items = Items(ids);
    entries.insert(entries.end(), items.begin(), items.end());
    entries.push_back(kEnd);
    return entries;
}

void Append(std::vector<MenuEntry>& layout, const std::vector<MenuEntry>& entries)
{
    layout.insert(layout.end(), entries.begin(), entries.end());
}

void AppendFileMenu(std::vector<MenuEntry>& layout)
{
    layout.push_back(Menu("&File"));
    Append(layout, Items({kFileNew, kFileOpen, kFileExamples, kFileSave, kFileSaveAs, kFileCompare,
                          0, kFilePrint, kFilePrintPreview, kFilePrintSetup, 0}));
    Append(layout, Submenu("Import", {kImportIoNames}));
    Append(layout, Submenu("Export", {kExportIoList, kExportPicture, kExportDocumentation}));
    Append(layout,
           Items({0, kFileRecent, kFileRecent + 1, kFileRecent + 2, kFileRecent + 3, 0, kAppExit}));
    layout.push_back(kEnd);
}

void AppendEditMenu(std::vector<MenuEntry>& layout)
{
    layout.push_back(Menu("&Edit"));
    Append(layout, Items({kEditUndo, kEditRedo, 0, kEditCut, kEditCopy, kEditPaste, kEditSaveBlock,
                          0, kEditReplicate, kEditSelectAll, kEditFind, 0, kBackgroundColor,
                          kImportBackground}));
    Append(layout, Submenu("Flip", {kFlipHorizontally, kFlipVertically}));
    Append(layout, Submenu("Corrections", {kNormalize}));
    layout.push_back(kEnd);
}

void AppendViewMenu(std::vector<MenuEntry>& layout)
{
    layout.push_back(Menu("&View"));
    Append(layout, Items({kViewToolbar, kViewStatusBar, kViewElementBar, kViewProblems,
                          kViewLibrary, 0, kViewElementNumbers}));
    Append(layout, Submenu("Zoom", {kZoomIn, kZoomOut, kZoomOne, kZoomFit}));
    Append(layout, Submenu("Layout", {kLayoutDesign, kLayoutPreview, kLayoutToggle}));
    layout.push_back(kEnd);
}

void AppendToolsMenu(std::vector<MenuEntry>& layout)
{
    layout.push_back(Menu("&Tools"));
    Append(layout, Submenu("Hardware Config", {kIoCount, kIoSpeed, kRemoteIo, kCustomRemoteIo}));
    Append(layout, Items({kAutoSort, kExportFlash, kExportJson, kComplexCommands}));
    Append(layout, Submenu("Simulation", {kSimulationSetup, kSimulationExport}));
    Append(layout, Submenu("Preview Page", {kPageSetCount, kPageLeft, kPageRight}));
    layout.push_back(kEnd);
}

// The element kinds in the order of their table, then the two design tools.
void AppendActionMenu(std::vector<MenuEntry>& layout)
{
    layout.push_back(Menu("&Action"));
    layout.push_back(Menu("New"));
    for (const ElementKindRow& kind : ElementKinds())
        layout.push_back(Item(kind.command));
    Append(layout, Items({0, kToolConnect, kToolSelect}));
    layout.push_back(kEnd);
    layout.push_back(kEnd);
}

void AppendPaintToolMenu(std::vector<MenuEntry>& layout)
{
    layout.push_back(Menu("&Paint Tool"));
    for (int id : PaintToolbarCommands())
        layout.push_back(Item(id));
    layout.push_back(kEnd);
}

} // namespace

const WindowCommandRow* FindWindowCommand(int id)
{
    static const std::map<int, const WindowCommandRow*> byId = [] {
        std::map<int, const WindowCommandRow*> rows;
        for (const WindowCommandRow& row : WindowCommands())
            rows.emplace(row.look.id, &row);
        return rows;
    }();
    const auto found = byId.find(id);
    return found == byId.end() ? nullptr : found->second;
}

const CommandLook* FindCommandLook(int id)
{
    if (const EditingCommandRow* row = FindEditingCommand(id))
        return &row->look;
    if (const WindowCommandRow* row = FindWindowCommand(id))
        return &row->look;
    return nullptr;
}

std::span<const MenuEntry> MenuLayout()
{
    static const std::vector<MenuEntry> layout = [] {
        std::vector<MenuEntry> entries;
        AppendFileMenu(entries);
        AppendEditMenu(entries);
        AppendViewMenu(entries);
        AppendToolsMenu(entries);
        AppendActionMenu(entries);
        AppendPaintToolMenu(entries);
        entries.push_back(Menu("&Help"));
        entries.push_back(Item(kAppAbout));
        entries.push_back(kEnd);
        return entries;
    }();
    return layout;
}

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

std::span<const int> PaintToolbarCommands()
{
    static const std::vector<int> tools = [] {
        std::vector<int> commands{kPaintSelect};
        for (const PaintKindRow& kind : PaintKinds())
            commands.push_back(kind.command);
        return commands;
    }();
    return tools;
}

QString StatusPrompt(const CommandLook& look)
{
    return PromptLine(look, 0);
}

QString ToolTipPrompt(const CommandLook& look)
{
    return PromptLine(look, 1);
}

QList<QKeySequence> Shortcuts(const CommandLook& look)
{
    QList<QKeySequence> keys;
    for (const char* key : look.keys)
        if (key)
            keys.append(
                QKeySequence::fromString(QString::fromLatin1(key), QKeySequence::PortableText));
    return keys;
}

QString PlainMenuText(const QString& menuText)
{
    QString plain = menuText.section(QLatin1Char('\t'), 0, 0);
    plain.remove(QLatin1Char('&'));
    return plain.trimmed();
}

} // namespace vantrel
