#pragma once

#include <QDockWidget>
#include <QFileSystemWatcher>
#include <QString>

#include <functional>

class QLineEdit;
class QMimeData;
class QTreeWidget;
class QTreeWidgetItem;

namespace vantrel {

class CVantrelView;

// The "Library" dock: the blocks of the user's block folder, of the blocks
// folder beside the open design and those that come with the program
// (read-only), each under its place with its picture and name (its
// description as tooltip). A filter field keeps the blocks whose name or
// description holds its text, in any case. A double click (or Enter)
// places the block at the view's centre, dragging it onto the canvas
// places it at the cell it is dropped on; F2 renames and Delete deletes a
// block of a writable place (also from the context menu). A damaged file is
// listed greyed with its reason as tooltip and cannot be placed. Blocks
// that other programs add to or remove from the folders show shortly after.
class LibraryDock : public QDockWidget
{
    Q_OBJECT
public:
    // `designFile` gives the open design's file (empty while untitled).
    LibraryDock(CVantrelView& view, std::function<QString()> designFile, QWidget* parent = nullptr);

    // Reads the folders again; the current block stays current.
    void Refresh();

    QTreeWidget& Tree() const { return *tree_; }
    QLineEdit& Filter() const { return *filter_; }
    // The row of the block named so (or of the damaged file so named);
    // null when none is listed.
    QTreeWidgetItem* BlockRow(const QString& name) const;
    // What dragging the row carries: the block's file under the block MIME
    // type; null for a row that is no placeable block. The caller owns it.
    static QMimeData* DragData(const QTreeWidgetItem& row);

    // What the double click, F2 and Delete do on a row.
    void Place(const QTreeWidgetItem& row);
    void Rename(const QTreeWidgetItem& row);
    void Delete(const QTreeWidgetItem& row);

private:
    void ApplyFilter();
    void ShowMenu(const QPoint& at);

    CVantrelView& view_;
    std::function<QString()> designFile_;
    QLineEdit* filter_;
    QTreeWidget* tree_;
    QFileSystemWatcher watcher_;
};

} // namespace vantrel
