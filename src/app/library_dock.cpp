#include "app/library_dock.h"

#include "app/block_files.h"
#include "archive/file_bytes.h"
#include "document/vantrel_doc.h"
#include "editing/block_library.h"
#include "editing/logic_block.h"
#include "editor/vantrel_view.h"
#include "qt_adapters/block_thumbnail.h"
#include "qt_adapters/qt_image.h"
#include "qt_adapters/qt_image_codec.h"
#include "qt_adapters/qt_text.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vantrel {

namespace {

constexpr char16_t kRenameCaption[] = u"Rename Block";
constexpr char16_t kDeleteCaption[] = u"Delete Block";

// What a block's row keeps besides its text.
enum Role
{
    kFileRole = Qt::UserRole, // the block file's path
    kWritableRole,            // whether its place may be changed
    kPlaceableRole,           // false for a damaged file
    kDescriptionRole,         // what the filter searches besides the name
};

// The pictures are shown at three quarters of their size: a few blocks fit
// on a screen and thin lines still show.
const QSize kIconSize(kBlockThumbnailWidth * 3 / 4, kBlockThumbnailHeight * 3 / 4);

// The block's picture on a framed card the size of every row's, so that
// names line up also beside a damaged file that has none.
QIcon BlockIcon(const std::vector<std::uint8_t>& thumbnail, bool placeable)
{
    QPixmap card(kIconSize);
    card.fill(placeable ? Qt::white : QColor(230, 230, 230));
    // The picture comes from a file like any other image: decoded within
    // the codec's bounds.
    if (const std::optional<Image> picture = QtImageCodec().Decode(thumbnail)) {
        QPainter painter(&card);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), kIconSize), ToQImage(*picture));
    }
    // A frame, so that the card shows on the list's own white.
    QPainter frame(&card);
    frame.setPen(QColor(190, 190, 190));
    frame.drawRect(QRect(QPoint(0, 0), kIconSize - QSize(1, 1)));
    frame.end();
    QIcon icon(card);
    // Disabled-looking rows keep the picture as it is.
    icon.addPixmap(card, QIcon::Disabled);
    return icon;
}

QTreeWidgetItem* BlockItem(const BlockEntry& entry, bool writable)
{
    auto* item = new QTreeWidgetItem;
    const QString file = PathText(entry.file);
    item->setData(0, kFileRole, file);
    item->setData(0, kWritableRole, writable);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (const auto& block = entry.reading.block) {
        item->setText(0, ToQString(block->name));
        item->setToolTip(0, block->description.empty() ? ToQString(block->name)
                                                       : ToQString(block->description));
        item->setData(0, kDescriptionRole, ToQString(block->description));
        item->setData(0, kPlaceableRole, true);
        item->setIcon(0, BlockIcon(block->thumbnail, true));
        flags |= Qt::ItemIsDragEnabled;
    } else {
        item->setText(0, QFileInfo(file).fileName() + QStringLiteral(" (damaged)"));
        item->setToolTip(0, ToQString(entry.reading.problem));
        item->setData(0, kPlaceableRole, false);
        item->setIcon(0, BlockIcon({}, false));
        item->setForeground(0, QPalette().brush(QPalette::Disabled, QPalette::Text));
    }
    item->setFlags(flags);
    return item;
}

// The list with the drag of a block and the keys of its rows.
class BlockTree final : public QTreeWidget
{
public:
    explicit BlockTree(LibraryDock& dock) : QTreeWidget(&dock), dock_(dock) {}

protected:
    QStringList mimeTypes() const override { return {QLatin1String(kBlockMimeType)}; }

    QMimeData* mimeData(const QList<QTreeWidgetItem*>& items) const override
    {
        return items.size() == 1 ? LibraryDock::DragData(*items.front()) : nullptr;
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        QTreeWidgetItem* row = currentItem();
        if (row && row->data(0, kFileRole).isValid()) {
            switch (event->key()) {
            case Qt::Key_F2:
                dock_.Rename(*row);
                return;
            case Qt::Key_Delete:
                dock_.Delete(*row);
                return;
            case Qt::Key_Return:
            case Qt::Key_Enter:
                dock_.Place(*row);
                return;
            default:
                break;
            }
        }
        QTreeWidget::keyPressEvent(event);
    }

private:
    LibraryDock& dock_;
};

} // namespace

