// The window's own commands: the files, printing, the bars and panels, About
// and Exit. They work on the main window and the application, not on the
// design's content.
#include "app/about_dialog.h"
#include "app/block_files.h"
#include "app/command_table.h"
#include "app/example_designs.h"
#include "app/library_dock.h"
#include "app/main_window.h"
#include "app/problems_dock.h"
#include "app/recent_file_list.h"
#include "app/vantrel_app.h"
#include "app/view_printing.h"
#include "editing/command_ids.h"
#include "editor/vantrel_view.h"

#include <QFileInfo>
#include <QInputDialog>
#include <QStatusBar>
#include <QToolBar>

#include <vector>

namespace vantrel {

namespace {

using namespace command;

void NewFile(CMainFrame& frame, int)
{
    frame.App().OnFileNew();
}
void OpenFile(CMainFrame& frame, int)
{
    frame.App().OnFileOpen();
}
// Lists the example designs by name and opens the chosen one as a template.
void OpenExample(CMainFrame& frame, int)
{
    const QStringList designs = ExampleDesigns();
    if (designs.isEmpty()) {
        frame.App().Document().GetNotifier().Message(
            u"No example designs were found in " +
                ExampleFolders().join(QStringLiteral(" or ")).toStdU16String() +
                u". Reinstall the program to get them.",
            kApplicationTitle, MessageButtons::Ok);
        return;
    }
    QStringList names;
    for (const QString& design : designs)
        names.append(QFileInfo(design).completeBaseName());
    bool chosen = false;
    const QString name = QInputDialog::getItem(&frame, QStringLiteral("Examples"),
                                               QStringLiteral("Open an example as a new design:"),
                                               names, 0, false, &chosen);
    if (chosen && names.contains(name))
        frame.App().OpenTemplate(designs[names.indexOf(name)]);
}
void SaveFile(CMainFrame& frame, int)
{
    frame.App().OnFileSave();
}
void SaveFileAs(CMainFrame& frame, int)
{
    frame.App().OnFileSaveAs();
}
void Print(CMainFrame& frame, int)
{
    PrintView(frame.App().Printer(), frame.View(), frame.App().Title(), &frame);
}
void Preview(CMainFrame& frame, int)
{
    PreviewView(frame.App().Printer(), frame.View(), frame.App().Title(), &frame);
}
void SetUpPrinter(CMainFrame& frame, int)
{
    PrintSetup(frame.App().Printer(), &frame);
}
void ExportPictureFile(CMainFrame& frame, int)
{
    frame.App().OnExportPicture();
}
void CompareWithFile(CMainFrame& frame, int)
{
    frame.App().OnFileCompare();
}
void ExportDocumentationFile(CMainFrame& frame, int)
{
    frame.App().OnExportDocumentation();
}
void SaveBlock(CMainFrame& frame, int)
{
    SaveSelectionAsBlock(frame);
}
bool LogicSelected(const CMainFrame& frame, int)
{
    const ViewState& state = frame.View().State();
    return state.InDesign() && !state.logicSelection.empty();
}
void OpenRecent(CMainFrame& frame, int id)
{
    frame.App().OpenRecentFile(id - kFileRecent);
}
bool RecentFileListed(const CMainFrame& frame, int id)
{
    return id - kFileRecent < frame.App().RecentFiles().Files().size();
}
void Exit(CMainFrame& frame, int)
{
    frame.close();
}
void About(CMainFrame& frame, int)
{
    CAboutDlg(&frame).exec();
}

// The bar or panel a View switch shows; the problems panel only once made.
QWidget* SwitchedPart(const CMainFrame& frame, int id)
{
    switch (id) {
    case kViewToolbar:
        return frame.MainToolBar();
    case kViewStatusBar:
        return frame.statusBar();
    case kViewElementBar:
        return frame.ElementToolBar();
    case kViewLibrary:
        return frame.LibraryIfMade();
    default:
        return frame.ProblemsIfMade();
    }
}
void ShowOrHide(CMainFrame& frame, int id)
{
    // The panels are made when first asked for.
    if (id == kViewProblems)
        frame.Problems();
    else if (id == kViewLibrary)
        frame.Library();
    QWidget* part = SwitchedPart(frame, id);
    part->setVisible(part->isHidden());
}
bool Shown(const CMainFrame& frame, int id)
{
    const QWidget* part = SwitchedPart(frame, id);
    return part && !part->isHidden();
}

const WindowCommandRow kRows[] = {
    {PlainLook(kFileNew, "&New\tCtrl+N", "Create a new document\nNew", {"Ctrl+N"},
               ButtonPicture::NewSheet),
     NewFile, nullptr, nullptr},
    {PlainLook(kFileOpen, "&Open...\tCtrl+O", "Open an existing document\nOpen", {"Ctrl+O"},
               ButtonPicture::OpenFolder),
     OpenFile, nullptr, nullptr},
    {PlainLook(kFileExamples, "Examp&les...",
               "Open one of the example designs as a new, untitled design\nExamples"),
     OpenExample, nullptr, nullptr},
    {PlainLook(kFileSave, "&Save\tCtrl+S", "Save the active document\nSave", {"Ctrl+S"},
               ButtonPicture::Disk),
     SaveFile, nullptr, nullptr},
    {PlainLook(kFileSaveAs, "Save &As...", "Save the active document with a new name\nSave As"),
     SaveFileAs, nullptr, nullptr},
    {PlainLook(kFileCompare, "Co&mpare With...",
               "Show how the design differs from another design file\nCompare With"),
     CompareWithFile, nullptr, nullptr},
    {PlainLook(kFilePrint, "&Print...\tCtrl+P", "Print the active document\nPrint", {"Ctrl+P"},
               ButtonPicture::Printer),
     Print, nullptr, nullptr},
    {PlainLook(kFilePrintPreview, "Print Pre&view", "Display full pages\nPrint Preview"), Preview,
     nullptr, nullptr},
    {PlainLook(kFilePrintSetup, "P&rint Setup...",
               "Change the printer and printing options\nPrint Setup"),
     SetUpPrinter, nullptr, nullptr},
    {PlainLook(kExportPicture, "Picture...",
               "Export the view's picture as a PNG, SVG or PDF file\nExport Picture"),
     ExportPictureFile, nullptr, nullptr},
    {PlainLook(kExportDocumentation, "Documentation...",
               "Export the design's documentation as a PDF or HTML file\nExport Documentation"),
     ExportDocumentationFile, nullptr, nullptr},
    {PlainLook(kEditSaveBlock, "Save Selection as &Block...",
               "Keep the selected elements as a block of the library\nSave Selection as Block"),
     SaveBlock, LogicSelected, nullptr},
    // The entries show the listed files' names once there are any.
    {PlainLook(kFileRecent, "Recent File", "Open this document"), OpenRecent, RecentFileListed,
     nullptr},
    {PlainLook(kFileRecent + 1, "Recent File", "Open this document"), OpenRecent, RecentFileListed,
     nullptr},
    {PlainLook(kFileRecent + 2, "Recent File", "Open this document"), OpenRecent, RecentFileListed,
     nullptr},
    {PlainLook(kFileRecent + 3, "Recent File", "Open this document"), OpenRecent, RecentFileListed,
     nullptr},
    {PlainLook(kAppExit, "E&xit", "Quit the application; prompts to save documents\nExit"), Exit,
     nullptr, nullptr},
    {CheckableLook(kViewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar"),
     ShowOrHide, nullptr, Shown},
    {CheckableLook(kViewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle StatusBar"),
     ShowOrHide, nullptr, Shown},
    {CheckableLook(kViewElementBar, "Element Bar"), ShowOrHide, nullptr, Shown},
    {CheckableLook(kViewProblems, "&Problems"), ShowOrHide, nullptr, Shown},
    {CheckableLook(kViewLibrary, "&Library", "Show or hide the library of blocks\nLibrary"),
     ShowOrHide, nullptr, Shown},
    {PlainLook(kAppAbout, "&About Vantrel...",
               "Display program information, version number and copyright\nAbout", {},
               ButtonPicture::Help),
     About, nullptr, nullptr},
};

static_assert(RecentFileList::kSize == 4, "one row per entry of the recent-file list");

} // namespace

std::span<const WindowCommandRow> WindowCommands()
{
    return kRows;
}

} // namespace vantrel
