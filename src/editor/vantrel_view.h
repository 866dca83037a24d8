#pragma once

#include "editing/editing_commands.h"
#include "editing/page_image_cache.h"
#include "editing/view_state.h"
#include "graphics/image.h"

#include <QAbstractScrollArea>
#include <QTimer>

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class QPainter;

namespace vantrel {

class Clipboard;
class ConfigDialogs;
class CVantrelDoc;
class ElementDialogs;
class ImageCodec;
struct Problem;
class Surface;
class ViewPrompts;

// The MIME type a block of the library is dragged with: the block file's
// path, UTF-8.
inline constexpr char kBlockMimeType[] = "application/x-vantrel-block";

// The editor's single scrolling canvas: the logic design on its grid
// (Design) or one preview page with its paint layer (Preview design). It
// turns mouse, key, paint and scroll events into edits; the editing commands
// of the menus and toolbars it runs through the editing library's command
// table, in the context of its document, state and dialogs, and then does
// what the command reports (repaint, drop the page image caches...).
class CVantrelView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    // The timer that drives blinking and moving paint colours.
    static constexpr int kTimerPeriodMs = 250;

    // The dialogs, prompts and image codec belong to the application, which
    // may put in its own (tests answer them without a modal loop).
    CVantrelView(CVantrelDoc& document, ElementDialogs& dialogs, ConfigDialogs& configDialogs,
                 ViewPrompts& prompts, const ImageCodec& codec, QWidget* parent = nullptr);
    ~CVantrelView() override;

    // After the document was reset or loaded: no selection, the first page,
    // and zoom and origin where the design's elements show.
    void OnInitialUpdate();

    // The editing commands: whether one is the view's to run, may run now,
    // is checked; running one when it is enabled.
    bool HandlesCommand(int id) const;
    bool IsCommandEnabled(int id) const;
    bool IsCommandChecked(int id) const;
    void OnCommand(int id);

    ViewState& State() { return state_; }
    const ViewState& State() const { return state_; }
    CVantrelDoc& Document() { return document_; }

    // Draws the view's picture for a client area of the given size: the
    // design in Design mode, the current page in Preview design.
    void RenderPicture(QPainter& painter, QSize client);

    // vantrel_view_problems.cpp: centres and selects the element a problem
    // names, in Design, as Find does; false when it is no longer there.
    bool ShowProblemElement(const Problem& problem);

    // vantrel_view_blocks.cpp: places the block of the file as a paste
    // whose top-left element lands on the cell (the view's centre cell when
    // none is given), in Design, as one undo step; the placed elements
    // become the selection. A file that cannot be read or is damaged, and a
    // block that cannot be placed, are told through the notifier. Blocks
    // dragged onto the canvas are placed at the cell they are dropped on.
    bool PlaceBlockFile(const std::filesystem::path& file, std::optional<Point> cell = {});
    // The cell at the middle of the client area.
    Point CentreCell() const;

    // Centres the element of that id and selects it, in Design; one that is
    // no longer in the design leaves the cell centred without a selection.
    void ShowElementOrCell(std::int32_t id, Point cell);

    // What is drawn over the picture of the view (a comparison's marks),
    // after the design or page; an empty one draws nothing.
    using Overlay = std::function<void(Surface&, const Rect& client)>;
    void SetOverlay(Overlay overlay);

    // Whether digit key 1..4 is held, as tracked from the view's key events.
    bool DigitHeld(int digit) const { return digitsHeld_[std::size_t(digit)]; }

signals:
    // The document or the view changed in a way menus and titles may show.
    void Changed();
    // An export warned about the design (after its message boxes).
    void ExportWarned();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    Size ClientSize() const;
    Rect ClientRect() const;
    void Redraw();
    void UpdateScrollBars();
    void OnScrollAction(Qt::Orientation orientation, int action);
    void OnTick();
    void ReleaseInDesign(Point release);
    void DoubleClickInPreview(Point click);
    void KeyInDesign(QKeyEvent* event);
    void KeyInPreview(QKeyEvent* event);
    const Image* PageBackground(QSize client);
    void DiscardBackgroundCache();
    EditingContext Context();
    EditingQuery Query() const;
    // Does what a command reported it left to the widget.
    void Apply(CommandEffects effects);

    CVantrelDoc& document_;
    ElementDialogs& dialogs_;
    ConfigDialogs& configDialogs_;
    ViewState state_;
    ViewPrompts& prompts_;
    const ImageCodec& codec_;
    std::unique_ptr<Clipboard> clipboard_;
    QTimer timer_;
    std::array<bool, 4> digitsHeld_{};
    bool updatingScrollBars_ = false;
    // The design was reset or loaded before the view was first shown.
    bool placePending_ = false;
    // The current page's background decoded, and scaled to the client size.
    PageImageCache decodedPage_{codec_};
    Image backgroundCache_;
    int backgroundCachePage_ = -1;
    Overlay overlay_;
};

} // namespace vantrel