LibraryDock::LibraryDock(CVantrelView& view, std::function<QString()> designFile, QWidget* parent)
    : QDockWidget(tr("Library"), parent), view_(view), designFile_(std::move(designFile)),
      filter_(new QLineEdit), tree_(new BlockTree(*this))
{
    setObjectName(QStringLiteral("libraryDock"));
    filter_->setObjectName(QStringLiteral("libraryFilter"));
    filter_->setPlaceholderText(tr("Filter blocks"));
    filter_->setClearButtonEnabled(true);
    tree_->setObjectName(QStringLiteral("libraryTree"));
    tree_->setHeaderHidden(true);
    tree_->setIconSize(kIconSize);
    tree_->setIndentation(12);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setDragEnabled(true);
    tree_->setDragDropMode(QAbstractItemView::DragOnly);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    // Long names wrap beside their picture instead of losing their end.
    tree_->setWordWrap(true);
    tree_->setTextElideMode(Qt::ElideNone);

    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(filter_);
    layout->addWidget(tree_);
    setWidget(content);

    connect(filter_, &QLineEdit::textChanged, this, &LibraryDock::ApplyFilter);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) {
        if (row->data(0, kFileRole).isValid())
            Place(*row);
    });
    connect(tree_, &QWidget::customContextMenuRequested, this, &LibraryDock::ShowMenu);
    // A file saved into a folder changes it several times in a row (the
    // temporary file, then the rename): the list is read once it settled.
    auto* settle = new QTimer(this);
    settle->setSingleShot(true);
    settle->setInterval(200);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, settle, qOverload<>(&QTimer::start));
    connect(settle, &QTimer::timeout, this, &LibraryDock::Refresh);
    Refresh();
}

void LibraryDock::Refresh()
{
    struct Place
    {
        QString title;
        std::filesystem::path folder;
        bool writable;
    };
    std::vector<Place> places{{tr("My blocks"), UserBlockFolder(), true}};
    if (const QString design = designFile_(); !design.isEmpty())
        places.push_back(
            {tr("Beside this design"), DesignBlockFolder(FileSystemPath(design)), true});
    places.push_back({tr("Installed (read-only)"), InstalledBlockFolder(), false});

    const QTreeWidgetItem* current = tree_->currentItem();
    const QString currentFile = current ? current->data(0, kFileRole).toString() : QString();
    if (const QStringList watched = watcher_.directories(); !watched.isEmpty())
        watcher_.removePaths(watched);
    tree_->clear();
    for (const Place& place : places) {
        auto* group = new QTreeWidgetItem(tree_, {place.title});
        group->setFlags(Qt::ItemIsEnabled);
        group->setToolTip(0, QDir::toNativeSeparators(PathText(place.folder)));
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        if (QDir(PathText(place.folder)).exists())
            watcher_.addPath(PathText(place.folder));
        for (const BlockEntry& entry : ListBlocks(place.folder)) {
            group->addChild(BlockItem(entry, place.writable));
            if (PathText(entry.file) == currentFile)
                tree_->setCurrentItem(group->child(group->childCount() - 1));
        }
        if (group->childCount() == 0) {
            auto* none = new QTreeWidgetItem(group, {tr("No blocks here yet")});
            none->setFlags(Qt::NoItemFlags);
        }
        group->setExpanded(true);
    }
    ApplyFilter();
}

QTreeWidgetItem* LibraryDock::BlockRow(const QString& name) const
{
    const auto found = tree_->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
    for (QTreeWidgetItem* row : found)
        if (row->data(0, kFileRole).isValid())
            return row;
    return nullptr;
}

