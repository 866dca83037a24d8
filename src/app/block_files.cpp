#include "app/block_files.h"

#include "app/main_window.h"
#include "app/vantrel_app.h"
#include "archive/archive_exception.h"
#include "archive/file_bytes.h"
#include "dialogs/save_block_dialog.h"
#include "editing/block_library.h"
#include "editing/logic_block.h"
#include "editor/vantrel_view.h"
#include "qt_adapters/block_thumbnail.h"
#include "qt_adapters/qt_text.h"

#include <QCoreApplication>
#include <QDir>

namespace vantrel {

namespace {

constexpr char16_t kSaveBlockCaption[] = u"Save Selection as Block";

// "New block", or the first "New block N" the user's folder has no file for.
QString ProposedBlockName()
{
    const std::filesystem::path folder = UserBlockFolder();
    QString name = QStringLiteral("New block");
    for (int number = 2; std::filesystem::exists(BlockFilePath(folder, FromQString(name)));
         ++number)
        name = QStringLiteral("New block %1").arg(number);
    return name;
}

} // namespace

std::filesystem::path InstalledBlockFolder()
{
    const QString installed = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                              QStringLiteral("/../share/vantrel/blocks"));
    if (QDir(installed).exists())
        return FileSystemPath(installed);
    return FileSystemPath(QStringLiteral(VANTREL_SOURCE_EXAMPLES_DIR "/blocks"));
}

void SaveSelectionAsBlock(CMainFrame& frame)
{
    CVantrelApp& app = frame.App();
    Notifier& notifier = app.Document().GetNotifier();
    const std::optional<BlockSaveChoice> choice =
        AskBlockSave(&frame, ProposedBlockName(), !app.PathName().isEmpty());
    if (!choice)
        return;
    const std::u16string name = FromQString(choice->name);
    if (const auto problem = BlockNameProblem(name)) {
        notifier.Message(*problem, kSaveBlockCaption, MessageButtons::Ok);
        return;
    }
    const std::filesystem::path folder = choice->besideDesign
                                             ? DesignBlockFolder(FileSystemPath(app.PathName()))
                                             : UserBlockFolder();
    const std::filesystem::path file = BlockFilePath(folder, name);
    if (std::filesystem::exists(file) &&
        notifier.Message(FromQString(QDir::toNativeSeparators(PathText(file))) +
                             u" exists already. Replace the block it holds?",
                         kSaveBlockCaption, MessageButtons::YesNo) != MessageAnswer::Yes)
        return;
    try {
        LogicBlock block = MakeLogicBlock(app.Document(), frame.View().State().logicSelection, name,
                                          FromQString(choice->description));
        block.thumbnail = BlockThumbnail(block);
        WriteBlockFile(file, block);
        frame.RefreshLibrary();
    } catch (const FileError& failure) {
        notifier.Message(failure.Message() +
                             u" The block was not saved: choose the other place, or make the "
                             u"folder writable and save it again.",
                         kSaveBlockCaption, MessageButtons::Ok);
    } catch (const CArchiveException& failure) {
        notifier.Message(failure.Message() + u" The block was not saved.", kSaveBlockCaption,
                         MessageButtons::Ok);
    }
}

} // namespace vantrel
