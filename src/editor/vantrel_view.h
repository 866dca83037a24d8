#pragma once

#include "document/undo_record.h"
#include "editing/page_image_cache.h"
#include "editing/view_state.h"
#include "platform/image.h"

#include <QAbstractScrollArea>
#include <QTimer>

#include <array>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>

class QPainter;

namespace vantrel {

class ConfigDialogs;
class CVantrelDoc;
class ElementDialogs;
struct ExportOutcome;
class FileError;
class ImageCodec;
struct Problem;
class ViewPrompts;

// The editor's single scrolling canvas: the logic design on its grid
// (Design) or one preview page with its paint layer (Preview design). It
// handles the view commands of the menus and toolbars; the main window asks
// it which commands it handles, which are enabled and which are checked.
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

private:
    Size ClientSize() const;
    Rect ClientRect() const;
    void Redraw();
    void ApplyZoom(double zoom);
    void UpdateScrollBars();
    void OnScrollAction(Qt::Orientation orientation, int action);
    void OnTick();
    void ReleaseInDesign(Point release);
    // vantrel_view_paint.cpp: the paint layer's commands and double click.
    static bool HandlesPaintCommand(int id);
    bool IsPaintCommandEnabled(int id) const;
    void OnPaintCommand(int id);
    void DoubleClickInPreview(Point click);
    // Whether Undo or Redo has a step to take: any in Design; in Preview
    // design only one that changes what the pages show (paint, background).
    bool CanStepThrough(const std::deque<UndoRecord>& stack) const;
    void KeyInDesign(QKeyEvent* event);
    void KeyInPreview(QKeyEvent* event);
    const Image* PageBackground(QSize client);
    void DiscardBackgroundCache();
    void SetCount();
    using ExportRoutine = ExportOutcome (*)(const CVantrelDoc&, const std::filesystem::path&,
                                            const ImageCodec&, std::int32_t);
    // "Export to flash" and "Export to JSON": a file name, then the export
    // with its report and the remote module files beside the file.
    void ExportWithReport(const char16_t* defaultName, ExportRoutine run);
    void ExportIoListCommand();
    void ReportFileError(const FileError& failure);
    // vantrel_view_config.cpp: the hardware, complex-command and simulation
    // commands.
    void OnConfigurationCommand(int id);

    // vantrel_view_edit_commands.cpp: clipboard, Find, Replicate and the
    // page background.
    static bool HandlesEditCommand(int id);
    bool IsEditCommandEnabled(int id) const;
    void OnEditCommand(int id);
    // Keeps Paste's state up to date when another program fills the clipboard.
    void WatchClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    bool ClipboardHoldsModeData() const;
    void FindCommand();
    void BackgroundColourCommand();
    void ImportBackgroundCommand();
    // After undo and redo: the paint selection may name objects the step
    // took out of the design, and the page images may have changed.
    void AfterHistoryStep();

    CVantrelDoc& document_;
    ElementDialogs& dialogs_;
    ConfigDialogs& configDialogs_;
    ViewState state_;
    ViewPrompts& prompts_;
    const ImageCodec& codec_;
    QTimer timer_;
    std::array<bool, 4> digitsHeld_{};
    bool updatingScrollBars_ = false;
    // The design was reset or loaded before the view was first shown.
    bool placePending_ = false;
    // The current page's background decoded, and scaled to the client size.
    PageImageCache decodedPage_{codec_};
    Image backgroundCache_;
    int backgroundCachePage_ = -1;
};

} // namespace vantrel