QMimeData* LibraryDock::DragData(const QTreeWidgetItem& row)
{
    if (!row.data(0, kPlaceableRole).toBool())
        return nullptr;
    auto* data = new QMimeData;
    data->setData(QLatin1String(kBlockMimeType), row.data(0, kFileRole).toString().toUtf8());
    return data;
}

void LibraryDock::ApplyFilter()
{
    const QString text = filter_->text().trimmed();
    for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = tree_->topLevelItem(g);
        for (int r = 0; r < group->childCount(); ++r) {
            QTreeWidgetItem* row = group->child(r);
            if (!row->data(0, kFileRole).isValid())
                continue;
            const bool matches =
                row->text(0).contains(text, Qt::CaseInsensitive) ||
                row->data(0, kDescriptionRole).toString().contains(text, Qt::CaseInsensitive);
            row->setHidden(!matches);
        }
    }
}

void LibraryDock::Place(const QTreeWidgetItem& row)
{
    if (!row.data(0, kPlaceableRole).toBool()) {
        const QString file = QDir::toNativeSeparators(row.data(0, kFileRole).toString());
        view_.Document().GetNotifier().Message(
            FromQString(file + QStringLiteral(": ") + row.toolTip(0)) + u" It cannot be placed.",
            kApplicationTitle, MessageButtons::Ok);
        return;
    }
    view_.PlaceBlockFile(FileSystemPath(row.data(0, kFileRole).toString()));
}

void LibraryDock::Rename(const QTreeWidgetItem& row)
{
    if (!row.data(0, kWritableRole).toBool() || !row.data(0, kPlaceableRole).toBool())
        return;
    const QString file = row.data(0, kFileRole).toString();
    bool chosen = false;
    const QString name =
        QInputDialog::getText(this, ToQString(kRenameCaption), tr("New name of the block:"),
                              QLineEdit::Normal, row.text(0), &chosen)
            .trimmed();
    if (!chosen || name == row.text(0))
        return;
    Notifier& notifier = view_.Document().GetNotifier();
    try {
        const BlockRenaming renaming = RenameBlockFile(FileSystemPath(file), FromQString(name));
        if (!renaming.problem.empty())
            notifier.Message(renaming.problem, kRenameCaption, MessageButtons::Ok);
    } catch (const FileError& failure) {
        notifier.Message(failure.Message() + u" The block keeps its name.", kRenameCaption,
                         MessageButtons::Ok);
    }
    Refresh();
    if (QTreeWidgetItem* renamed = BlockRow(name))
        tree_->setCurrentItem(renamed);
}

void LibraryDock::Delete(const QTreeWidgetItem& row)
{
    if (!row.data(0, kWritableRole).toBool())
        return;
    const QString file = row.data(0, kFileRole).toString();
    Notifier& notifier = view_.Document().GetNotifier();
    if (notifier.Message(u"Delete the block \"" + FromQString(row.text(0)) + u"\" (" +
                             FromQString(QDir::toNativeSeparators(file)) +
                             u")? This cannot be undone.",
                         kDeleteCaption, MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    std::error_code error;
    if (!std::filesystem::remove(FileSystemPath(file), error) && error)
        notifier.Message(FileError(FileSystemPath(file), error.value()).Message() +
                             u" The block was not deleted.",
                         kDeleteCaption, MessageButtons::Ok);
    Refresh();
}

void LibraryDock::ShowMenu(const QPoint& at)
{
    QTreeWidgetItem* row = tree_->itemAt(at);
    if (!row || !row->data(0, kFileRole).isValid())
        return;
    const bool writable = row->data(0, kWritableRole).toBool();
    const bool placeable = row->data(0, kPlaceableRole).toBool();
    QMenu menu(this);
    menu.addAction(tr("&Place"), this, [this, row] { Place(*row); })->setEnabled(placeable);
    menu.addAction(tr("&Rename...\tF2"), this, [this, row] { Rename(*row); })
        ->setEnabled(writable && placeable);
    menu.addAction(tr("&Delete\tDel"), this, [this, row] { Delete(*row); })->setEnabled(writable);
    menu.exec(tree_->viewport()->mapToGlobal(at));
}

} // namespace vantrel
